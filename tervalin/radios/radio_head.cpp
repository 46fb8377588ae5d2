// The radio heads' records and the shared work of the radio_ callbacks:
// decoding the host's binary-coded-decimal frequency codes, digits lit by
// power, knob steps within the heads' own limits and power switching.
#include "radios/radio_head.h"

#include <cmath>

#include "core/host.h"

namespace tervalin {

// Module state from load to unload, never reset.
RadioHead com1_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead com2_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead nav1_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead nav2_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead adf_head = {.powered = 1};
RadioHead xpdr_head = {.powered = 1};

namespace {

// The code is read from the value slot as an unsigned integer, not as a double.
uint32_t frequency_code(VariableToken frequency) {
    return variable_code(lookup(frequency));
}

}  // namespace

double com_whole_mhz(VariableToken frequency) {
    const uint32_t c = frequency_code(frequency);
    // 1 D3 D2 megahertz; D3 = 1, 2 or 3. Below 0x1000 is no COM frequency.
    if (c >= 0x3000) return 130.0 + double((c - 0x3000) >> 8);
    if (c >= 0x2000) return 120.0 + double((c - 0x2000) >> 8);
    return 110.0 + double((c - 0x1000) >> 8);
}

double nav_whole_mhz(VariableToken frequency) {
    const uint32_t c = frequency_code(frequency);
    // 1 D3 D2 megahertz; D3 = 0 or 1.
    if (c >= 0x1000) return 110.0 + double((c - 0x1000) >> 8);
    return 100.0 + double(c >> 8);
}

double radio_decimals(VariableToken frequency) {
    const double b = double(frequency_code(frequency) % 256);
    if (b >= 16) return (b - 16 * std::floor(b / 16)) + 10 * std::floor(b / 16);
    return b;
}

namespace radio {

void light_by_power(Element* element, const RadioHead& head) {
    uint32_t flags = element->image_flags & ~(kImageLit | kImageHostBit);
    if (head.powered) flags |= kImageLit;
    element->image_flags = flags;
}

double drum(const RadioBinding& binding, Element* element, Drum which) {
    const RadioHead& head = *binding.head;
    light_by_power(element, head);
    const double m = head.whole_mhz;
    const double d = head.decimals;
    switch (which) {
        case Drum::Tens: return std::floor((m - 100 * std::floor(m / 100)) / 10);
        case Drum::Units: return m - 10 * std::floor(m / 10);
        case Drum::Tenths: return std::floor(d / 10);
        case Drum::Hundredths: return d - 10 * std::floor(d / 10);
    }
    return 0;
}

double leading_one(const RadioBinding& binding, Element* element) {
    light_by_power(element, *binding.head);
    return 0;
}

void step(const RadioBinding& binding, Step which) {
    RadioHead& head = *binding.head;
    // The stored value is refreshed even when the click is refused.
    if (which == Step::WholeUp || which == Step::WholeDown)
        head.whole_mhz = binding.decoder(binding.frequency);
    else
        head.decimals = radio_decimals(binding.frequency);
    if (!head.powered) return;
    switch (which) {
        case Step::WholeUp:
            if (head.whole_mhz < binding.upper_mhz) send_event(binding.whole_up);
            break;
        case Step::WholeDown:
            if (head.whole_mhz > binding.lower_mhz) send_event(binding.whole_down);
            break;
        case Step::FractionUp: send_event(binding.fraction_up); break;
        case Step::FractionDown: send_event(binding.fraction_down); break;
    }
}

void power_off(const RadioBinding& binding) {
    if (binding.head->powered != 1) return;
    binding.head->powered = 0;
    sound_set_play(*binding.sound);
    if (binding.off_sends_event) send_event(kEventRadioHeadOff);
}

void power_on(const RadioBinding& binding) {
    if (binding.head->powered != 0) return;
    binding.head->powered = 1;
    sound_set_play(*binding.sound);
}

void gauge_service(const RadioBinding& binding, int32_t service, uintptr_t extra) {
    switch (service) {
        case kServiceInstall:
            binding.head->powered = 0;
            send_event(kEventRadioHeadOff);
            sound_set_install(*binding.sound, extra, kWaveSwitchClick);
            break;
        case kServicePreUpdate:
            binding.head->whole_mhz = binding.decoder(binding.frequency);
            binding.head->decimals = radio_decimals(binding.frequency);
            break;
        case kServicePreKill: sound_set_release(*binding.sound); break;
        default: break;
    }
}

}  // namespace radio
}  // namespace tervalin
