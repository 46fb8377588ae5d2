// "ADI" and "Standby_Attitude": the main and standby attitude indicators.
// Both balls are sprites that the host shifts by pitch and turns by bank;
// both warning flags show the same two host failure indications.
#include "core/gauges.h"
#include "core/host.h"
#include "host_numbers.h"
#include "records.h"

namespace {

constexpr VariableToken kAttitudeFailureIndication = 276;
constexpr VariableToken kSecondFailureIndication = 279;
constexpr VariableToken kInclinometerBall = 69;
constexpr VariableToken kStandbyFlagVariable = 288;  // declared only; the flag's callback does not read it

constexpr uint32_t kFailureAttitudeIndicator = 8;
// Keys 2 and 4 are listed with action 0: they change nothing on these gauges.
constexpr uint32_t kFailureListedFour = 4;

constexpr uint32_t kHelpAttitude = 43789;      // 0xAB0D
constexpr uint32_t kHelpInclinometer = 43873;  // 0xAB61

constexpr double kStandbyPitchLimit = 90;

// ---------------------------------------------------------------------------
// Value callbacks

// The ADI ball follows pitch unlimited.
double pitch_pass(Element* element) {
    return element_as<Sprite>(element)->y_variable.value;
}

// The standby ball stops at +-90 degrees; the bank disc, which has no y
// variable, gets 0 and so never shifts.
double pitch_clamp(Element* element) {
    const double pitch = element_as<Sprite>(element)->y_variable.value;
    if (pitch > kStandbyPitchLimit) return kStandbyPitchLimit;
    if (pitch < -kStandbyPitchLimit) return -kStandbyPitchLimit;
    return pitch;
}

// The ball rises by the square of its displacement, so it runs on a
// shallow curve whose lowest point is the centre of the tube.
double inclinometer_lift(Element* element) {
    const double v = element_as<Slider>(element)->y_variable.value;
    return v * v;
}

// Drawn (image 0) while either failure indication is set, else hidden.
double attitude_flag_value(Element*) {
    const ModuleVariable second = tervalin::lookup(kSecondFailureIndication);
    const ModuleVariable attitude = tervalin::lookup(kAttitudeFailureIndication);
    return variable_code(second) != 0 || variable_code(attitude) != 0 ? 0 : -1;
}

FailureBinding attitude_failures[] = {
    {.key = kFailureAttitudeIndicator, .action = kFailureActionNone},
    {.key = failure::listed_two, .action = kFailureActionNone},
    {.key = kFailureListedFour, .action = kFailureActionNone},
    {},
};

// ---------------------------------------------------------------------------
// ADI

// Bank pointer: -90 at three o'clock, 0 at the bottom, +90 at nine o'clock.
CalibrationPoint adi_bank_table[] = {
    {.x = 250, .y = 157, .value = -90},
    {.x = 149, .y = 258, .value = 0},
    {.x = 50, .y = 157, .value = 90},
};
// Knob: mark up at 0, down at 400.
CalibrationPoint adi_knob_table[] = {
    {.x = 258, .y = 269, .value = 0},
    {.x = 258, .y = 289, .value = 400},
};

// The chain, root first: case, ball, bank pointer, bank ring, flag,
// aircraft symbol, inclinometer, front, knob.
constinit kit::Chain adi_chain{
    &adi_gauge,
    StaticImage{.header = {.bitmap = 2000, .x = 0, .y = 0, .image_flags = kDrawLit}},
    Sprite{.header = {.bitmap = 2010,
                      .x = 20,
                      .y = 30,
                      .pivot_x = 148,
                      .pivot_y = 157,
                      .failures = attitude_failures,
                      .image_flags = kDrawLitMoving},
           .y_variable = {.token = token::pitch},
           .y_scale = 1.35,
           .rotation_variable = {.token = token::bank},
           .rotation_scale = -1,
           .texture_scale_x = 0.7f,
           .texture_scale_y = 0.45f,
           .y_callback = pitch_pass},
    Needle{.header = {.bitmap = 2020,
                      .x = 148,
                      .y = 157,
                      .pivot_x = 0,
                      .pivot_y = 81,
                      .failures = attitude_failures,
                      .image_flags = kDrawLitMoving},
           .variable = {.token = token::bank},
           .table = adi_bank_table,
           .table_count = kit::count(adi_bank_table)},
    Icon{.header = {.bitmap = 2030, .x = 33, .y = 42, .image_flags = kDrawLitMoving}, .scale = 1, .image_count = 1},
    Icon{.header = {.bitmap = 2040, .x = 144, .y = 57, .image_flags = kDrawLitMoving},
         .scale = 1,
         .image_count = 1,
         .callback = attitude_flag_value},
    Slider{.header = {.bitmap = 2050, .x = 13, .y = 150, .image_flags = kDrawPlain},
           .y_variable = {.token = token::reference_bars},
           .y_scale = -0.14},
    Slider{.header = {.bitmap = 2070, .x = 142, .y = 274, .image_flags = kDrawLitMoving},
           .x_variable = {.token = kInclinometerBall},
           .x_scale = 0.1328125,
           .y_variable = {.token = kInclinometerBall},
           .y_scale = -6.103515625e-05,
           .y_callback = inclinometer_lift},
    StaticImage{.header = {.bitmap = 2060, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Needle{.header = {.bitmap = 2080, .x = 258, .y = 279, .pivot_x = 35, .pivot_y = 35, .image_flags = kDrawPlain},
           .variable = {.token = token::reference_bars},
           .table = adi_knob_table,
           .table_count = kit::count(adi_knob_table)},
};

constinit MouseArea adi_mouse_areas[] = {
    kit::parent(kHelpAttitude),
    kit::parent(0, {223, 244, 70, 70}),
    // the knob, without a tooltip of its own
    kit::child_event({0, 0, 35, 70}, kCursorDown, kClickLeftRepeat, event::reference_bars_down),
    kit::child_event({35, 0, 35, 70}, kCursorUp, kClickLeftRepeat, event::reference_bars_up),
    kit::end_parent(),
    kit::parent(kHelpInclinometer, {122, 272, 50, 14}),
    kit::end_parent(),
    kit::end_parent(),
    kit::end(),
};

// ---------------------------------------------------------------------------
// Standby_Attitude

// Knob: mark up at 0 and 45 degrees to either side at -100 and +100.
CalibrationPoint standby_knob_table[] = {
    {.x = 222, .y = 223, .value = -100},
    {.x = 260, .y = 223, .value = 0},
    {.x = 298, .y = 223, .value = 100},
};

// The chain, root first: case, ball, bank disc, aircraft symbol, flag,
// front, knob.
constinit kit::Chain standby_chain{
    &standby_attitude_gauge,
    StaticImage{.header = {.bitmap = 210, .x = 0, .y = 0, .image_flags = kDrawLit}},
    Sprite{.header = {.bitmap = 220,
                      .x = 13,
                      .y = 13,
                      .pivot_x = 140,
                      .pivot_y = 140,
                      .failures = attitude_failures,
                      .image_flags = kDrawLitMoving},
           .y_variable = {.token = token::pitch},
           .y_scale = 1.88,
           .rotation_variable = {.token = token::bank},
           .rotation_scale = -1,
           .texture_scale_x = 1.0f,
           .texture_scale_y = 1.0f,
           .y_callback = pitch_clamp},
    Sprite{.header = {.bitmap = 230,
                      .x = 13,
                      .y = 13,
                      .pivot_x = 140,
                      .pivot_y = 140,
                      .failures = attitude_failures,
                      .image_flags = kDrawLitMoving},
           .y_scale = 1,
           .rotation_variable = {.token = token::bank},
           .rotation_scale = -1,
           .texture_scale_x = 1.0f,
           .texture_scale_y = 1.0f,
           .y_callback = pitch_clamp},
    Slider{.header = {.bitmap = 250, .x = 22, .y = 135, .image_flags = kDrawLit},
           .y_variable = {.token = token::reference_bars},
           .y_scale = -0.3},
    Icon{.header = {.bitmap = 240, .x = 25, .y = 67, .image_flags = kDrawLitMoving},
         .variable = {.token = kStandbyFlagVariable},
         .scale = 1,
         .image_count = 1,
         .callback = attitude_flag_value},
    StaticImage{.header = {.bitmap = 260, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Needle{.header = {.bitmap = 270,
                      .x = 260,
                      .y = 261,
                      .pivot_x = 38,
                      .pivot_y = 38,
                      .failures = attitude_failures,
                      .image_flags = kDrawMoving},
           .variable = {.token = token::reference_bars},
           .table = standby_knob_table,
           .table_count = kit::count(standby_knob_table)},
};

constinit auto standby_mouse_areas = kit::one_group(
    kHelpAttitude, kit::child_event({222, 223, 38, 76}, kCursorDown, kClickLeftRepeat, event::reference_bars_down),
    kit::child_event({260, 223, 38, 76}, kCursorUp, kClickLeftRepeat, event::reference_bars_up));

}  // namespace

Gauge adi_gauge = {.version = kGaugeHeaderVersion,
                   .name = "ADI",
                   .elements = adi_chain.root(),
                   .width_mm = 100,
                   .mouse_areas = adi_mouse_areas};

Gauge standby_attitude_gauge = {.version = kGaugeHeaderVersion,
                                .name = "Standby_Attitude",
                                .elements = standby_chain.root(),
                                .width_mm = 100,
                                .mouse_areas = standby_mouse_areas.areas};
