// "Hydraulic_Pressure": both hydraulic systems on one dial, each needle
// pivoting at its side edge and sweeping a vertical arc scale from inside,
// 0 to 350 bar; the host gives pounds per square foot, 2087.91 per bar.
// Neither table has a stop. The left table is stored in descending order,
// so the left needle turns anticlockwise as the pressure rises.
#include "core/gauges.h"

#include <iterator>

namespace {

constexpr VariableToken kSystem2Psf = 734;  // hydraulic pressure of system 2, pounds per square foot
constexpr VariableToken kSystem1Psf = 732;  // hydraulic pressure of system 1, pounds per square foot
constexpr uint32_t kHelp = 43916;           // tooltip "hydraulic pressure"

constexpr uint32_t kFace = 1440;    // 300 x 300
constexpr uint32_t kNeedle = 1450;  // 75 x 10, both needles
constexpr uint32_t kCover = 1460;   // 300 x 300, bezel, side panels, pivot caps

constexpr uint32_t kFailureListed = 2;       // bound, changes nothing
constexpr uint32_t kFailureElectrical = 20;  // no power: needles at 0

FailureBinding needle_failures[] = {
    {.key = kFailureListed, .action = kFailureActionNone},
    {.key = kFailureElectrical, .action = kFailureActionZero},
    {},
};

// -1 bar a little below the 0 mark, 0 at the bottom mark, 350 at the top.
CalibrationPoint right_table[] = {
    {.x = 192, .y = 236, .value = -2087.91},
    {.x = 184, .y = 227, .value = 0},
    {.x = 184, .y = 74, .value = 730768.5},
};

CalibrationPoint left_table[] = {
    {.x = 116, .y = 75, .value = 730768.5},
    {.x = 117, .y = 228, .value = 0},
    {.x = 107, .y = 236, .value = -2087.91},
};

extern StaticImage face;
extern Needle right_needle;
extern Needle left_needle;
extern StaticImage cover;

Element* elements[] = {&face.header, nullptr};
Element* after_face[] = {&right_needle.header, nullptr};
Element* after_right[] = {&left_needle.header, nullptr};
Element* after_left[] = {&cover.header, nullptr};

StaticImage face = {.header = {.kind = kKindStaticImage, .bitmap = kFace, .x = 0, .y = 0,
                               .gauge = &hydraulic_pressure_gauge, .following = after_face, .image_flags = 0x4003}};
Needle right_needle = {
    .header = {.kind = kKindNeedle, .bitmap = kNeedle, .x = 236, .y = 150, .pivot_x = 0, .pivot_y = 5,
               .gauge = &hydraulic_pressure_gauge, .following = after_right, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kSystem2Psf},
    .table = right_table,
    .table_count = std::size(right_table),
};
Needle left_needle = {
    .header = {.kind = kKindNeedle, .bitmap = kNeedle, .x = 64, .y = 150, .pivot_x = 0, .pivot_y = 5,
               .gauge = &hydraulic_pressure_gauge, .following = after_left, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kSystem1Psf},
    .table = left_table,
    .table_count = std::size(left_table),
};
StaticImage cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                .gauge = &hydraulic_pressure_gauge, .image_flags = 0x3}};

MouseArea areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kHelp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge hydraulic_pressure_gauge = {.version = kGaugeHeaderVersion, .name = "Hydraulic_Pressure",
                                  .elements = elements, .width_mm = 100, .mouse_areas = areas};
