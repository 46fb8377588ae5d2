// "Airspeed": the combined airspeed and Mach indicator. A pointer turns over
// a non-linear knots scale; a Mach disc beneath it, seen through a window in
// the pointer's disc, turns 150 degrees per Mach less than the pointer so
// that the pointer's tip also reads the Mach number.
#include "core/gauges.h"
#include "core/host.h"
#include "host_numbers.h"
#include "records.h"

namespace {

constexpr uint32_t kFace = 1340;
constexpr uint32_t kMachDisc = 1360;
constexpr uint32_t kPointer = 1350;
constexpr uint32_t kBezel = 1370;

constexpr uint32_t kHelpAirspeed = 43778;  // 0xAB02

constexpr uint32_t kFailureAirspeedIndicator = 6;

// Knots to dial units: (v - x0) * span / (x1 - x0) + y0 in the segment
// holding v. Lower bounds are exclusive and upper bounds inclusive, except
// 0, which belongs to the first segment; the last segment has no upper bound.
struct AirspeedSegment {
    double x0, x1, y0, span;
};
constexpr AirspeedSegment airspeed_segments[] = {
    {.x0 = 0, .x1 = 50, .y0 = 0, .span = 8},
    {.x0 = 50, .x1 = 80, .y0 = 8, .span = 30},
    {.x0 = 80, .x1 = 150, .y0 = 38, .span = 80.5},
    {.x0 = 150, .x1 = 200, .y0 = 118.5, .span = 45},
    {.x0 = 200, .x1 = 250, .y0 = 163.5, .span = 37.5},
    {.x0 = 250, .x1 = 300, .y0 = 201, .span = 30},
    {.x0 = 300, .x1 = 400, .y0 = 231, .span = 50},
    {.x0 = 400, .x1 = 550, .y0 = 281, .span = 52.5},
    {.x0 = 550, .x1 = 600, .y0 = 333.5, .span = 14},
    {.x0 = 600, .x1 = 650, .y0 = 348.5, .span = 25},
    {.x0 = 650, .x1 = 651, .y0 = 348.5, .span = 0},
};
constexpr size_t kSegmentCount = sizeof airspeed_segments / sizeof airspeed_segments[0];

// 0.1 / 2048 Mach per unit of the host's Mach variable, 150 dial units per Mach.
constexpr double kMachPerUnit = 0.1 / 2048;
constexpr double kDialUnitsPerMach = 150;

// The dial value most recently computed by the pointer; the Mach disc
// turns relative to it. Shared by every instance, never reset.
double airspeed_dial_position = 0;

double airspeed_needle_value(Element* element) {
    const double v = element_as<Needle>(element)->variable.value;
    // A negative or unreadable speed belongs to no segment; it rests at the
    // zero mark instead of dividing 0 by 0.
    double dial = 0;
    for (size_t i = 0; i < kSegmentCount; ++i) {
        const AirspeedSegment& s = airspeed_segments[i];
        const bool above_lower = i == 0 ? v >= s.x0 : v > s.x0;
        const bool below_upper = i + 1 == kSegmentCount || v <= s.x1;
        if (above_lower && below_upper) {
            dial = (v - s.x0) * s.span / (s.x1 - s.x0) + s.y0;
            break;
        }
    }
    airspeed_dial_position = dial;
    return dial;
}

double mach_disc_value(Element* element) {
    const double m = element_as<Needle>(element)->variable.value;
    const double offset = m * kMachPerUnit * kDialUnitsPerMach;
    return airspeed_dial_position - offset;
}

// Both needles turn about the dial centre by the same table; the repeated
// end points are the pointer's stops.
CalibrationPoint airspeed_table[] = {
    {.x = 138, .y = 20, .value = -1},
    {.x = 138, .y = 20, .value = 0},
    {.x = 138, .y = 250, .value = 180},
    {.x = 106, .y = 22, .value = 345},
    {.x = 106, .y = 22, .value = 360},
};

FailureBinding pointer_failures[] = {
    {.key = kFailureAirspeedIndicator, .action = kFailureActionFreeze},
    {.key = failure::pitot_static, .action = kFailureActionZero},
    {},
};

// The chain, root first: face, Mach disc, pointer, bezel.
constinit kit::Chain chain{
    &airspeed_gauge,
    StaticImage{.header = {.bitmap = kFace, .x = 0, .y = 0, .image_flags = kDrawLit}},
    Needle{.header =
               {.bitmap = kMachDisc, .x = 138, .y = 138, .pivot_x = 90, .pivot_y = 90, .image_flags = kDrawLitMoving},
           .variable = {.token = token::mach},
           .table = airspeed_table,
           .table_count = kit::count(airspeed_table),
           .callback = mach_disc_value},
    Needle{.header = {.bitmap = kPointer,
                      .x = 138,
                      .y = 138,
                      .pivot_x = 87,
                      .pivot_y = 87,
                      .failures = pointer_failures,
                      .image_flags = kDrawLitMoving},
           .variable = {.token = token::indicated_airspeed},
           .table = airspeed_table,
           .table_count = kit::count(airspeed_table),
           .callback = airspeed_needle_value},
    StaticImage{.header = {.bitmap = kBezel, .x = 0, .y = 0, .image_flags = kDrawPlain}},
};

constinit auto mouse_areas = kit::tooltip(kHelpAirspeed);

}  // namespace

Gauge airspeed_gauge = {.version = kGaugeHeaderVersion,
                        .name = "Airspeed",
                        .elements = chain.root(),
                        .width_mm = 100,
                        .mouse_areas = mouse_areas.areas};
