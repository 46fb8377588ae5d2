// "Altimeter": a needle turning once per 1000 feet, four altitude counter
// drums with a hatched flag over the ten-thousands drum below 10000 feet,
// four pressure-setting drums in millibars and a knob whose halves step
// the setting through host key events.
#include "core/counter_drum.h"
#include "core/gauges.h"
#include "core/host.h"
#include "host_numbers.h"
#include "records.h"

namespace {

using tervalin::counter_drum_value;

constexpr uint32_t kBackground = 280;
constexpr uint32_t kPressureStrip = 310;           // window 311
constexpr uint32_t kAltitudeTensStrip = 320;       // window 321
constexpr uint32_t kAltitudeHundredsStrip = 330;   // window 331
constexpr uint32_t kAltitudeThousandsStrip = 340;  // window 341
constexpr uint32_t kTenThousandsFlag = 350;
constexpr uint32_t kAltitudeNeedle = 290;
constexpr uint32_t kCover = 300;
constexpr uint32_t kPressureKnob = 360;

constexpr uint32_t kFailureAltimeter = 7;

constexpr uint32_t kHelpAltimeter = 43783;     // 0xAB07
constexpr uint32_t kHelpPressureKnob = 43834;  // 0xAB3A

constexpr double kFlagAltitudeFeet = 10000;

// The flag covers the ten-thousands drum below 10000 feet; a value that
// does not compare counts as below.
double altitude_flag_value(Element* element) {
    const double altitude = element_as<Icon>(element)->variable.value;
    return altitude >= kFlagAltitudeFeet ? -1 : 0;
}

FailureBinding altitude_failures[] = {
    {.key = failure::pitot_static, .action = kFailureActionFreeze},
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

// The chain, root first: background, pressure units, tens, hundreds and
// thousands drums, altitude tens, hundreds, thousands and ten-thousands
// drums, flag, needle, cover, knob.
constinit kit::Chain chain{
    &altimeter_gauge,
    StaticImage{.header = {.bitmap = kBackground, .x = 0, .y = 0, .image_flags = kDrawLit}},

    // Drums: x minimum and maximum carry the place value and roll span of
    // counter_drum_value; y runs from the period down to 0.
    MovingImage{.header = {.bitmap = kPressureStrip, .x = 163, .y = 222, .image_flags = kDrawLitMoving},
                .x_min = 1,
                .x_max = 1,
                .y_variable = {.token = token::pressure_setting},
                .y_min = 10,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kPressureStrip, .x = 150, .y = 222, .image_flags = kDrawLitMoving},
                .x_min = 10,
                .x_max = 1,
                .y_variable = {.token = token::pressure_setting},
                .y_min = 100,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kPressureStrip, .x = 137, .y = 222, .image_flags = kDrawLitMoving},
                .x_min = 100,
                .x_max = 1,
                .y_variable = {.token = token::pressure_setting},
                .y_min = 1000,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kPressureStrip, .x = 124, .y = 222, .image_flags = kDrawLitMoving},
                .x_min = 1000,
                .x_max = 1,
                .y_variable = {.token = token::pressure_setting},
                .y_min = 10000,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kAltitudeTensStrip,
                           .x = 193,
                           .y = 133,
                           .failures = altitude_failures,
                           .image_flags = kDrawLitMoving},
                .x_min = 10,
                .x_max = 1,
                .y_variable = {.token = token::indicated_altitude},
                .y_min = 100,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kAltitudeHundredsStrip,
                           .x = 161,
                           .y = 125,
                           .failures = altitude_failures,
                           .image_flags = kDrawLitMoving},
                .x_min = 100,
                .x_max = 5,
                .y_variable = {.token = token::indicated_altitude},
                .y_min = 1000,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kAltitudeThousandsStrip,
                           .x = 115,
                           .y = 133,
                           .failures = altitude_failures,
                           .image_flags = kDrawLitMoving},
                .x_min = 1000,
                .x_max = 10,
                .y_variable = {.token = token::indicated_altitude},
                .y_min = 10000,
                .y_max = 0,
                .y_callback = counter_drum_value},
    MovingImage{.header = {.bitmap = kAltitudeThousandsStrip,
                           .x = 80,
                           .y = 133,
                           .failures = altitude_failures,
                           .image_flags = kDrawLitMoving},
                .x_min = 10000,
                .x_max = 10,
                .y_variable = {.token = token::indicated_altitude},
                .y_min = 100000,
                .y_max = 0,
                .y_callback = counter_drum_value},

    Icon{.header = {.bitmap = kTenThousandsFlag,
                    .x = 80,
                    .y = 133,
                    .failures = altitude_failures,
                    .image_flags = kDrawLitMoving},
         .variable = {.token = token::indicated_altitude},
         .scale = 0,
         .image_count = 1,
         .callback = altitude_flag_value},
    Needle{.header = {.bitmap = kAltitudeNeedle,
                      .x = 150,
                      .y = 150,
                      .pivot_x = 7,
                      .pivot_y = 7,
                      .failures = altitude_failures,
                      .image_flags = kDrawLitMoving},
           .variable = {.token = token::indicated_altitude},
           .table = altitude_table,
           .table_count = kit::count(altitude_table)},
    StaticImage{.header = {.bitmap = kCover, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Needle{.header =
               {.bitmap = kPressureKnob, .x = 35, .y = 265, .pivot_x = 24, .pivot_y = 24, .image_flags = kDrawMoving},
           .variable = {.token = token::pressure_setting},
           .table = knob_table,
           .table_count = kit::count(knob_table)},
};

// The knob's halves: the host sends the key event itself, repeated while held.
constinit MouseArea mouse_areas[] = {
    kit::parent(kHelpAltimeter),
    kit::parent(kHelpPressureKnob, {0, 230, 24, 48}),
    kit::child_event({0, 0, 24, 48}, kCursorDown, kClickLeftRepeat, event::pressure_setting_down),
    kit::end_parent(),
    kit::parent(kHelpPressureKnob, {24, 230, 24, 48}),
    kit::child_event({0, 0, 24, 48}, kCursorUp, kClickLeftRepeat, event::pressure_setting_up),
    kit::end_parent(),
    kit::end_parent(),
    kit::end(),
};

}  // namespace

Gauge altimeter_gauge = {.version = kGaugeHeaderVersion,
                         .name = "Altimeter",
                         .elements = chain.root(),
                         .width_mm = 100,
                         .mouse_areas = mouse_areas};
