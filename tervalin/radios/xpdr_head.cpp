// "Tervalin_XPDR": the transponder's control head, drawn as an IFF panel:
// an ON/OFF toggle, four MODE 3/A code drums stepped by the areas just
// above and below them, an IDENT button and a lamp. Power, lit digits,
// lamp and click are the radio heads' own; one toggle area switches it.
#include <cmath>

#include "core/gauges.h"
#include "core/host.h"
#include "host_numbers.h"
#include "radios/radio_head.h"
#include "records.h"

namespace tervalin {
namespace {

constexpr uint32_t kFailTransponder = 17;

constexpr uint32_t kHelpXpdr = 42762;       // 0xA70A
constexpr uint32_t kHelpXpdrCode = 43618;   // 0xAA62
constexpr uint32_t kHelpXpdrIdent = 43621;  // 0xAA65

SoundSet xpdr_sound;
constexpr RadioBinding xpdr_binding = {.head = &xpdr_head, .sound = &xpdr_sound, .off_sends_event = false};

// The code's four nibbles as the decimal number they spell.
double xpdr_code(VariableToken token) {
    const double c = variable_code(lookup(token));
    const double d3 = std::floor(c / 4096);
    double x = c - 4096 * d3;
    const double d2 = std::floor(x / 256);
    x -= 256 * d2;
    const double d1 = std::floor(x / 16);
    const double d0 = x - 16 * d1;
    return 1000 * d3 + 100 * d2 + 10 * d1 + d0;
}

double xpdr_digit(Element* element, double (*digit)(double)) {
    xpdr_head.code = xpdr_code(token::transponder_code);
    radio::light_by_power(element, xpdr_head);
    return digit(xpdr_head.code);
}
double xpdr_thousands_digit(Element* element) {
    return xpdr_digit(element, [](double s) { return std::floor(s / 1000); });
}
double xpdr_hundreds_digit(Element* element) {
    return xpdr_digit(element, [](double s) { return std::floor((s - 1000 * std::floor(s / 1000)) / 100); });
}
double xpdr_tens_digit(Element* element) {
    return xpdr_digit(element, [](double s) { return std::floor((s - 100 * std::floor(s / 100)) / 10); });
}
double xpdr_units_digit(Element* element) {
    return xpdr_digit(element, [](double s) { return s - 10 * std::floor(s / 10); });
}

// Every click flips the power and clicks.
int32_t xpdr_power_toggle(ClickRecord*, uint32_t) {
    xpdr_head.powered = 1 - xpdr_head.powered;
    sound_set_play(xpdr_sound);
    return 0;
}

// One per step area, bound to its event; the host keeps each digit in range.
template <KeyEvent E>
int32_t xpdr_step(ClickRecord*, uint32_t) {
    if (xpdr_head.powered) send_event(E);
    return 0;
}

// The IDENT button has its cursor and tooltip but sends nothing.
int32_t xpdr_ident_click(ClickRecord*, uint32_t) {
    return 0;
}

void xpdr_gauge_callback(Gauge*, int32_t service, uintptr_t extra) {
    switch (service) {
        case kServiceInstall:
            xpdr_head.powered = 0;
            sound_set_install(xpdr_sound, extra, kWaveSwitchClick);
            break;
        case kServicePreUpdate: xpdr_head.code = xpdr_code(token::transponder_code); break;
        case kServicePreKill: sound_set_release(xpdr_sound); break;
        default: break;
    }
}

FailureBinding xpdr_failures[] = {
    {.key = failure::electrical, .action = kFailureActionHide},
    {.key = failure::avionics, .action = kFailureActionHide},
    {.key = kFailTransponder, .action = kFailureActionNone},
    {},
};

constexpr uint32_t kDigitStrip = 3310;  // 0 ... 9 and 0 again; window 3311

constexpr MovingImage xpdr_drum(int32_t x, VariableToken token, ValueCallback callback) {
    return head_drum(kDigitStrip, x, 59, xpdr_failures, 10, callback, token);
}

// Faceplate, units, tens, hundreds and thousands drums, IDENT button,
// lamp, toggle switch.
constinit kit::Chain chain{
    &tervalin_xpdr_gauge,
    StaticImage{.header = {.bitmap = 3300, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    xpdr_drum(187, token::transponder_code, xpdr_units_digit),
    xpdr_drum(164, 0, xpdr_tens_digit),
    xpdr_drum(141, token::transponder_code, xpdr_hundreds_digit),
    xpdr_drum(118, token::transponder_code, xpdr_thousands_digit),
    Icon{// 3340 released, 3341 pressed: always the released picture
         .header = {.bitmap = 3340, .x = 209, .y = 29, .failures = xpdr_failures, .image_flags = kDrawPlain},
         .scale = 1,
         .image_count = 2},
    Icon{.header = {.bitmap = 3330, .x = 53, .y = 79, .failures = xpdr_failures, .image_flags = kDrawLamp},
         .scale = 1,
         .image_count = 1,
         .callback = radio_lamp<xpdr_binding>},
    Icon{// 3320 lever down at OFF, 3321 up at ON
         .header = {.bitmap = 3320, .x = 28, .y = 9, .image_flags = kDrawPlain},
         .scale = 1,
         .image_count = 2,
         .callback = radio_power_indicator<xpdr_binding>},
};

// One pair of step areas per drum column: up just above the window, down
// just below it.
constinit MouseArea mouse_areas[] = {
    kit::parent(kHelpXpdr),
    kit::child({30, 13, 24, 60}, kCursorPush, kClickLeft, xpdr_power_toggle),
    kit::parent(kHelpXpdrCode, {118, 59, 78, 17}),
    kit::end_parent(),
    kit::child({111, 76, 23, 15}, kCursorDown, kClickLeftRepeat, xpdr_step<event::transponder_thousands_down>),
    kit::child({111, 44, 23, 15}, kCursorUp, kClickLeftRepeat, xpdr_step<event::transponder_thousands_up>),
    kit::child({134, 76, 23, 15}, kCursorDown, kClickLeftRepeat, xpdr_step<event::transponder_hundreds_down>),
    kit::child({134, 44, 23, 15}, kCursorUp, kClickLeftRepeat, xpdr_step<event::transponder_hundreds_up>),
    kit::child({157, 76, 23, 15}, kCursorDown, kClickLeftRepeat, xpdr_step<event::transponder_tens_down>),
    kit::child({157, 44, 23, 15}, kCursorUp, kClickLeftRepeat, xpdr_step<event::transponder_tens_up>),
    kit::child({180, 76, 23, 15}, kCursorDown, kClickLeftRepeat, xpdr_step<event::transponder_units_down>),
    kit::child({180, 44, 23, 15}, kCursorUp, kClickLeftRepeat, xpdr_step<event::transponder_units_up>),
    kit::parent(kHelpXpdrIdent, {209, 29, 26, 32}),
    kit::child({0, 0, 26, 32}, kCursorPush, kClickLeft, xpdr_ident_click),
    kit::end_parent(),
    kit::end_parent(),
    kit::end(),
};

}  // namespace
}  // namespace tervalin

Gauge tervalin_xpdr_gauge = {.version = kGaugeHeaderVersion,
                             .name = "Tervalin_XPDR",
                             .elements = tervalin::chain.root(),
                             .width_mm = 100,
                             .mouse_areas = tervalin::mouse_areas,
                             .callback = tervalin::xpdr_gauge_callback};
