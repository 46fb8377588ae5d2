// The engine and system dials through the built module: their records as
// the host sees them, the engine each placed instance reads, and where each
// needle points at the ends and stops of its scale.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "support.h"

using nlohmann::json;
constexpr auto run = test_support::probe_document;

namespace {

// Direction from a needle's pivot to a point, degrees clockwise from up.
double toward(double cx, double cy, double x, double y) {
    double a = std::atan2(x - cx, cy - y) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360.0 : a;
}

// Difference of two directions, -180 ... 180.
double turn(double from, double to) {
    return std::remainder(to - from, 360.0);
}

// The angle the host derives for needle `element` (1-based) of a gauge
// placed alone with one variable set.
double angle(const std::string& gauge, size_t element, int token, double value,
             const std::vector<std::string>& more = {}) {
    std::vector<std::string> arguments{"--place", gauge, "--set", std::to_string(token) + "=" + std::to_string(value)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    const json doc = run(arguments);
    const json& a = doc["instances"][0]["elements"][element - 1]["angle"];
    EXPECT_TRUE(a.is_number()) << gauge << " " << value;
    return a.is_number() ? a.get<double>() : NAN;
}

std::vector<int> needle_tokens(const json& instance) {
    std::vector<int> tokens;
    for (const json& e : instance["elements"])
        if (e["kind"] == "Needle") tokens.push_back(e["tokens"]["value"]);
    return tokens;
}

}  // namespace

TEST(EngineInstruments, RecordsAsTheHostSeesThem) {
    struct Case {
        std::string gauge;
        std::vector<int> bitmaps;
        std::vector<int> tokens;
        int help;
    };
    for (const Case& c : {
             Case{"Engine_N1", {1000, 1010, 1020, 1030}, {624, 624}, 43809},
             Case{"Engine_N2", {1000, 1010, 1020, 1030}, {625, 625}, 43810},
             Case{"Turbine_Temp", {470, 480, 490}, {631}, 43811},
             Case{"Fuel_Flow", {1410, 1420, 1430}, {638}, 43816},
             Case{"Hydraulic_Pressure", {1440, 1450, 1450, 1460}, {734, 732}, 43916},
             Case{"Voltmeter", {4390, 4400, 4410}, {753}, 43787},
         }) {
        const json doc = run({"--place", c.gauge});
        const json& instance = doc["instances"][0];
        const json& elements = instance["elements"];
        ASSERT_EQ(elements.size(), c.bitmaps.size()) << c.gauge;
        for (size_t k = 0; k < elements.size(); ++k) {
            EXPECT_EQ(elements[k]["bitmap"], c.bitmaps[k]) << c.gauge << " element " << k + 1;
            const bool needle = k > 0 && k + 1 < elements.size();
            EXPECT_EQ(elements[k]["kind"], needle ? "Needle" : "StaticImage") << c.gauge;
            EXPECT_EQ(elements[k]["flags"], k == 0 ? 0x4003 : needle ? 0x4083 : 0x3) << c.gauge;
        }
        EXPECT_EQ(needle_tokens(instance), c.tokens) << c.gauge;
        // One whole-gauge parent with the tooltip, nothing to click.
        const json& areas = instance["mouse_areas"];
        ASSERT_EQ(areas.size(), 3u) << c.gauge;
        EXPECT_EQ(areas[0]["kind"], "parent");
        EXPECT_EQ(areas[0]["box"], (json{0, 0, 0, 0}));
        EXPECT_EQ(areas[0]["help"], c.help) << c.gauge;
        EXPECT_EQ(areas[1]["kind"], "end_parent");
        EXPECT_EQ(areas[2]["kind"], "end");
        // The pictures are packed at their sizes.
        EXPECT_EQ(instance["size"],
                  (c.bitmaps[0] == 1440   ? json{300, 300}
                   : c.bitmaps[0] == 4390 ? json{280, 280}
                                          : json{200, 200}))
            << c.gauge;
    }
    const auto list = test_support::run_gaugehost({"list", TERVALIN_GAU});
    for (const char* gauge : {"Engine_N1", "Engine_N2", "Turbine_Temp", "Fuel_Flow", "Hydraulic_Pressure", "Voltmeter"})
        EXPECT_NE(list.out.find(std::string(gauge) + std::string(32 - std::string(gauge).size(), ' ') + "100"),
                  std::string::npos)
            << gauge << "\n"
            << list.out;
}

TEST(EngineInstruments, EachPlacedInstanceReadsTheEngineItsParametersName) {
    struct Case {
        std::string place;
        std::vector<int> tokens;
    };
    for (const Case& c : {
             Case{"Engine_N1", {624, 624}},
             Case{"Engine_N1:1", {624, 624}},
             Case{"Engine_N1:2", {643, 643}},
             Case{"Engine_N1:4", {681, 681}},
             Case{"Engine_N2:3", {663, 663}},
             Case{"Engine_N2:3 // left engine 2", {663, 663}},
             Case{"Engine_N2:#3", {625, 625}},
             Case{"Turbine_Temp:2", {650}},
             Case{"Turbine_Temp:3", {669}},
             Case{"Fuel_Flow:2", {657}},
             Case{"Fuel_Flow:4", {695}},
             Case{"Fuel_Flow:12", {638}},
             // No engine callback: the digit means nothing here.
             Case{"Hydraulic_Pressure:2", {734, 732}},
             Case{"Voltmeter:2", {753}},
         }) {
        const json doc = run({"--place", c.place});
        EXPECT_EQ(needle_tokens(doc["instances"][0]), c.tokens) << c.place;
    }

    // Two instances of one gauge on a panel read their own engines, and a
    // second install or a frame's service code moves nothing further.
    const json doc = run({"--place",
                          "Engine_N1:1",
                          "--place",
                          "Engine_N1:2",
                          "--place",
                          "Turbine_Temp:2",
                          "--service",
                          "1:2",
                          "--service",
                          "2:2",
                          "--service",
                          "1:6",
                          "--set",
                          "624=50",
                          "--set",
                          "643=100"});
    EXPECT_EQ(needle_tokens(doc["instances"][0]), (std::vector<int>{624, 624}));
    EXPECT_EQ(needle_tokens(doc["instances"][1]), (std::vector<int>{643, 643}));
    EXPECT_EQ(needle_tokens(doc["instances"][2]), (std::vector<int>{650}));
    EXPECT_NEAR(doc["instances"][0]["elements"][2]["angle"].get<double>(), 135.0, 1e-9);  // engine 1 at 50
    EXPECT_NEAR(doc["instances"][1]["elements"][2]["angle"].get<double>(), 270.0, 1e-9);  // engine 2 at 100
}

TEST(EngineInstruments, NeedleAnglesAtTheMarksStopsAndEnds) {
    struct Case {
        std::string gauge;
        size_t element;
        int token;
        double value;
        double expected;  // degrees clockwise from up
    };
    // N1/N2 pivots: fine (63, 63), main (100, 100).
    const double n1_main_110 = toward(100, 100, 30, 64);
    // Turbine, fuel flow: pivot (100, 100).
    const double tt_zero = toward(100, 100, 27, 128), tt_ten = toward(100, 100, 175, 129),
                 tt_stop = toward(100, 100, 157, 157);
    const double ff_zero = toward(100, 100, 35, 139), ff_thirty = toward(100, 100, 167, 139);
    // Hydraulic: right needle about (236, 150), left about (64, 150).
    const double hr_below = toward(236, 150, 192, 236), hr_zero = toward(236, 150, 184, 227),
                 hr_top = toward(236, 150, 184, 74);
    const double hl_top = toward(64, 150, 116, 75), hl_zero = toward(64, 150, 117, 228),
                 hl_below = toward(64, 150, 107, 236);
    // Voltmeter: pivot (140, 140).
    const double v_rest = toward(140, 140, 209, 223), v_stop = toward(140, 140, 207, 62);
    for (const Case& c : {
             Case{"Engine_N1", 2, 624, 5, 180.0},  // 5 on the sub-dial: straight down
             Case{"Engine_N1", 3, 624, 5, 13.5},   // a little clockwise of twelve
             Case{"Engine_N1", 3, 624, 100, 270.0},
             Case{"Engine_N1", 3, 624, 110, n1_main_110},
             Case{"Engine_N1", 2, 624, 10, 0.0},  // the units digit is back at 0 every 10
             Case{"Engine_N1", 2, 624, 70, 0.0},
             Case{"Engine_N1", 2, 624, 100, 0.0},
             Case{"Engine_N1", 2, 624, 47, 252.0},
             Case{"Engine_N2", 3, 625, 30, 81.0},
             Case{"Turbine_Temp", 2, 631, 491.67, tt_zero},
             Case{"Turbine_Temp", 2, 631, 2291.67, tt_ten},
             Case{"Turbine_Temp", 2, 631, 2471.67, tt_stop},
             Case{"Turbine_Temp", 2, 631, 2800, tt_stop},
             // Halfway in value is halfway along the clockwise turn of about 222 degrees.
             Case{"Turbine_Temp", 2, 631, 1391.67, tt_zero + std::fmod(tt_ten - tt_zero + 360.0, 360.0) / 2},
             Case{"Fuel_Flow", 2, 638, 0, ff_zero},
             Case{"Fuel_Flow", 2, 638, -500, ff_zero},
             Case{"Fuel_Flow", 2, 638, 1569.7332, 0.0},
             Case{"Fuel_Flow", 2, 638, 3139.4664, ff_thirty},
             Case{"Fuel_Flow", 2, 638, 5000, ff_thirty},
             Case{"Hydraulic_Pressure", 2, 734, 0, hr_zero},
             Case{"Hydraulic_Pressure", 2, 734, 730768.5, hr_top},
             Case{"Hydraulic_Pressure", 2, 734, -2087.91, hr_below},
             // No stops: beyond either end the end segment's rate goes on.
             Case{"Hydraulic_Pressure", 2, 734, -4175.82, hr_below + (hr_below - hr_zero)},
             Case{"Hydraulic_Pressure", 2, 734, 2 * 730768.5, hr_top + turn(hr_zero, hr_top)},
             Case{"Hydraulic_Pressure", 3, 732, 730768.5, hl_top},
             Case{"Hydraulic_Pressure", 3, 732, 0, hl_zero},
             Case{"Hydraulic_Pressure", 3, 732, -2087.91, hl_below},
             Case{"Hydraulic_Pressure", 3, 732, -4175.82, hl_below + (hl_below - hl_zero)},
             Case{"Hydraulic_Pressure", 3, 732, 2 * 730768.5, hl_top - turn(hl_top, hl_zero)},
             Case{"Voltmeter", 2, 753, 0, v_rest},
             Case{"Voltmeter", 2, 753, -5, v_rest},
             Case{"Voltmeter", 2, 753, 15, 180.0},
             Case{"Voltmeter", 2, 753, 28, 336.0},  // just left of twelve
             Case{"Voltmeter", 2, 753, 30, 0.0},
             Case{"Voltmeter", 2, 753, 35, v_stop},
             Case{"Voltmeter", 2, 753, 60, v_stop},
         }) {
        const double got = angle(c.gauge, c.element, c.token, c.value);
        EXPECT_NEAR(turn(c.expected, got), 0.0, 1e-6)
            << c.gauge << " needle " << c.element << " at " << c.value << ": " << got << " vs " << c.expected;
    }
    // The left hydraulic needle turns anticlockwise as pressure rises.
    EXPECT_LT(turn(angle("Hydraulic_Pressure", 3, 732, 0), angle("Hydraulic_Pressure", 3, 732, 100 * 2087.91)), 0);
    EXPECT_GT(turn(angle("Hydraulic_Pressure", 2, 734, 0), angle("Hydraulic_Pressure", 2, 734, 100 * 2087.91)), 0);
}

TEST(EngineInstruments, NoPowerZeroesEveryNeedleTheListedFailureNothing) {
    struct Case {
        std::string gauge;
        size_t element;
        int token;
        double value;
    };
    for (const Case& c : {
             Case{"Engine_N1", 3, 624, 80},
             Case{"Engine_N2", 2, 625, 43},
             Case{"Turbine_Temp", 2, 631, 1500},
             Case{"Fuel_Flow", 2, 638, 2000},
             Case{"Hydraulic_Pressure", 2, 734, 400000},
             Case{"Hydraulic_Pressure", 3, 732, 400000},
             Case{"Voltmeter", 2, 753, 28},
         }) {
        EXPECT_NEAR(
            turn(angle(c.gauge, c.element, c.token, c.value, {"--fail", "20"}), angle(c.gauge, c.element, c.token, 0)),
            0.0,
            1e-9)
            << c.gauge;
        EXPECT_NEAR(turn(angle(c.gauge, c.element, c.token, c.value, {"--fail", "2"}),
                         angle(c.gauge, c.element, c.token, c.value)),
                    0.0,
                    1e-9)
            << c.gauge;
    }
}
