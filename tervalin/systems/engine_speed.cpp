// "Engine_N1" and "Engine_N2": fan and core speed of one engine, in percent,
// on one face: a main needle three quarters round the dial and a fine needle
// on the upper-left sub-dial reading the units digit. Both are the same
// records but for the token and the tooltip, drawn on engine 1 and moved to
// the instance's engine at install.
#include "core/engine_index.h"
#include "core/gauges.h"

#include <iterator>

namespace {

using tervalin::engine_gauge_callback;

constexpr VariableToken kN1Percent = 624;  // N1 of engine 1, percent
constexpr VariableToken kN2Percent = 625;  // N2 of engine 1, percent
constexpr uint32_t kN1Help = 43809;        // tooltip "N1"
constexpr uint32_t kN2Help = 43810;        // tooltip "N2"

constexpr uint32_t kFace = 1000;        // 200 x 200, black dial
constexpr uint32_t kFineNeedle = 1010;  // 27 x 4
constexpr uint32_t kMainNeedle = 1020;  // 115 x 14
constexpr uint32_t kCover = 1030;       // 200 x 200, bezel ring

constexpr uint32_t kFailureListed = 2;      // bound, changes nothing
constexpr uint32_t kFailureElectrical = 20;  // no power: needles at 0

FailureBinding needle_failures[] = {
    {.key = kFailureListed, .action = kFailureActionNone},
    {.key = kFailureElectrical, .action = kFailureActionZero},
    {},
};

// Half a turn per 5 percent: one turn per 10, the units digit.
CalibrationPoint fine_table[] = {
    {.x = 63, .y = 45, .value = 0},
    {.x = 63, .y = 81, .value = 5},
};

// 0 at twelve o'clock, 100 at nine o'clock, on past 100 at the same rate.
CalibrationPoint main_table[] = {
    {.x = 100, .y = 20, .value = 0},
    {.x = 20, .y = 100, .value = 100},
    {.x = 30, .y = 64, .value = 110},
};

// ---------------------------------------------------------------------------
// Engine_N1

extern StaticImage n1_face;
extern Needle n1_fine_needle;
extern Needle n1_main_needle;
extern StaticImage n1_cover;

Element* n1_elements[] = {&n1_face.header, nullptr};
Element* n1_after_face[] = {&n1_fine_needle.header, nullptr};
Element* n1_after_fine[] = {&n1_main_needle.header, nullptr};
Element* n1_after_main[] = {&n1_cover.header, nullptr};

StaticImage n1_face = {.header = {.kind = kKindStaticImage, .bitmap = kFace, .x = 0, .y = 0,
                                  .gauge = &engine_n1_gauge, .following = n1_after_face, .image_flags = 0x4003}};
Needle n1_fine_needle = {
    .header = {.kind = kKindNeedle, .bitmap = kFineNeedle, .x = 63, .y = 63, .pivot_x = 7, .pivot_y = 2,
               .gauge = &engine_n1_gauge, .following = n1_after_fine, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kN1Percent},
    .table = fine_table,
    .table_count = std::size(fine_table),
};
Needle n1_main_needle = {
    .header = {.kind = kKindNeedle, .bitmap = kMainNeedle, .x = 100, .y = 100, .pivot_x = 30, .pivot_y = 7,
               .gauge = &engine_n1_gauge, .following = n1_after_main, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kN1Percent},
    .table = main_table,
    .table_count = std::size(main_table),
};
StaticImage n1_cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                   .gauge = &engine_n1_gauge, .image_flags = 0x3}};

MouseArea n1_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kN1Help},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// Engine_N2

extern StaticImage n2_face;
extern Needle n2_fine_needle;
extern Needle n2_main_needle;
extern StaticImage n2_cover;

Element* n2_elements[] = {&n2_face.header, nullptr};
Element* n2_after_face[] = {&n2_fine_needle.header, nullptr};
Element* n2_after_fine[] = {&n2_main_needle.header, nullptr};
Element* n2_after_main[] = {&n2_cover.header, nullptr};

StaticImage n2_face = {.header = {.kind = kKindStaticImage, .bitmap = kFace, .x = 0, .y = 0,
                                  .gauge = &engine_n2_gauge, .following = n2_after_face, .image_flags = 0x4003}};
Needle n2_fine_needle = {
    .header = {.kind = kKindNeedle, .bitmap = kFineNeedle, .x = 63, .y = 63, .pivot_x = 7, .pivot_y = 2,
               .gauge = &engine_n2_gauge, .following = n2_after_fine, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kN2Percent},
    .table = fine_table,
    .table_count = std::size(fine_table),
};
Needle n2_main_needle = {
    .header = {.kind = kKindNeedle, .bitmap = kMainNeedle, .x = 100, .y = 100, .pivot_x = 30, .pivot_y = 7,
               .gauge = &engine_n2_gauge, .following = n2_after_main, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kN2Percent},
    .table = main_table,
    .table_count = std::size(main_table),
};
StaticImage n2_cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                   .gauge = &engine_n2_gauge, .image_flags = 0x3}};

MouseArea n2_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kN2Help},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge engine_n1_gauge = {.version = kGaugeHeaderVersion, .name = "Engine_N1", .elements = n1_elements,
                         .width_mm = 100, .mouse_areas = n1_areas, .callback = engine_gauge_callback};
Gauge engine_n2_gauge = {.version = kGaugeHeaderVersion, .name = "Engine_N2", .elements = n2_elements,
                         .width_mm = 100, .mouse_areas = n2_areas, .callback = engine_gauge_callback};
