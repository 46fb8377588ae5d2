// "Turbine_Temp": jet pipe temperature of one engine, in hundreds of degrees
// Celsius on a scale from about eight o'clock over the top to four o'clock;
// the host gives degrees Rankine. Drawn on engine 1, moved to the
// instance's engine at install.
#include "core/engine_index.h"
#include "core/gauges.h"

#include <iterator>

namespace {

using tervalin::engine_gauge_callback;

constexpr VariableToken kTurbineRankine = 631;  // turbine temperature of engine 1, degrees Rankine
constexpr uint32_t kHelp = 43811;               // tooltip "turbine temperature"

constexpr uint32_t kFace = 470;    // 200 x 200
constexpr uint32_t kNeedle = 480;  // 110 x 8
constexpr uint32_t kCover = 490;   // 200 x 200, bezel ring

constexpr uint32_t kFailureListed = 2;       // bound, changes nothing
constexpr uint32_t kFailureElectrical = 20;  // no power: needle at 0

FailureBinding needle_failures[] = {
    {.key = kFailureListed, .action = kFailureActionNone},
    {.key = kFailureElectrical, .action = kFailureActionZero},
    {},
};

// 0 C (491.67 R) at the 0 mark, 1000 C at the 10 mark, a stop from 1100 C.
CalibrationPoint needle_table[] = {
    {.x = 27, .y = 128, .value = 491.67},
    {.x = 175, .y = 129, .value = 2291.67},
    {.x = 157, .y = 157, .value = 2471.67},
    {.x = 157, .y = 157, .value = 2651.67},
};

extern StaticImage face;
extern Needle needle;
extern StaticImage cover;

Element* elements[] = {&face.header, nullptr};
Element* after_face[] = {&needle.header, nullptr};
Element* after_needle[] = {&cover.header, nullptr};

StaticImage face = {.header = {.kind = kKindStaticImage, .bitmap = kFace, .x = 0, .y = 0,
                               .gauge = &turbine_temp_gauge, .following = after_face, .image_flags = 0x4003}};
Needle needle = {
    .header = {.kind = kKindNeedle, .bitmap = kNeedle, .x = 100, .y = 100, .pivot_x = 34, .pivot_y = 4,
               .gauge = &turbine_temp_gauge, .following = after_needle, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kTurbineRankine},
    .table = needle_table,
    .table_count = std::size(needle_table),
};
StaticImage cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                .gauge = &turbine_temp_gauge, .image_flags = 0x3}};

MouseArea areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kHelp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge turbine_temp_gauge = {.version = kGaugeHeaderVersion, .name = "Turbine_Temp", .elements = elements,
                            .width_mm = 100, .mouse_areas = areas, .callback = engine_gauge_callback};
