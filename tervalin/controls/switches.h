// The clicking switches: light toggles, the smoke button and the ILS and
// TACAN lamp buttons. They share their callbacks; what differs per gauge
// is its key event and its own SoundSet.
//
// The host calls plain function pointers and hands them no word of the
// gauge's own, so a callback cannot look up which switch it serves. Each
// gauge therefore binds the shared code to its constant SwitchBinding at
// compile time: light_switch_click<binding> and friends are one template
// each, and every instantiation is an ordinary free function.
#pragma once

#include "core/host.h"
#include "core/sound.h"
#include "gauge.h"

namespace tervalin {

struct SwitchBinding {
    SoundSet& sound;  // the gauge's own click device and buffer
    KeyEvent event;   // sent with value 0 by light_switch_click; none (0) for the lamp buttons
};

// Lever image 2 (up) while the light is on, else 1 (down); image 0, the
// lever centred, is never shown.
double light_switch_value(Element* element);
// Image 1 (lit) while the smoke system is on, else 0.
double smoke_switch_value(Element* element);
// The lamp of the selected source, lit only while its NAV head is powered.
double ils_lamp_value(Element* element);
double tacan_lamp_value(Element* element);

// Sends the switch's event, then clicks.
template <const SwitchBinding& binding>
int32_t light_switch_click(ClickRecord*, uint32_t) {
    send_event(binding.event, 0);
    sound_set_play(binding.sound);
    return 0;
}

// Flips the navigation source, then clicks.
void flip_nav_source();
template <const SwitchBinding& binding>
int32_t nav_source_click(ClickRecord*, uint32_t) {
    flip_nav_source();
    sound_set_play(binding.sound);
    return 0;
}

// The click sound's life: created at install, released at kill.
template <const SwitchBinding& binding>
void switch_sound_callback(Gauge*, int32_t service, uintptr_t extra) {
    if (service == kServiceInstall)
        sound_set_install(binding.sound, extra, kWaveSwitchClick);
    else if (service == kServicePreKill)
        sound_set_release(binding.sound);
}

}  // namespace tervalin
