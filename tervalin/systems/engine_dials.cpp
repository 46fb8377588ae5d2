// The engine and system dials: a face, one or two needles and a cover.
// "Engine_N1", "Fuel_Flow", "Turbine_Temp", "Hydraulic_Pressure",
// "Engine_N2" and "Voltmeter", one row per gauge in gauge-table order;
// Dial<I> builds row I's records. The per-engine dials are drawn on engine
// 1's variables and moved to the instance's engine at install.
//
// Every needle binds the same failures: 2 listed only, 20 (no power) drops
// it to 0.
#include <cstddef>
#include <utility>

#include "core/engine_index.h"
#include "core/gauges.h"
#include "host_numbers.h"
#include "records.h"

namespace {

using tervalin::engine_gauge_callback;

FailureBinding needle_failures[] = {
    {.key = failure::listed_two, .action = kFailureActionNone},
    {.key = failure::electrical, .action = kFailureActionZero},
    {},
};

// ---------------------------------------------------------------------------
// Calibration tables, in the order of the rows below.

// "Engine_N1" and "Engine_N2": fan and core speed, in percent. The fine
// needle on the upper-left sub-dial turns half a turn per 5 percent (one
// turn per 10, the units digit); the main needle puts 0 at twelve o'clock,
// 100 at nine o'clock and goes on past 100 at the same rate.
CalibrationPoint speed_fine_table[] = {
    {.x = 63, .y = 45, .value = 0},
    {.x = 63, .y = 81, .value = 5},
};
CalibrationPoint speed_main_table[] = {
    {.x = 100, .y = 20, .value = 0},
    {.x = 20, .y = 100, .value = 100},
    {.x = 30, .y = 64, .value = 110},
};

// "Fuel_Flow": litres per minute, 0 to 30 from about eight o'clock to four
// o'clock over the top; the host gives pounds per hour, 104.64888 of them
// per litre per minute. Dial readings -1, 0, 15, 30, 35 L/min; stops below
// 0 and above 30.
CalibrationPoint fuel_flow_table[] = {
    {.x = 35, .y = 139, .value = -104.64888},
    {.x = 35, .y = 139, .value = 0},
    {.x = 100, .y = 27, .value = 1569.7332},
    {.x = 167, .y = 139, .value = 3139.4664},
    {.x = 167, .y = 139, .value = 3662.7108},
};

// "Turbine_Temp": jet pipe temperature in hundreds of degrees Celsius, from
// about eight o'clock over the top to four o'clock; the host gives degrees
// Rankine. 0 C (491.67 R) at the 0 mark, 1000 C at the 10 mark, a stop from
// 1100 C.
CalibrationPoint turbine_temp_table[] = {
    {.x = 27, .y = 128, .value = 491.67},
    {.x = 175, .y = 129, .value = 2291.67},
    {.x = 157, .y = 157, .value = 2471.67},
    {.x = 157, .y = 157, .value = 2651.67},
};

// "Hydraulic_Pressure": both systems on one dial, each needle pivoting at
// its side edge and sweeping a vertical arc scale from inside, 0 to 350
// bar; the host gives pounds per square foot, 2087.91 per bar. -1 bar a
// little below the 0 mark, 0 at the bottom mark, 350 at the top; neither
// table has a stop. The left table is stored in descending order, so the
// left needle turns anticlockwise as the pressure rises.
CalibrationPoint hydraulic_right_table[] = {
    {.x = 192, .y = 236, .value = -2087.91},
    {.x = 184, .y = 227, .value = 0},
    {.x = 184, .y = 74, .value = 730768.5},
};
CalibrationPoint hydraulic_left_table[] = {
    {.x = 116, .y = 75, .value = 730768.5},
    {.x = 117, .y = 228, .value = 0},
    {.x = 107, .y = 236, .value = -2087.91},
};

// "Voltmeter": electrical bus voltage. 0 to 15 volts take the short arc at
// the bottom right (0 is the rest point), 15 to 35 the long arc over the
// left; stops below 0 and above 35.
CalibrationPoint voltmeter_table[] = {
    {.x = 209, .y = 223, .value = -1},
    {.x = 209, .y = 223, .value = 0},
    {.x = 140, .y = 250, .value = 15},
    {.x = 140, .y = 30, .value = 30},
    {.x = 207, .y = 62, .value = 35},
    {.x = 207, .y = 62, .value = 40},
};

// ---------------------------------------------------------------------------
// The family

struct DialNeedle {
    uint32_t bitmap;
    int32_t x, y;              // the pivot on the face
    int32_t pivot_x, pivot_y;  // the pivot in the needle's bitmap
    VariableToken token;
    CalibrationPoint* table;
    uint32_t table_count;
};

struct DialRow {
    Gauge* gauge;
    const char* name;
    uint32_t help;
    uint32_t face;
    DialNeedle needles[2];  // drawn in this order
    size_t needle_count;
    uint32_t cover;
    GaugeCallback callback;  // engine retargeting, or none
};

// "Engine_N1" and "Engine_N2" are the same records but for the token and
// the tooltip.
constexpr uint32_t kSpeedFace = 1000;                            // 200 x 200, black dial
constexpr uint32_t kSpeedCover = 1030;                           // 200 x 200, bezel ring
constexpr DialNeedle speed_fine_needle(VariableToken percent) {  // 27 x 4
    return {.bitmap = 1010,
            .x = 63,
            .y = 63,
            .pivot_x = 7,
            .pivot_y = 2,
            .token = percent,
            .table = speed_fine_table,
            .table_count = kit::count(speed_fine_table)};
}
constexpr DialNeedle speed_main_needle(VariableToken percent) {  // 115 x 14
    return {.bitmap = 1020,
            .x = 100,
            .y = 100,
            .pivot_x = 30,
            .pivot_y = 7,
            .token = percent,
            .table = speed_main_table,
            .table_count = kit::count(speed_main_table)};
}
// Both hydraulic needles are one bitmap, 75 x 10.
constexpr uint32_t kHydraulicNeedle = 1450;

constexpr DialRow dials[] = {
    {.gauge = &engine_n1_gauge,
     .name = "Engine_N1",
     .help = 43809,  // tooltip "N1"
     .face = kSpeedFace,
     .needles = {speed_fine_needle(token::engine1_n1), speed_main_needle(token::engine1_n1)},
     .needle_count = 2,
     .cover = kSpeedCover,
     .callback = engine_gauge_callback},
    {.gauge = &fuel_flow_gauge,
     .name = "Fuel_Flow",
     .help = 43816,  // tooltip "fuel flow"
     .face = 1410,   // 200 x 200
     .needles = {{.bitmap = 1420,
                  .x = 100,
                  .y = 100,
                  .pivot_x = 0,
                  .pivot_y = 5,  // 78 x 10
                  .token = token::engine1_fuel_flow,
                  .table = fuel_flow_table,
                  .table_count = kit::count(fuel_flow_table)}},
     .needle_count = 1,
     .cover = 1430,  // 200 x 200, bezel ring and legend
     .callback = engine_gauge_callback},
    {.gauge = &turbine_temp_gauge,
     .name = "Turbine_Temp",
     .help = 43811,  // tooltip "turbine temperature"
     .face = 470,    // 200 x 200
     .needles = {{.bitmap = 480,
                  .x = 100,
                  .y = 100,
                  .pivot_x = 34,
                  .pivot_y = 4,  // 110 x 8
                  .token = token::engine1_turbine_temperature,
                  .table = turbine_temp_table,
                  .table_count = kit::count(turbine_temp_table)}},
     .needle_count = 1,
     .cover = 490,  // 200 x 200, bezel ring
     .callback = engine_gauge_callback},
    {.gauge = &hydraulic_pressure_gauge,
     .name = "Hydraulic_Pressure",
     .help = 43916,  // "hydraulic pressure"
     .face = 1440,   // 300 x 300
     .needles = {{.bitmap = kHydraulicNeedle,
                  .x = 236,
                  .y = 150,
                  .pivot_x = 0,
                  .pivot_y = 5,  // right
                  .token = token::hydraulic2_pressure,
                  .table = hydraulic_right_table,
                  .table_count = kit::count(hydraulic_right_table)},
                 {.bitmap = kHydraulicNeedle,
                  .x = 64,
                  .y = 150,
                  .pivot_x = 0,
                  .pivot_y = 5,  // left
                  .token = token::hydraulic1_pressure,
                  .table = hydraulic_left_table,
                  .table_count = kit::count(hydraulic_left_table)}},
     .needle_count = 2,
     .cover = 1460,  // 300 x 300, bezel, side panels, pivot caps
     .callback = nullptr},
    {.gauge = &engine_n2_gauge,
     .name = "Engine_N2",
     .help = 43810,  // tooltip "N2"
     .face = kSpeedFace,
     .needles = {speed_fine_needle(token::engine1_n2), speed_main_needle(token::engine1_n2)},
     .needle_count = 2,
     .cover = kSpeedCover,
     .callback = engine_gauge_callback},
    {.gauge = &voltmeter_gauge,
     .name = "Voltmeter",
     .help = 43787,  // tooltip "voltmeter"
     .face = 4390,   // 280 x 280
     .needles = {{.bitmap = 4400,
                  .x = 140,
                  .y = 140,
                  .pivot_x = 50,
                  .pivot_y = 11,  // 163 x 22
                  .token = token::bus_voltage,
                  .table = voltmeter_table,
                  .table_count = kit::count(voltmeter_table)}},
     .needle_count = 1,
     .cover = 4410,  // 280 x 280, bezel ring
     .callback = nullptr},
};

constexpr uint32_t kWidthMm = 100;

template <size_t I>
struct Dial {
    static constexpr const DialRow& row = dials[I];

    static constexpr Needle needle(const DialNeedle& n) {
        return {.header = {.bitmap = n.bitmap,
                           .x = n.x,
                           .y = n.y,
                           .pivot_x = n.pivot_x,
                           .pivot_y = n.pivot_y,
                           .failures = needle_failures,
                           .image_flags = kDrawLitMoving},
                .variable = {.token = n.token},
                .table = n.table,
                .table_count = n.table_count};
    }
    template <size_t... N>
    static constexpr auto make_chain(std::index_sequence<N...>) {
        return kit::Chain{row.gauge,
                          StaticImage{.header = {.bitmap = row.face, .x = 0, .y = 0, .image_flags = kDrawLit}},
                          needle(row.needles[N])...,
                          StaticImage{.header = {.bitmap = row.cover, .x = 0, .y = 0, .image_flags = kDrawPlain}}};
    }

    // Face, needles, cover.
    static constinit inline auto chain = make_chain(std::make_index_sequence<row.needle_count>{});
    static constinit inline auto mouse_areas = kit::tooltip(row.help);

    static constexpr Gauge gauge() {
        return {.version = kGaugeHeaderVersion,
                .name = row.name,
                .elements = chain.root(),
                .width_mm = kWidthMm,
                .mouse_areas = mouse_areas.areas,
                .callback = row.callback};
    }
};

}  // namespace

constinit Gauge engine_n1_gauge = Dial<0>::gauge();
constinit Gauge fuel_flow_gauge = Dial<1>::gauge();
constinit Gauge turbine_temp_gauge = Dial<2>::gauge();
constinit Gauge hydraulic_pressure_gauge = Dial<3>::gauge();
constinit Gauge engine_n2_gauge = Dial<4>::gauge();
constinit Gauge voltmeter_gauge = Dial<5>::gauge();
