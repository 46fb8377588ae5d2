// The sound player: the module's switch clicks, played from its own WAVE
// resources through the platform's audio device. One flag silences the
// whole module after any failure; gauges never see a failure.
#pragma once

#include <cstdint>

#include "gauge_platform/audio.h"

namespace tervalin {

// 1 until the first failed platform call, then 0 for good.
extern int32_t sound_available;

// One per sounding gauge definition, shared by all its instances.
struct SoundSet {
    PlatformModule module;  // the extra word of service code 2
    PlatformWindow window;
    PlatformSoundDevice device;
    PlatformSoundBuffer buffer;
};

// The gauge-callback pattern of every sounding gauge:
// service code 2 -> sound_set_install, 12 -> sound_set_release; clicks
// call sound_set_play (play once, result ignored).
void sound_set_install(SoundSet& set, uintptr_t module_handle, uint32_t wave);
void sound_set_release(SoundSet& set);
void sound_set_play(SoundSet& set);

// The player's operations, each a no-op returning 0 once sound is off.
// Slots are the set's fields; a failure turns sound off for the module.
PlatformWindow find_host_window();
int32_t create_sound_device(PlatformWindow window, PlatformSoundDevice& device);
uint32_t load_wave_resource(PlatformSoundDevice& device, PlatformSoundBuffer& buffer, uint32_t wave,
                            PlatformModule module);
int32_t play_sound(PlatformSoundBuffer& buffer, uint32_t flags);
void release_sound_buffer(PlatformSoundBuffer& buffer);
void release_sound_device(PlatformSoundDevice& device);

// WAVE resource ids.
inline constexpr uint32_t kWaveSwitchClick = 10;
inline constexpr uint32_t kWaveParkingBrake = 20;
inline constexpr uint32_t kWaveAudioPanelClick = 30;

}  // namespace tervalin
