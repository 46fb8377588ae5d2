// The radio heads' module state: one record per radio, shared by every
// gauge that controls that radio. The NAV heads' power flags are also read
// by the navigation indicators, the ILS and TACAN switches and the audio
// panel; only the NAV head gauges write them.
//
// The radio_ callbacks are written once here and bound per gauge to a
// RadioBinding. Callbacks are bare function pointers with no user word, so
// each gauge gets its own set by instantiating the templates below with its
// binding constant: radio_tens_digit<tervalin_com2_binding> is an ordinary
// free function that knows its radio at compile time, with no lookup at run
// time and nothing to go wrong when two faceplates share one radio.
#pragma once

#include <cstdint>

#include "core/sound.h"
#include "gauge.h"

namespace tervalin {

struct RadioHead {
    int32_t powered;   // 1 = switched on; forced to 0 when a head gauge is installed
    double whole_mhz;  // COM, NAV: last decoded whole megahertz
    double decimals;   // COM, NAV: last decoded two decimals, 0 ... 99
    int32_t tone;      // ADF: the tone switch on; forced to 0 at install
    double whole_khz;  // ADF: last decoded whole kilohertz, 0 ... 1999
    double tenths;     // ADF: last decoded tenths digit
    double code;       // transponder: last decoded code as a decimal number, 0 ... 9999
};

// Defined with the radio-head callbacks. Every head starts powered (1) at
// load; installing a head gauge switches its radio off.
extern RadioHead com1_head;
extern RadioHead com2_head;
extern RadioHead nav1_head;
extern RadioHead nav2_head;
extern RadioHead adf_head;
extern RadioHead xpdr_head;

// Sent (value 0) when a head is installed and, where the binding says so,
// when it is switched off.
inline constexpr KeyEvent kEventRadioHeadOff = 65832;

// A head's digit drum: the strip at `bitmap`, its window at bitmap + 1, run
// from 0 to `y_max` by the drum's callback; the token is only declared.
constexpr MovingImage head_drum(uint32_t bitmap, int32_t x, int32_t y, FailureBinding* failures, double y_max,
                                ValueCallback callback, VariableToken token = 0) {
    return {.header = {.bitmap = bitmap, .x = x, .y = y, .failures = failures, .image_flags = kDrawMoving},
            .x_min = 0,
            .x_max = 0,
            .y_variable = {.token = token},
            .y_min = 0,
            .y_max = y_max,
            .y_callback = callback};
}

// Whole megahertz of the frequency code behind a token (looked up now).
double com_whole_mhz(VariableToken frequency);
double nav_whole_mhz(VariableToken frequency);
// The two decimals of the code behind a token, 0 ... 99.
double radio_decimals(VariableToken frequency);

// Everything that ties one head gauge to its radio.
struct RadioBinding {
    RadioHead* head;
    SoundSet* sound;  // the gauge's own switch click
    VariableToken frequency;
    double (*decoder)(VariableToken frequency);
    double upper_mhz;  // whole-up steps only while below this
    double lower_mhz;  // whole-down steps only while above this
    KeyEvent whole_up;
    KeyEvent whole_down;
    KeyEvent fraction_up;
    KeyEvent fraction_down;
    bool off_sends_event;  // switching off also sends kEventRadioHeadOff
};

// The shared work behind the bound callbacks.
namespace radio {

enum class Drum { Tens, Units, Tenths, Hundredths };
enum class Step { WholeUp, WholeDown, FractionUp, FractionDown };

// Lit bit follows power; the host bit is cleared on every call.
void light_by_power(Element* element, const RadioHead& head);
double drum(const RadioBinding& binding, Element* element, Drum drum);
double leading_one(const RadioBinding& binding, Element* element);
void step(const RadioBinding& binding, Step step);
void power_off(const RadioBinding& binding);
void power_on(const RadioBinding& binding);
void gauge_service(const RadioBinding& binding, int32_t service, uintptr_t extra);

}  // namespace radio

// Value callbacks.
template <const RadioBinding& b>
double radio_tens_digit(Element* element) {
    return radio::drum(b, element, radio::Drum::Tens);
}
template <const RadioBinding& b>
double radio_units_digit(Element* element) {
    return radio::drum(b, element, radio::Drum::Units);
}
template <const RadioBinding& b>
double radio_tenths_digit(Element* element) {
    return radio::drum(b, element, radio::Drum::Tenths);
}
template <const RadioBinding& b>
double radio_hundredths_digit(Element* element) {
    return radio::drum(b, element, radio::Drum::Hundredths);
}
template <const RadioBinding& b>
double radio_leading_one(Element* element) {
    return radio::leading_one(b, element);
}
// One-image lamp: -1 hides it while off.
template <const RadioBinding& b>
double radio_lamp(Element*) {
    return b.head->powered ? 0 : -1;
}
// Two-image lamp, dark and lit.
template <const RadioBinding& b>
double com_lamp(Element*) {
    return b.head->powered ? 1 : 0;
}
template <const RadioBinding& b>
double radio_power_indicator(Element*) {
    return b.head->powered ? 1 : 0;
}
template <const RadioBinding& b>
double radio_whole_knob(Element*) {
    return b.head->whole_mhz;
}
template <const RadioBinding& b>
double radio_fraction_knob(Element*) {
    return b.head->decimals;
}
// Five-position selector: 0 the off position, 4 the on position.
template <const RadioBinding& b>
double com_mode_selector(Element*) {
    return b.head->powered ? 4 : 0;
}
inline double com_fixed_selector(Element*) {
    return 2;
}

// Mouse callbacks; the result is always 0.
template <const RadioBinding& b>
int32_t radio_whole_up(ClickRecord*, uint32_t) {
    radio::step(b, radio::Step::WholeUp);
    return 0;
}
template <const RadioBinding& b>
int32_t radio_whole_down(ClickRecord*, uint32_t) {
    radio::step(b, radio::Step::WholeDown);
    return 0;
}
template <const RadioBinding& b>
int32_t radio_fraction_up(ClickRecord*, uint32_t) {
    radio::step(b, radio::Step::FractionUp);
    return 0;
}
template <const RadioBinding& b>
int32_t radio_fraction_down(ClickRecord*, uint32_t) {
    radio::step(b, radio::Step::FractionDown);
    return 0;
}
template <const RadioBinding& b>
int32_t radio_power_off(ClickRecord*, uint32_t) {
    radio::power_off(b);
    return 0;
}
template <const RadioBinding& b>
int32_t radio_power_on(ClickRecord*, uint32_t) {
    radio::power_on(b);
    return 0;
}

template <const RadioBinding& b>
void radio_gauge_callback(Gauge*, int32_t service, uintptr_t extra) {
    radio::gauge_service(b, service, extra);
}

}  // namespace tervalin
