// "Fuel_Flow": fuel flow of one engine in litres per minute, 0 to 30 from
// about eight o'clock to four o'clock over the top; the host gives pounds
// per hour, 104.64888 of them per litre per minute. Drawn on engine 1,
// moved to the instance's engine at install.
#include "core/engine_index.h"
#include "core/gauges.h"

#include <iterator>

namespace {

using tervalin::engine_gauge_callback;

constexpr VariableToken kFuelFlowPph = 638;  // fuel flow of engine 1, pounds per hour
constexpr uint32_t kHelp = 43816;            // tooltip "fuel flow"

constexpr uint32_t kFace = 1410;    // 200 x 200
constexpr uint32_t kNeedle = 1420;  // 78 x 10
constexpr uint32_t kCover = 1430;   // 200 x 200, bezel ring and legend

constexpr uint32_t kFailureListed = 2;       // bound, changes nothing
constexpr uint32_t kFailureElectrical = 20;  // no power: needle at 0

FailureBinding needle_failures[] = {
    {.key = kFailureListed, .action = kFailureActionNone},
    {.key = kFailureElectrical, .action = kFailureActionZero},
    {},
};

// Dial readings -1, 0, 15, 30, 35 L/min; stops below 0 and above 30.
CalibrationPoint needle_table[] = {
    {.x = 35, .y = 139, .value = -104.64888},
    {.x = 35, .y = 139, .value = 0},
    {.x = 100, .y = 27, .value = 1569.7332},
    {.x = 167, .y = 139, .value = 3139.4664},
    {.x = 167, .y = 139, .value = 3662.7108},
};

extern StaticImage face;
extern Needle needle;
extern StaticImage cover;

Element* elements[] = {&face.header, nullptr};
Element* after_face[] = {&needle.header, nullptr};
Element* after_needle[] = {&cover.header, nullptr};

StaticImage face = {.header = {.kind = kKindStaticImage, .bitmap = kFace, .x = 0, .y = 0,
                               .gauge = &fuel_flow_gauge, .following = after_face, .image_flags = 0x4003}};
Needle needle = {
    .header = {.kind = kKindNeedle, .bitmap = kNeedle, .x = 100, .y = 100, .pivot_x = 0, .pivot_y = 5,
               .gauge = &fuel_flow_gauge, .following = after_needle, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kFuelFlowPph},
    .table = needle_table,
    .table_count = std::size(needle_table),
};
StaticImage cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                .gauge = &fuel_flow_gauge, .image_flags = 0x3}};

MouseArea areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kHelp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge fuel_flow_gauge = {.version = kGaugeHeaderVersion, .name = "Fuel_Flow", .elements = elements,
                         .width_mm = 100, .mouse_areas = areas, .callback = engine_gauge_callback};
