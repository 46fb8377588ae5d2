// "Voltmeter": electrical bus voltage. 0 to 15 volts take the short arc at
// the bottom right (0 is the rest point), 15 to 35 the long arc over the
// left; stops below 0 and above 35.
#include "core/gauges.h"

#include <iterator>

namespace {

constexpr VariableToken kBusVolts = 753;  // electrical bus voltage, volts
constexpr uint32_t kHelp = 43787;         // tooltip "voltmeter"

constexpr uint32_t kFace = 4390;    // 280 x 280
constexpr uint32_t kNeedle = 4400;  // 163 x 22
constexpr uint32_t kCover = 4410;   // 280 x 280, bezel ring

constexpr uint32_t kFailureListed = 2;       // bound, changes nothing
constexpr uint32_t kFailureElectrical = 20;  // no power: needle at 0

FailureBinding needle_failures[] = {
    {.key = kFailureListed, .action = kFailureActionNone},
    {.key = kFailureElectrical, .action = kFailureActionZero},
    {},
};

CalibrationPoint needle_table[] = {
    {.x = 209, .y = 223, .value = -1},
    {.x = 209, .y = 223, .value = 0},
    {.x = 140, .y = 250, .value = 15},
    {.x = 140, .y = 30, .value = 30},
    {.x = 207, .y = 62, .value = 35},
    {.x = 207, .y = 62, .value = 40},
};

extern StaticImage face;
extern Needle needle;
extern StaticImage cover;

Element* elements[] = {&face.header, nullptr};
Element* after_face[] = {&needle.header, nullptr};
Element* after_needle[] = {&cover.header, nullptr};

StaticImage face = {.header = {.kind = kKindStaticImage, .bitmap = kFace, .x = 0, .y = 0,
                               .gauge = &voltmeter_gauge, .following = after_face, .image_flags = 0x4003}};
Needle needle = {
    .header = {.kind = kKindNeedle, .bitmap = kNeedle, .x = 140, .y = 140, .pivot_x = 50, .pivot_y = 11,
               .gauge = &voltmeter_gauge, .following = after_needle, .failures = needle_failures,
               .image_flags = 0x4083},
    .variable = {.token = kBusVolts},
    .table = needle_table,
    .table_count = std::size(needle_table),
};
StaticImage cover = {.header = {.kind = kKindStaticImage, .bitmap = kCover, .x = 0, .y = 0,
                                .gauge = &voltmeter_gauge, .image_flags = 0x3}};

MouseArea areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kHelp},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge voltmeter_gauge = {.version = kGaugeHeaderVersion, .name = "Voltmeter", .elements = elements,
                         .width_mm = 100, .mouse_areas = areas};
