// The COM control heads: "Tervalin_COM1" (the wide faceplate with the
// five-position selectors), "Brinvale_COM1" and "Tervalin_COM2" (the small
// faceplates). Both COM1 faceplates control one radio through one
// RadioHead, so switching either lights both; each gauge has its own click.
#include "core/gauges.h"
#include "host_numbers.h"
#include "radios/small_head.h"

namespace tervalin {
namespace {

constexpr uint32_t kFailComRadios = 9;

// Tooltips of the COM1 faceplates.
constexpr uint32_t kHelpCom1Head = 42753;
constexpr uint32_t kHelpCom1Window = 42769;
constexpr uint32_t kHelpCom1Knobs = 42768;
constexpr double kComUpperMhz = 135;
constexpr double kComLowerMhz = 118;

// Both COM1 faceplates step one radio; each clicks with its own sound.
constexpr RadioBinding com1_binding(SoundSet* sound) {
    return {.head = &com1_head,
            .sound = sound,
            .frequency = token::com1_frequency,
            .decoder = com_whole_mhz,
            .upper_mhz = kComUpperMhz,
            .lower_mhz = kComLowerMhz,
            .whole_up = event::com1_whole_up,
            .whole_down = event::com1_whole_down,
            .fraction_up = event::com1_fraction_up,
            .fraction_down = event::com1_fraction_down,
            .off_sends_event = false};
}

// "Tervalin_COM1"
SoundSet tervalin_com1_sound;
constexpr RadioBinding tervalin_com1_binding = com1_binding(&tervalin_com1_sound);
constexpr const RadioBinding& com1 = tervalin_com1_binding;

FailureBinding com1_failures[] = {
    {.key = failure::avionics, .action = kFailureActionHide},
    {.key = kFailComRadios, .action = kFailureActionNone},
    {},
};

// Face, hundredths, tenths, units and tens drums, leading one, the two
// toggle switches, the fixed and the mode selector, lamp.
constinit kit::Chain com1_chain{
    &tervalin_com1_gauge,
    StaticImage{.header = {.bitmap = 3110, .image_flags = kDrawPlain}},
    MovingImage{// 00, dash, 25, dash, dash, 50, dash, 75, dash, dash, 00; window 3151
                .header = {.bitmap = 3150, .x = 207, .y = 73, .failures = com1_failures, .image_flags = kDrawMoving},
                .y_min = 0,
                .y_max = 10,
                .y_callback = radio_hundredths_digit<com1>},
    MovingImage{// window 3141
                .header = {.bitmap = 3140, .x = 175, .y = 73, .failures = com1_failures, .image_flags = kDrawMoving},
                .y_min = 0,
                .y_max = 10,
                .y_callback = radio_tenths_digit<com1>},
    MovingImage{.header = {.bitmap = 3140, .x = 143, .y = 73, .failures = com1_failures, .image_flags = kDrawMoving},
                .y_min = 0,
                .y_max = 10,
                .y_callback = radio_units_digit<com1>},
    MovingImage{// 0 ... 3; window 3191
                .header = {.bitmap = 3190, .x = 111, .y = 73, .failures = com1_failures, .image_flags = kDrawMoving},
                .y_min = 0,
                .y_max = 3,
                .y_callback = radio_tens_digit<com1>},
    Icon{.header = {.bitmap = 3200, .x = 79, .y = 73, .failures = com1_failures, .image_flags = kDrawMoving},
         .scale = 0,
         .image_count = 1,
         .callback = radio_leading_one<com1>},
    // The two toggle switches are painted in their first position.
    Icon{.header = {.bitmap = 3160, .x = 119, .y = 133, .image_flags = kDrawPlain}, .scale = 1, .image_count = 2},
    Icon{.header = {.bitmap = 3160, .x = 119, .y = 6, .image_flags = kDrawPlain}, .scale = 1, .image_count = 2},
    Icon{// images 3130 ... 3134
         .header = {.bitmap = 3130, .x = 171, .y = 129, .image_flags = kDrawPlain},
         .scale = 1,
         .image_count = 5,
         .callback = com_fixed_selector},
    Icon{.header = {.bitmap = 3130, .x = 46, .y = 129, .image_flags = kDrawPlain},
         .scale = 1,
         .image_count = 5,
         .callback = com_mode_selector<com1>},
    Icon{// 3170 dark, 3171 lit
         .header = {.bitmap = 3170, .x = 292, .y = 16, .failures = com1_failures, .image_flags = kDrawLamp},
         .scale = 1,
         .image_count = 2,
         .callback = com_lamp<com1>},
};

constinit MouseArea com1_mouse_areas[] = {
    kit::parent(kHelpCom1Head),
    kit::parent(kHelpCom1Window, {.x = 79, .y = 73, .width = 143, .height = 19}),
    kit::end_parent(),
    // Megahertz half of the window.
    kit::parent(kHelpCom1Knobs, {.x = 78, .y = 55, .width = 80, .height = 56}),
    kit::child({.x = 0, .y = 0, .width = 80, .height = 28}, kCursorUp, kClickLeftRepeat, radio_whole_up<com1>),
    kit::child({.x = 0, .y = 28, .width = 80, .height = 28}, kCursorDown, kClickLeftRepeat, radio_whole_down<com1>),
    kit::end_parent(),
    // Decimals half of the window.
    kit::parent(kHelpCom1Knobs, {.x = 160, .y = 55, .width = 80, .height = 56}),
    kit::child({.x = 0, .y = 0, .width = 80, .height = 28}, kCursorUp, kClickLeftRepeat, radio_fraction_up<com1>),
    kit::child({.x = 0, .y = 28, .width = 80, .height = 28}, kCursorDown, kClickLeftRepeat, radio_fraction_down<com1>),
    kit::end_parent(),
    // The mode selector's off and on positions.
    kit::child({.x = 32, .y = 165, .width = 28, .height = 28}, kCursorPush, kClickLeft, radio_power_off<com1>),
    kit::child({.x = 92, .y = 165, .width = 28, .height = 28}, kCursorPush, kClickLeft, radio_power_on<com1>),
    kit::end_parent(),
    kit::end(),
};

// The small faceplates.
constexpr SmallHeadLayout com_layout = {
    .avionics_failure = failure::avionics,
    .receiver_failure = kFailComRadios,
    .hundredths_strip = 1300,  // 00, dash, 25, dash, dash, 50, dash, 75, dash, dash, 00; window 1301
    .hundredths_at = {91, 38},
    .digit_strip = 1270,  // window 1271
    .tenths_at = {78, 38},
    .units_at = {65, 38},
    .tens_strip = 1280,  // 0 ... 3; window 1281
    .tens_at = {52, 38},
    .tens_max = 3,
    .leading_one = 1290,
    .leading_one_at = {39, 38},
    .fraction_knob = 1260,
    .fraction_knob_at = {125, 116},
    .whole_knob = 1250,
    .whole_knob_at = {35, 116},
    .knob_pivot = {25, 25},
    .pointer_mark = 1310,  // image 0 at OFF, 1 at ON
    .pointer_mark_at = {0, 88},
    .lamp = 1320,
    .lamp_at = {71, 128},
    .window_box = {39, 38, 65, 25},
    .whole_knob_box = {10, 91, 50, 50},
    .fraction_knob_box = {100, 91, 50, 50},
    .down_half = {0, 0, 25, 50},
    .up_half = {25, 0, 25, 50},
    .knob_clicks = kClickLeftRepeat,
    .off_box = {0, 77, 23, 23},
    .on_box = {23, 77, 23, 23},
};

// "Brinvale_COM1"
SoundSet brinvale_com1_sound;
constexpr RadioBinding brinvale_com1_binding = com1_binding(&brinvale_com1_sound);
CalibrationPoint brinvale_com1_fraction_table[] = {{.x = 35, .y = 91, .value = 0}, {.x = 35, .y = 141, .value = 50}};
CalibrationPoint brinvale_com1_whole_table[] = {{.x = 35, .y = 91, .value = 118}, {.x = 35, .y = 141, .value = 122}};
constexpr SmallHeadFace brinvale_com1_face = {.gauge = &brinvale_com1_gauge,
                                              .binding = &brinvale_com1_binding,
                                              .face = 1240,
                                              .fraction_table = brinvale_com1_fraction_table,
                                              .whole_table = brinvale_com1_whole_table,
                                              .gauge_help = kHelpCom1Head,
                                              .window_help = kHelpCom1Window,
                                              .knob_help = kHelpCom1Knobs};
using BrinvaleCom1 = SmallHead<com_layout, brinvale_com1_face>;

// "Tervalin_COM2"
SoundSet tervalin_com2_sound;
constexpr RadioBinding tervalin_com2_binding = {.head = &com2_head,
                                                .sound = &tervalin_com2_sound,
                                                .frequency = token::com2_frequency,
                                                .decoder = com_whole_mhz,
                                                .upper_mhz = kComUpperMhz,
                                                .lower_mhz = kComLowerMhz,
                                                .whole_up = event::com2_whole_up,
                                                .whole_down = event::com2_whole_down,
                                                .fraction_up = event::com2_fraction_up,
                                                .fraction_down = event::com2_fraction_down,
                                                .off_sends_event = true};
CalibrationPoint tervalin_com2_fraction_table[] = {{.x = 35, .y = 66, .value = 0}, {.x = 35, .y = 166, .value = 50}};
CalibrationPoint tervalin_com2_whole_table[] = {{.x = 35, .y = 66, .value = 118}, {.x = 35, .y = 166, .value = 122}};
constexpr SmallHeadFace tervalin_com2_face = {.gauge = &tervalin_com2_gauge,
                                              .binding = &tervalin_com2_binding,
                                              .face = 1330,
                                              .fraction_table = tervalin_com2_fraction_table,
                                              .whole_table = tervalin_com2_whole_table,
                                              .gauge_help = 42755,
                                              .window_help = 42771,
                                              .knob_help = 42770};
using TervalinCom2 = SmallHead<com_layout, tervalin_com2_face>;

}  // namespace
}  // namespace tervalin

Gauge tervalin_com1_gauge = {.version = kGaugeHeaderVersion,
                             .name = "Tervalin_COM1",
                             .elements = tervalin::com1_chain.root(),
                             .width_mm = 100,
                             .mouse_areas = tervalin::com1_mouse_areas,
                             .callback = tervalin::radio_gauge_callback<tervalin::tervalin_com1_binding>};

Gauge brinvale_com1_gauge = {.version = kGaugeHeaderVersion,
                             .name = "Brinvale_COM1",
                             .elements = tervalin::BrinvaleCom1::chain.root(),
                             .width_mm = 100,
                             .mouse_areas = tervalin::BrinvaleCom1::mouse_areas,
                             .callback = tervalin::radio_gauge_callback<tervalin::brinvale_com1_binding>};

Gauge tervalin_com2_gauge = {.version = kGaugeHeaderVersion,
                             .name = "Tervalin_COM2",
                             .elements = tervalin::TervalinCom2::chain.root(),
                             .width_mm = 100,
                             .mouse_areas = tervalin::TervalinCom2::mouse_areas,
                             .callback = tervalin::radio_gauge_callback<tervalin::tervalin_com2_binding>};
