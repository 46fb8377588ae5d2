// "Altimeter": a needle turning once per 1000 feet, four altitude counter
// drums with a hatched flag over the ten-thousands drum below 10000 feet,
// four pressure-setting drums in millibars and a knob whose halves step
// the setting through host key events.
#include "core/counter_drum.h"
#include "core/gauges.h"
#include "core/host.h"

namespace {

using tervalin::counter_drum_value;

constexpr VariableToken kIndicatedAltitudeFeet = 74;
constexpr VariableToken kPressureSettingMillibars = 75;

constexpr uint32_t kBackground = 280;
constexpr uint32_t kPressureStrip = 310;  // window 311
constexpr uint32_t kAltitudeTensStrip = 320;  // window 321
constexpr uint32_t kAltitudeHundredsStrip = 330;  // window 331
constexpr uint32_t kAltitudeThousandsStrip = 340;  // window 341
constexpr uint32_t kTenThousandsFlag = 350;
constexpr uint32_t kAltitudeNeedle = 290;
constexpr uint32_t kCover = 300;
constexpr uint32_t kPressureKnob = 360;

constexpr uint32_t kFailurePitotStatic = 3;
constexpr uint32_t kFailureAltimeter = 7;

constexpr uint32_t kHelpAltimeter = 43783;  // 0xAB07
constexpr uint32_t kHelpPressureKnob = 43834;  // 0xAB3A
constexpr KeyEvent kPressureSettingDown = 65884;  // 0x1015C
constexpr KeyEvent kPressureSettingUp = 65883;  // 0x1015B

constexpr double kFlagAltitudeFeet = 10000;

// The flag covers the ten-thousands drum below 10000 feet; a value that
// does not compare counts as below.
double altitude_flag_value(Element* element) {
    const double altitude = element_as<Icon>(element)->variable.value;
    return altitude >= kFlagAltitudeFeet ? -1 : 0;
}

FailureBinding altitude_failures[] = {
    {.key = kFailurePitotStatic, .action = kFailureActionFreeze},
    {.key = kFailureAltimeter, .action = kFailureActionFreeze},
    {},
};

// Needle tables: the altitude needle points up at 0 and down at 500 feet
// (one turn per 1000); the knob's mark right at 1013 mb and left at 1070.
CalibrationPoint altitude_table[] = {
    {.x = 150, .y = 100, .value = 0},
    {.x = 150, .y = 200, .value = 500},
};
CalibrationPoint knob_table[] = {
    {.x = 59, .y = 265, .value = 1013},
    {.x = 11, .y = 265, .value = 1070},
};

// The chain, root first; each element is the only follower of the one before.
extern StaticImage background;
extern MovingImage pressure_units_drum;
extern MovingImage pressure_tens_drum;
extern MovingImage pressure_hundreds_drum;
extern MovingImage pressure_thousands_drum;
extern MovingImage tens_drum;
extern MovingImage hundreds_drum;
extern MovingImage thousands_drum;
extern MovingImage ten_thousands_drum;
extern Icon flag;
extern Needle needle;
extern StaticImage cover;
extern Needle knob;
Element* after_background[] = {&pressure_units_drum.header, nullptr};
Element* after_pressure_units[] = {&pressure_tens_drum.header, nullptr};
Element* after_pressure_tens[] = {&pressure_hundreds_drum.header, nullptr};
Element* after_pressure_hundreds[] = {&pressure_thousands_drum.header, nullptr};
Element* after_pressure_thousands[] = {&tens_drum.header, nullptr};
Element* after_tens[] = {&hundreds_drum.header, nullptr};
Element* after_hundreds[] = {&thousands_drum.header, nullptr};
Element* after_thousands[] = {&ten_thousands_drum.header, nullptr};
Element* after_ten_thousands[] = {&flag.header, nullptr};
Element* after_flag[] = {&needle.header, nullptr};
Element* after_needle[] = {&cover.header, nullptr};
Element* after_cover[] = {&knob.header, nullptr};

Element* elements[] = {&background.header, nullptr};
StaticImage background = {.header = {.kind = kKindStaticImage, .bitmap = kBackground, .x = 0, .y = 0,
                                     .gauge = &altimeter_gauge, .following = after_background,
                                     .image_flags = 0x4003}};

// Drums: x minimum and maximum carry the place value and roll span of
// counter_drum_value; y runs from the period down to 0.
MovingImage pressure_units_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kPressureStrip, .x = 163, .y = 222, .gauge = &altimeter_gauge,
               .following = after_pressure_units, .image_flags = 0x4083},
    .x_min = 1, .x_max = 1,
    .y_variable = {.token = kPressureSettingMillibars}, .y_min = 10, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage pressure_tens_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kPressureStrip, .x = 150, .y = 222, .gauge = &altimeter_gauge,
               .following = after_pressure_tens, .image_flags = 0x4083},
    .x_min = 10, .x_max = 1,
    .y_variable = {.token = kPressureSettingMillibars}, .y_min = 100, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage pressure_hundreds_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kPressureStrip, .x = 137, .y = 222, .gauge = &altimeter_gauge,
               .following = after_pressure_hundreds, .image_flags = 0x4083},
    .x_min = 100, .x_max = 1,
    .y_variable = {.token = kPressureSettingMillibars}, .y_min = 1000, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage pressure_thousands_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kPressureStrip, .x = 124, .y = 222, .gauge = &altimeter_gauge,
               .following = after_pressure_thousands, .image_flags = 0x4083},
    .x_min = 1000, .x_max = 1,
    .y_variable = {.token = kPressureSettingMillibars}, .y_min = 10000, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage tens_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kAltitudeTensStrip, .x = 193, .y = 133,
               .gauge = &altimeter_gauge, .following = after_tens, .failures = altitude_failures,
               .image_flags = 0x4083},
    .x_min = 10, .x_max = 1,
    .y_variable = {.token = kIndicatedAltitudeFeet}, .y_min = 100, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage hundreds_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kAltitudeHundredsStrip, .x = 161, .y = 125,
               .gauge = &altimeter_gauge, .following = after_hundreds, .failures = altitude_failures,
               .image_flags = 0x4083},
    .x_min = 100, .x_max = 5,
    .y_variable = {.token = kIndicatedAltitudeFeet}, .y_min = 1000, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage thousands_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kAltitudeThousandsStrip, .x = 115, .y = 133,
               .gauge = &altimeter_gauge, .following = after_thousands, .failures = altitude_failures,
               .image_flags = 0x4083},
    .x_min = 1000, .x_max = 10,
    .y_variable = {.token = kIndicatedAltitudeFeet}, .y_min = 10000, .y_max = 0,
    .y_callback = counter_drum_value};

MovingImage ten_thousands_drum = {
    .header = {.kind = kKindMovingImage, .bitmap = kAltitudeThousandsStrip, .x = 80, .y = 133,
               .gauge = &altimeter_gauge, .following = after_ten_thousands, .failures = altitude_failures,
               .image_flags = 0x4083},
    .x_min = 10000, .x_max = 10,
    .y_variable = {.token = kIndicatedAltitudeFeet}, .y_min = 100000, .y_max = 0,
    .y_callback = counter_drum_value};

Icon flag = {.header = {.kind = kKindIcon, .bitmap = kTenThousandsFlag, .x = 80, .y = 133,
                        .gauge = &altimeter_gauge, .following = after_flag, .failures = altitude_failures,
                        .image_flags = 0x4083},
             .variable = {.token = kIndicatedAltitudeFeet},
             .scale = 0,
             .image_count = 1,
             .callback = altitude_flag_value};

Needle needle = {.header = {.kind = kKindNeedle, .bitmap = kAltitudeNeedle, .x = 150, .y = 150, .pivot_x = 7,
                            .pivot_y = 7, .gauge = &altimeter_gauge, .following = after_needle,
                            .failures = altitude_failures, .image_flags = 0x4083},
                 .variable = {.token = kIndicatedAltitudeFeet},
                 .table = altitude_table,
                 .table_count = 2};

StaticImage cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                .gauge = &altimeter_gauge, .following = after_cover, .image_flags = 0x3}};

Needle knob = {.header = {.kind = kKindNeedle, .bitmap = kPressureKnob, .x = 35, .y = 265, .pivot_x = 24,
                          .pivot_y = 24, .gauge = &altimeter_gauge, .image_flags = 0x83},
               .variable = {.token = kPressureSettingMillibars},
               .table = knob_table,
               .table_count = 2};

// The knob's halves: the host sends the key event itself, repeated while held.
MouseArea mouse_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone,
     .help_id = kHelpAltimeter},
    {.kind = kMouseParent, .x = 0, .y = 230, .width = 24, .height = 48, .cursor = kCursorNone,
     .help_id = kHelpPressureKnob},
    {.kind = kMouseChild, .x = 0, .y = 0, .width = 24, .height = 48, .cursor = kCursorDown,
     .click_flags = kClickLeftRepeat, .event = kPressureSettingDown},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseParent, .x = 24, .y = 230, .width = 24, .height = 48, .cursor = kCursorNone,
     .help_id = kHelpPressureKnob},
    {.kind = kMouseChild, .x = 0, .y = 0, .width = 24, .height = 48, .cursor = kCursorUp,
     .click_flags = kClickLeftRepeat, .event = kPressureSettingUp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge altimeter_gauge = {.version = kGaugeHeaderVersion, .name = "Altimeter", .elements = elements,
                         .width_mm = 100, .mouse_areas = mouse_areas};
