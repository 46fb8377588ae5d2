// "Tervalin_ADF": the ADF receiver's control head. Five digits and a point
// in kilohertz (thousands, hundreds, tens, units, point, tenths), three
// concentric knobs for hundreds, tens and units, two small areas for the
// tenths, the mode selector as its power switch, a TONE switch and a lamp.
// Power, lit digits, lamp and click are the radio heads' own; the head
// tells the host the tone state on every update.
#include <cmath>

#include "core/gauges.h"
#include "core/host.h"
#include "host_numbers.h"
#include "radios/radio_head.h"
#include "records.h"

namespace tervalin {
namespace {

constexpr VariableToken kTokenToneSwitch = 880;  // declared on the tone switch only

constexpr uint32_t kFailAdfReceiver = 5;

constexpr KeyEvent kEventToneOff = 65836;  // 0x1012C
constexpr KeyEvent kEventToneOn = 65841;   // 0x10131

constexpr uint32_t kHelpAdf = 42761;            // 0xA709
constexpr uint32_t kHelpAdfWindow = 43606;      // 0xAA56
constexpr uint32_t kHelpAdfKnobs = 43605;       // 0xAA55
constexpr uint32_t kHelpAdfToneSwitch = 43607;  // 0xAA57

SoundSet adf_sound;
constexpr RadioBinding adf_binding = {.head = &adf_head, .sound = &adf_sound, .off_sends_event = false};

// 1 = the thousands digit is 1: token 18 holds 0x100 or more.
constexpr uint32_t kThousandsFlag = 0x100;

double adf_whole_khz() {
    const uint32_t a = variable_code(lookup(token::adf_frequency));
    const uint32_t b = variable_code(lookup(token::adf_extended_frequency));
    const double t = b >= kThousandsFlag ? 1 : 0;
    double x = a;
    const double h = std::floor(x / 256);
    x -= 256 * h;
    const double tens = std::floor(x / 16);
    const double units = x - 16 * tens;
    return 1000 * t + 100 * h + 10 * tens + units;
}

double adf_tenths() {
    double x = variable_code(lookup(token::adf_extended_frequency));
    if (x >= 256) x -= 256;
    return x;
}

double thousands(double k) {
    return std::floor(k / 1000);
}
double hundreds(double k) {
    return std::floor((k - 1000 * std::floor(k / 1000)) / 100);
}
double tens(double k) {
    return std::floor((k - 100 * std::floor(k / 100)) / 10);
}
double units(double k) {
    return k - 10 * std::floor(k / 10);
}

// Digits: the whole kilohertz decoded afresh, lit by power.
double adf_digit(Element* element, double (*digit)(double)) {
    adf_head.whole_khz = adf_whole_khz();
    radio::light_by_power(element, adf_head);
    return digit(adf_head.whole_khz);
}
double adf_thousands_digit(Element* element) {
    return adf_digit(element, thousands);
}
double adf_hundreds_digit(Element* element) {
    return adf_digit(element, hundreds);
}
double adf_tens_digit(Element* element) {
    return adf_digit(element, tens);
}
double adf_units_digit(Element* element) {
    return adf_digit(element, units);
}

double adf_tenths_digit(Element* element) {
    adf_head.tenths = adf_tenths();
    radio::light_by_power(element, adf_head);
    return adf_head.tenths;
}

double adf_decimal_point(Element* element) {
    radio::light_by_power(element, adf_head);
    return 0;
}

// Knobs: one turn per ten of the digit they set; the outer knob reads the
// thousands and hundreds together.
double adf_outer_knob(Element*) {
    adf_head.whole_khz = adf_whole_khz();
    return std::floor(adf_head.whole_khz / 100);
}
double adf_middle_knob(Element*) {
    adf_head.whole_khz = adf_whole_khz();
    return tens(adf_head.whole_khz);
}
double adf_inner_knob(Element*) {
    adf_head.whole_khz = adf_whole_khz();
    return units(adf_head.whole_khz);
}

// The two pictures report the tone state on every update: the host hears
// 65841 while the head is powered with the tone on, 65836 otherwise.
double adf_tone_switch(Element*) {
    if (adf_head.tone == 1) {
        if (adf_head.powered) send_event(kEventToneOn);
        return 1;
    }
    send_event(kEventToneOff);
    return 0;
}
double adf_mode_selector(Element*) {
    if (!adf_head.powered) {
        send_event(kEventToneOff);
        return 0;
    }
    if (adf_head.tone == 1) send_event(kEventToneOn);
    return 1;
}

// Steps, only while powered. The hundreds use the frequency last decoded
// and stop at 1599 and 200.
int32_t adf_hundreds_up(ClickRecord*, uint32_t) {
    const double k = adf_head.whole_khz;
    if (adf_head.powered && (thousands(k) == 0 || (thousands(k) == 1 && hundreds(k) < 6)))
        send_event(event::adf_hundreds_up);
    return 0;
}
int32_t adf_hundreds_down(ClickRecord*, uint32_t) {
    const double k = adf_head.whole_khz;
    if (adf_head.powered && (thousands(k) == 1 || (thousands(k) == 0 && hundreds(k) > 1)))
        send_event(event::adf_hundreds_down);
    return 0;
}
template <KeyEvent E>
int32_t adf_step(ClickRecord*, uint32_t) {
    if (adf_head.powered) send_event(E);
    return 0;
}
constexpr auto adf_tens_up = adf_step<event::adf_tens_up>;
constexpr auto adf_tens_down = adf_step<event::adf_tens_down>;
constexpr auto adf_units_up = adf_step<event::adf_units_up>;
constexpr auto adf_units_down = adf_step<event::adf_units_down>;
constexpr auto adf_tenths_up = adf_step<event::adf_tenths_up>;
constexpr auto adf_tenths_down = adf_step<event::adf_tenths_down>;

// The tone switch works whether or not the head is powered.
int32_t adf_tone_toggle(ClickRecord*, uint32_t) {
    adf_head.tone = 1 - adf_head.tone;
    sound_set_play(adf_sound);
    return 0;
}

void adf_gauge_callback(Gauge*, int32_t service, uintptr_t extra) {
    switch (service) {
        case kServiceInstall:
            adf_head.powered = 0;
            adf_head.tone = 0;
            send_event(kEventToneOff);
            sound_set_install(adf_sound, extra, kWaveSwitchClick);
            break;
        case kServicePreUpdate:
            adf_head.whole_khz = adf_whole_khz();
            adf_head.tenths = adf_tenths();
            break;
        case kServicePreKill: sound_set_release(adf_sound); break;
        default: break;
    }
}

FailureBinding adf_failures[] = {
    {.key = failure::electrical, .action = kFailureActionHide},
    {.key = failure::avionics, .action = kFailureActionHide},
    {.key = kFailAdfReceiver, .action = kFailureActionNone},
    {},
};

constexpr uint32_t kDigitStrip = 1180;  // 0 ... 9 and 0 again; window 1181

constexpr MovingImage adf_drum(int32_t x, VariableToken token, ValueCallback callback) {
    return head_drum(kDigitStrip, x, 45, adf_failures, 10, callback, token);
}

// Each knob turns half a turn per 5 of its value.
CalibrationPoint outer_knob_table[] = {
    {.x = 97, .y = 101, .value = 0},
    {.x = 97, .y = 161, .value = 5},
};
CalibrationPoint middle_knob_table[] = {
    {.x = 97, .y = 108, .value = 0},
    {.x = 97, .y = 154, .value = 5},
};
CalibrationPoint inner_knob_table[] = {
    {.x = 97, .y = 101, .value = 0},
    {.x = 97, .y = 161, .value = 5},
};

// Faceplate, tenths drum, decimal point, units, tens and hundreds drums,
// thousands digit, outer, middle and inner knobs, tone switch, lamp, mode
// selector.
constinit kit::Chain chain{
    &tervalin_adf_gauge,
    StaticImage{.header = {.bitmap = 1140, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    adf_drum(121, token::adf_extended_frequency, adf_tenths_digit),
    Icon{.header = {.bitmap = 1200, .x = 116, .y = 45, .failures = adf_failures, .image_flags = kDrawMoving},
         .scale = 1,
         .image_count = 1,
         .callback = adf_decimal_point},
    adf_drum(102, token::adf_frequency, adf_units_digit),
    adf_drum(88, 0, adf_tens_digit),
    adf_drum(74, token::adf_frequency, adf_hundreds_digit),
    Icon{// 1190 shows 0, 1191 shows 1
         .header = {.bitmap = 1190, .x = 60, .y = 45, .failures = adf_failures, .image_flags = kDrawMoving},
         .variable = {.token = token::adf_frequency},
         .scale = 1,
         .image_count = 2,
         .callback = adf_thousands_digit},
    Needle{.header = {.bitmap = 1170, .x = 97, .y = 131, .pivot_x = 30, .pivot_y = 30, .image_flags = kDrawMoving},
           .variable = {.token = token::adf_frequency},
           .table = outer_knob_table,
           .table_count = kit::count(outer_knob_table),
           .callback = adf_outer_knob},
    Needle{.header = {.bitmap = 1160, .x = 97, .y = 131, .pivot_x = 23, .pivot_y = 23, .image_flags = kDrawMoving},
           .variable = {.token = token::adf_frequency},
           .table = middle_knob_table,
           .table_count = kit::count(middle_knob_table),
           .callback = adf_middle_knob},
    Needle{.header = {.bitmap = 1150, .x = 97, .y = 131, .pivot_x = 16, .pivot_y = 16, .image_flags = kDrawMoving},
           .variable = {.token = token::adf_frequency},
           .table = inner_knob_table,
           .table_count = kit::count(inner_knob_table),
           .callback = adf_inner_knob},
    Icon{// 1230 OFF, 1231 ON
         .header = {.bitmap = 1230, .x = 170, .y = 74, .image_flags = kDrawPlain},
         .variable = {.token = kTokenToneSwitch},
         .scale = 1,
         .image_count = 2,
         .callback = adf_tone_switch},
    Icon{.header = {.bitmap = 1220, .x = 90, .y = 11, .failures = adf_failures, .image_flags = kDrawLamp},
         .scale = 1,
         .image_count = 1,
         .callback = radio_lamp<adf_binding>},
    Icon{// 1210 at OFF, 1211 at ADF
         .header = {.bitmap = 1210, .x = 157, .y = 122, .image_flags = kDrawPlain},
         .scale = 1,
         .image_count = 2,
         .callback = adf_mode_selector},
};

// The knob strip from x 61 to 133 is six 12-pixel columns: hundreds, tens
// and units down, then units, tens and hundreds up.
constinit MouseArea mouse_areas[] = {
    kit::parent(kHelpAdf),
    kit::child({135, 117, 27, 17}, kCursorPush, kClickLeft, radio_power_off<adf_binding>),  // the selector's OFF
    kit::child({187, 105, 27, 17}, kCursorPush, kClickLeft, radio_power_on<adf_binding>),   // and ADF marks
    kit::parent(kHelpAdfWindow, {60, 45, 75, 33}),
    kit::end_parent(),
    kit::parent(kHelpAdfKnobs, {61, 115, 72, 32}),
    kit::end_parent(),
    kit::child({85, 115, 12, 32}, kCursorDown, kClickLeftRepeat, adf_units_down),
    kit::child({97, 115, 12, 32}, kCursorUp, kClickLeftRepeat, adf_units_up),
    kit::child({73, 115, 12, 32}, kCursorDown, kClickLeftRepeat, adf_tens_down),
    kit::child({109, 115, 12, 32}, kCursorUp, kClickLeftRepeat, adf_tens_up),
    kit::child({61, 115, 12, 32}, kCursorDown, kClickLeftRepeat, adf_hundreds_down),
    kit::child({121, 115, 12, 32}, kCursorUp, kClickLeftRepeat, adf_hundreds_up),
    kit::parent(kHelpAdfToneSwitch, {170, 74, 24, 16}),
    kit::child({0, 0, 24, 16}, kCursorPush, kClickLeft, adf_tone_toggle),
    kit::end_parent(),
    kit::child({117, 23, 18, 18}, kCursorDown, kClickLeftRepeat, adf_tenths_down),  // above the tenths drum
    kit::child({117, 74, 18, 18}, kCursorUp, kClickLeftRepeat, adf_tenths_up),      // below it
    kit::end_parent(),
    kit::end(),
};

}  // namespace
}  // namespace tervalin

Gauge tervalin_adf_gauge = {.version = kGaugeHeaderVersion,
                            .name = "Tervalin_ADF",
                            .elements = tervalin::chain.root(),
                            .width_mm = 100,
                            .mouse_areas = tervalin::mouse_areas,
                            .callback = tervalin::adf_gauge_callback};
