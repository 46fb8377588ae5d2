// "ADI" and "Standby_Attitude": the main and standby attitude indicators.
// Both balls are sprites that the host shifts by pitch and turns by bank;
// both warning flags show the same two host failure indications.
#include "core/gauges.h"
#include "core/host.h"

namespace {

constexpr VariableToken kPitchDegrees = 78;
constexpr VariableToken kBankDegrees = 80;
constexpr VariableToken kReferenceBarsSetting = 612;
constexpr VariableToken kInclinometerBall = 69;
constexpr VariableToken kAttitudeFailureIndication = 276;
constexpr VariableToken kSecondFailureIndication = 279;
constexpr VariableToken kStandbyFlagVariable = 288;  // declared only; the flag's callback does not read it

constexpr uint32_t kFailureAttitudeIndicator = 8;
// Keys 2 and 4 are listed with action 0: they change nothing on these gauges.
constexpr uint32_t kFailureListedTwo = 2;
constexpr uint32_t kFailureListedFour = 4;

constexpr uint32_t kHelpAttitude = 43789;  // 0xAB0D
constexpr uint32_t kHelpInclinometer = 43873;  // 0xAB61
constexpr KeyEvent kReferenceBarsDown = 66319;  // 0x1030F
constexpr KeyEvent kReferenceBarsUp = 66318;  // 0x1030E

constexpr double kStandbyPitchLimit = 90;

// ---------------------------------------------------------------------------
// Value callbacks

// The ADI ball follows pitch unlimited.
double pitch_pass(Element* element) { return element_as<Sprite>(element)->y_variable.value; }

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
    {.key = kFailureListedTwo, .action = kFailureActionNone},
    {.key = kFailureListedFour, .action = kFailureActionNone},
    {},
};

// ---------------------------------------------------------------------------
// ADI

extern StaticImage adi_case;
extern Sprite adi_ball;
extern Needle adi_bank_pointer;
extern Icon adi_bank_ring;
extern Icon adi_flag;
extern Slider adi_symbol;
extern Slider adi_inclinometer;
extern StaticImage adi_front;
extern Needle adi_knob;
Element* adi_after_case[] = {&adi_ball.header, nullptr};
Element* adi_after_ball[] = {&adi_bank_pointer.header, nullptr};
Element* adi_after_bank_pointer[] = {&adi_bank_ring.header, nullptr};
Element* adi_after_bank_ring[] = {&adi_flag.header, nullptr};
Element* adi_after_flag[] = {&adi_symbol.header, nullptr};
Element* adi_after_symbol[] = {&adi_inclinometer.header, nullptr};
Element* adi_after_inclinometer[] = {&adi_front.header, nullptr};
Element* adi_after_front[] = {&adi_knob.header, nullptr};

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

Element* adi_elements[] = {&adi_case.header, nullptr};
StaticImage adi_case = {.header = {.kind = kKindStaticImage, .bitmap = 2000, .x = 0, .y = 0, .gauge = &adi_gauge,
                                   .following = adi_after_case, .image_flags = 0x4003}};

Sprite adi_ball = {.header = {.kind = kKindSprite, .bitmap = 2010, .x = 20, .y = 30, .pivot_x = 148, .pivot_y = 157,
                              .gauge = &adi_gauge, .following = adi_after_ball, .failures = attitude_failures,
                              .image_flags = 0x4083},
                   .y_variable = {.token = kPitchDegrees},
                   .y_scale = 1.35,
                   .rotation_variable = {.token = kBankDegrees},
                   .rotation_scale = -1,
                   .texture_scale_x = 0.7f,
                   .texture_scale_y = 0.45f,
                   .y_callback = pitch_pass};

Needle adi_bank_pointer = {.header = {.kind = kKindNeedle, .bitmap = 2020, .x = 148, .y = 157, .pivot_x = 0,
                                      .pivot_y = 81, .gauge = &adi_gauge, .following = adi_after_bank_pointer,
                                      .failures = attitude_failures, .image_flags = 0x4083},
                           .variable = {.token = kBankDegrees},
                           .table = adi_bank_table,
                           .table_count = 3};

Icon adi_bank_ring = {.header = {.kind = kKindIcon, .bitmap = 2030, .x = 33, .y = 42, .gauge = &adi_gauge,
                                 .following = adi_after_bank_ring, .image_flags = 0x4083},
                      .scale = 1,
                      .image_count = 1};

Icon adi_flag = {.header = {.kind = kKindIcon, .bitmap = 2040, .x = 144, .y = 57, .gauge = &adi_gauge,
                            .following = adi_after_flag, .image_flags = 0x4083},
                 .scale = 1,
                 .image_count = 1,
                 .callback = attitude_flag_value};

Slider adi_symbol = {.header = {.kind = kKindSlider, .bitmap = 2050, .x = 13, .y = 150, .gauge = &adi_gauge,
                                .following = adi_after_symbol, .image_flags = 0x3},
                     .y_variable = {.token = kReferenceBarsSetting},
                     .y_scale = -0.14};

Slider adi_inclinometer = {.header = {.kind = kKindSlider, .bitmap = 2070, .x = 142, .y = 274, .gauge = &adi_gauge,
                                      .following = adi_after_inclinometer, .image_flags = 0x4083},
                           .x_variable = {.token = kInclinometerBall},
                           .x_scale = 0.1328125,
                           .y_variable = {.token = kInclinometerBall},
                           .y_scale = -6.103515625e-05,
                           .y_callback = inclinometer_lift};

StaticImage adi_front = {.header = {.kind = kKindStaticImage, .bitmap = 2060, .x = 0, .y = 0, .gauge = &adi_gauge,
                                    .following = adi_after_front, .image_flags = 0x3}};

Needle adi_knob = {.header = {.kind = kKindNeedle, .bitmap = 2080, .x = 258, .y = 279, .pivot_x = 35, .pivot_y = 35,
                              .gauge = &adi_gauge, .image_flags = 0x3},
                   .variable = {.token = kReferenceBarsSetting},
                   .table = adi_knob_table,
                   .table_count = 2};

MouseArea adi_mouse_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kHelpAttitude},
    {.kind = kMouseParent, .x = 223, .y = 244, .width = 70, .height = 70, .cursor = kCursorNone},
    {.kind = kMouseChild, .x = 0, .y = 0, .width = 35, .height = 70, .cursor = kCursorDown,
     .click_flags = kClickLeftRepeat, .event = kReferenceBarsDown},
    {.kind = kMouseChild, .x = 35, .y = 0, .width = 35, .height = 70, .cursor = kCursorUp,
     .click_flags = kClickLeftRepeat, .event = kReferenceBarsUp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseParent, .x = 122, .y = 272, .width = 50, .height = 14, .cursor = kCursorNone,
     .help_id = kHelpInclinometer},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// Standby_Attitude

extern StaticImage standby_case;
extern Sprite standby_ball;
extern Sprite standby_bank_disc;
extern Slider standby_symbol;
extern Icon standby_flag;
extern StaticImage standby_front;
extern Needle standby_knob;
Element* standby_after_case[] = {&standby_ball.header, nullptr};
Element* standby_after_ball[] = {&standby_bank_disc.header, nullptr};
Element* standby_after_bank_disc[] = {&standby_symbol.header, nullptr};
Element* standby_after_symbol[] = {&standby_flag.header, nullptr};
Element* standby_after_flag[] = {&standby_front.header, nullptr};
Element* standby_after_front[] = {&standby_knob.header, nullptr};

// Knob: mark up at 0 and 45 degrees to either side at -100 and +100.
CalibrationPoint standby_knob_table[] = {
    {.x = 222, .y = 223, .value = -100},
    {.x = 260, .y = 223, .value = 0},
    {.x = 298, .y = 223, .value = 100},
};

Element* standby_elements[] = {&standby_case.header, nullptr};
StaticImage standby_case = {.header = {.kind = kKindStaticImage, .bitmap = 210, .x = 0, .y = 0,
                                       .gauge = &standby_attitude_gauge, .following = standby_after_case,
                                       .image_flags = 0x4003}};

Sprite standby_ball = {.header = {.kind = kKindSprite, .bitmap = 220, .x = 13, .y = 13, .pivot_x = 140,
                                  .pivot_y = 140, .gauge = &standby_attitude_gauge,
                                  .following = standby_after_ball, .failures = attitude_failures,
                                  .image_flags = 0x4083},
                       .y_variable = {.token = kPitchDegrees},
                       .y_scale = 1.88,
                       .rotation_variable = {.token = kBankDegrees},
                       .rotation_scale = -1,
                       .texture_scale_x = 1.0f,
                       .texture_scale_y = 1.0f,
                       .y_callback = pitch_clamp};

Sprite standby_bank_disc = {.header = {.kind = kKindSprite, .bitmap = 230, .x = 13, .y = 13, .pivot_x = 140,
                                       .pivot_y = 140, .gauge = &standby_attitude_gauge,
                                       .following = standby_after_bank_disc, .failures = attitude_failures,
                                       .image_flags = 0x4083},
                            .y_scale = 1,
                            .rotation_variable = {.token = kBankDegrees},
                            .rotation_scale = -1,
                            .texture_scale_x = 1.0f,
                            .texture_scale_y = 1.0f,
                            .y_callback = pitch_clamp};

Slider standby_symbol = {.header = {.kind = kKindSlider, .bitmap = 250, .x = 22, .y = 135,
                                    .gauge = &standby_attitude_gauge, .following = standby_after_symbol,
                                    .image_flags = 0x4003},
                         .y_variable = {.token = kReferenceBarsSetting},
                         .y_scale = -0.3};

Icon standby_flag = {.header = {.kind = kKindIcon, .bitmap = 240, .x = 25, .y = 67, .gauge = &standby_attitude_gauge,
                                .following = standby_after_flag, .image_flags = 0x4083},
                     .variable = {.token = kStandbyFlagVariable},
                     .scale = 1,
                     .image_count = 1,
                     .callback = attitude_flag_value};

StaticImage standby_front = {.header = {.kind = kKindStaticImage, .bitmap = 260, .x = 0, .y = 0,
                                        .gauge = &standby_attitude_gauge, .following = standby_after_front,
                                        .image_flags = 0x3}};

Needle standby_knob = {.header = {.kind = kKindNeedle, .bitmap = 270, .x = 260, .y = 261, .pivot_x = 38,
                                  .pivot_y = 38, .gauge = &standby_attitude_gauge, .failures = attitude_failures,
                                  .image_flags = 0x83},
                       .variable = {.token = kReferenceBarsSetting},
                       .table = standby_knob_table,
                       .table_count = 3};

MouseArea standby_mouse_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kHelpAttitude},
    {.kind = kMouseChild, .x = 222, .y = 223, .width = 38, .height = 76, .cursor = kCursorDown,
     .click_flags = kClickLeftRepeat, .event = kReferenceBarsDown},
    {.kind = kMouseChild, .x = 260, .y = 223, .width = 38, .height = 76, .cursor = kCursorUp,
     .click_flags = kClickLeftRepeat, .event = kReferenceBarsUp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge adi_gauge = {.version = kGaugeHeaderVersion, .name = "ADI", .elements = adi_elements, .width_mm = 100,
                   .mouse_areas = adi_mouse_areas};

Gauge standby_attitude_gauge = {.version = kGaugeHeaderVersion, .name = "Standby_Attitude",
                                .elements = standby_elements, .width_mm = 100,
                                .mouse_areas = standby_mouse_areas};
