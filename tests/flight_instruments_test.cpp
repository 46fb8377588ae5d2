// The airspeed indicator, altimeter and attitude indicators through the
// built module: values per segment and drum, needle directions, flags,
// failures and the knobs' repeated key events with their host effects.
#include <gtest/gtest.h>

#include <cmath>

#include "support.h"

using nlohmann::json;
constexpr auto gauge_state = test_support::probe_document;

namespace {

json elements(const std::string& gauge, const std::vector<std::string>& actions) {
    std::vector<std::string> all{"--place", gauge};
    all.insert(all.end(), actions.begin(), actions.end());
    return gauge_state(all)["instances"][0]["elements"];
}

double number(const json& v) {
    return v.get<double>();
}

// Airspeed: chain positions (0-based) of the Mach disc and the pointer.
constexpr size_t kMachDisc = 1, kPointer = 2;

}  // namespace

TEST(Airspeed, KnotsBecomeDialUnitsSegmentBySegment) {
    struct Case {
        const char* knots;
        double dial;
    };
    const Case cases[] = {
        {"0", 0},
        {"50", 8},
        {"80", 38},
        {"100", 61},
        {"150", 118.5},
        {"200", 163.5},
        {"600", 347.5},
        {"600.5", 348.75},
        {"650", 373.5},
        {"651", 348.5},
        {"900", 348.5},
        // A negative or unreadable speed rests at the zero mark.
        {"-1", 0},
        {"-250", 0},
        {"nan", 0},
    };
    for (const Case& c : cases) {
        const json e = elements("Airspeed", {"--set", std::string("61=") + c.knots});
        EXPECT_NEAR(number(e[kPointer]["value"]), c.dial, 1e-9) << c.knots << " knots";
    }
}

TEST(Airspeed, PointerDirectionsAndStops) {
    struct Case {
        const char* knots;
        double angle;
    };
    const double stop = std::atan2(106.0 - 138, -(22.0 - 138)) * 180 / M_PI + 360;  // about 344.6
    const Case cases[] = {
        {"0", 0}, {"-20", 0}, {"100", 61}, {"200", 163.5}, {"595", stop}, {"600", stop}, {"1000", stop}};
    for (const Case& c : cases) {
        const json e = elements("Airspeed", {"--set", std::string("61=") + c.knots});
        EXPECT_NEAR(number(e[kPointer]["angle"]), c.angle, 1e-6) << c.knots << " knots";
    }
}

TEST(Airspeed, MachDiscTurnsAgainstThePointer) {
    // Mach 0.5 at 250 knots: offset 75, disc value 201 - 75. The disc is
    // updated before the pointer, so it reads the dial value of the frame
    // before: the first frame still sees the initial 0.
    json e = elements("Airspeed", {"--set", "61=250", "--set", "64=10240"});
    EXPECT_NEAR(number(e[kMachDisc]["value"]), -75, 1e-9);
    e = elements("Airspeed", {"--set", "61=250", "--set", "64=10240", "--frames", "2"});
    EXPECT_NEAR(number(e[kMachDisc]["value"]), 126, 1e-9);
    EXPECT_NEAR(number(e[kPointer]["value"]), 201, 1e-9);
    // Two instances share the dial position the pointer computed last.
    const json doc = gauge_state(
        {"--place", "Airspeed", "--place", "Airspeed", "--set", "61=150", "--set", "64=0", "--frames", "2"});
    EXPECT_NEAR(number(doc["instances"][0]["elements"][kMachDisc]["value"]), 118.5, 1e-9);
    EXPECT_NEAR(number(doc["instances"][1]["elements"][kMachDisc]["value"]), 118.5, 1e-9);
}

TEST(Airspeed, FailuresFreezeOrZeroThePointer) {
    json e = elements("Airspeed", {"--set", "61=100", "--frames", "1", "--fail", "6", "--set", "61=200"});
    EXPECT_NEAR(number(e[kPointer]["value"]), 61, 1e-9);  // frozen
    e = elements("Airspeed", {"--set", "61=200", "--fail", "3"});
    EXPECT_EQ(number(e[kPointer]["value"]), 0);
    const json doc = gauge_state({"--place", "Airspeed"});
    const json& areas = doc["instances"][0]["mouse_areas"];
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0]["help"], 43778);
    EXPECT_EQ(areas[1]["kind"], "end_parent");
}

namespace {

// Altimeter chain positions (0-based).
constexpr size_t kPressureUnits = 1, kAltitudeTens = 5, kFlag = 9, kNeedle = 10, kKnob = 12;

}  // namespace

TEST(Altimeter, AltitudeDrumsAndFlag) {
    struct Case {
        const char* feet;
        double tens, hundreds, thousands, ten_thousands;
        bool flag;
    };
    const Case cases[] = {
        {"1234.6", 30, 200, 1000, 0, true},
        {"1239.5", 35, 200, 1000, 0, true},
        {"1297", 90, 240, 1000, 0, true},
        {"9995", 90, 900, 9500, 5000, true},
        {"9999.9", 99, 998, 9990, 9900, true},
        {"10000", 0, 0, 0, 10000, false},
        {"-50", 50, 900, 9000, 90000, true},
    };
    for (const Case& c : cases) {
        const json e = elements("Altimeter", {"--set", std::string("74=") + c.feet});
        SCOPED_TRACE(c.feet);
        EXPECT_NEAR(number(e[kAltitudeTens]["y"]), c.tens, 1e-6);
        EXPECT_NEAR(number(e[kAltitudeTens + 1]["y"]), c.hundreds, 1e-6);
        EXPECT_NEAR(number(e[kAltitudeTens + 2]["y"]), c.thousands, 1e-6);
        EXPECT_NEAR(number(e[kAltitudeTens + 3]["y"]), c.ten_thousands, 1e-6);
        EXPECT_EQ(e[kFlag]["image"].is_null(), !c.flag);
    }
    // An altitude that does not compare counts as below 10000 feet.
    EXPECT_EQ(elements("Altimeter", {"--set", "74=nan"})[kFlag]["image"], 0);
}

TEST(Altimeter, DrumWindowShowsTheCellOfItsDigit) {
    // Tens drum at 30 (cells 00, 90, ..., 10, 00 of 26 px): cell 7 from the top.
    json e = elements("Altimeter", {"--set", "74=1234.6"});
    EXPECT_NEAR(number(e[kAltitudeTens]["offset"][1]), 7 * 26, 1e-6);
    EXPECT_NEAR(number(e[kAltitudeTens + 2]["offset"][1]), 9 * 36, 1e-6);  // thousands: "1"
    EXPECT_EQ(number(e[kAltitudeTens]["offset"][0]), 0);                   // the x axis never moves
}

TEST(Altimeter, PressureDrums) {
    json e = elements("Altimeter", {"--set", "75=1013.25"});
    const double expected[] = {3.25, 10, 0, 1000};
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(number(e[kPressureUnits + i]["y"]), expected[i], 1e-9) << i;
    // A quarter of the way from the 3 cell (23 px cells, 0 9 8 ... 1 0).
    EXPECT_NEAR(number(e[kPressureUnits]["offset"][1]), (10 - 3.25) / 10 * 230, 1e-9);
    e = elements("Altimeter", {"--set", "75=1019.5"});
    EXPECT_NEAR(number(e[kPressureUnits + 1]["y"]), 15, 1e-9);
    // The knob's mark points right at 1013 mb and left at 1070.
    EXPECT_NEAR(number(elements("Altimeter", {"--set", "75=1013"})[kKnob]["angle"]), 90, 1e-9);
    EXPECT_NEAR(number(elements("Altimeter", {"--set", "75=1070"})[kKnob]["angle"]), 270, 1e-9);
}

TEST(Altimeter, NeedleTurnsOncePerThousandFeet) {
    for (const char* feet : {"250", "1250"})
        EXPECT_NEAR(number(elements("Altimeter", {"--set", std::string("74=") + feet})[kNeedle]["angle"]), 90, 1e-9)
            << feet;
    EXPECT_NEAR(number(elements("Altimeter", {"--set", "74=0"})[kNeedle]["angle"]), 0, 1e-9);
    // Failures 3 and 7 freeze needle, drums and flag.
    const json e = elements("Altimeter", {"--set", "74=500", "--frames", "1", "--fail", "7", "--set", "74=12000"});
    EXPECT_NEAR(number(e[kNeedle]["angle"]), 180, 1e-9);
    EXPECT_FALSE(e[kFlag]["image"].is_null());
    EXPECT_NEAR(number(e[kAltitudeTens + 1]["y"]), 500, 1e-9);
}

TEST(Altimeter, KnobHalvesRepeatAndStepThePressureSetting) {
    json doc = gauge_state({"--place", "Altimeter", "--set", "75=1013", "--hold", "0:12,250,3"});
    ASSERT_EQ(doc["events"].size(), 4u) << doc["events"].dump();
    for (const json& event : doc["events"]) EXPECT_EQ(event["id"], 65884);
    EXPECT_NEAR(number(doc["instances"][0]["elements"][kKnob]["value"]), 1009, 1e-9);
    doc = gauge_state({"--place", "Altimeter", "--set", "75=1013", "--hold", "0:36,250,2"});
    ASSERT_EQ(doc["events"].size(), 3u);
    for (const json& event : doc["events"]) EXPECT_EQ(event["id"], 65883);
    EXPECT_NEAR(number(doc["instances"][0]["elements"][kPressureUnits]["y"]), 6, 1e-9);
}

namespace {

// ADI chain positions (0-based).
constexpr size_t kAdiBall = 1, kAdiBankPointer = 2, kAdiFlag = 4, kAdiSymbol = 5, kAdiInclinometer = 6, kAdiKnob = 8;
// Standby chain positions (0-based).
constexpr size_t kStandbyBall = 1, kStandbyDisc = 2, kStandbySymbol = 3, kStandbyFlag = 4, kStandbyKnob = 6;

json both(const std::vector<std::string>& actions) {
    std::vector<std::string> all{"--place", "ADI", "--place", "Standby_Attitude"};
    all.insert(all.end(), actions.begin(), actions.end());
    return gauge_state(all)["instances"];
}

}  // namespace

TEST(Attitude, PitchShiftsTheBallsTheStandbyStopsAtNinety) {
    struct Case {
        const char* pitch;
        double adi, standby;
    };
    const Case cases[] = {{"100", 135, 169.2}, {"-95", -128.25, -169.2}, {"45", 60.75, 84.6}, {"0", 0, 0}};
    for (const Case& c : cases) {
        const json g = both({"--set", std::string("78=") + c.pitch});
        EXPECT_NEAR(number(g[0]["elements"][kAdiBall]["shift"][1]), c.adi, 1e-9) << c.pitch;
        EXPECT_NEAR(number(g[1]["elements"][kStandbyBall]["shift"][1]), c.standby, 1e-9) << c.pitch;
        EXPECT_EQ(number(g[1]["elements"][kStandbyDisc]["shift"][1]), 0) << c.pitch;
    }
}

TEST(Attitude, BankTurnsBallsDiscAndPointer) {
    const json g = both({"--set", "80=30"});
    // A third of the way from the table's bottom point (149, 258), just
    // left of straight down, to nine o'clock.
    const double bottom = 180 - std::atan2(1.0, 101.0) * 180 / M_PI;
    EXPECT_NEAR(number(g[0]["elements"][kAdiBankPointer]["angle"]), bottom + (270 - bottom) / 3, 1e-9);
    EXPECT_NEAR(number(g[0]["elements"][kAdiBall]["angle"]), -30, 1e-9);
    EXPECT_NEAR(number(g[1]["elements"][kStandbyBall]["angle"]), -30, 1e-9);
    EXPECT_NEAR(number(g[1]["elements"][kStandbyDisc]["angle"]), -30, 1e-9);
    const json level = both({"--set", "80=-90"});
    EXPECT_NEAR(number(level[0]["elements"][kAdiBankPointer]["angle"]), 90, 1e-6);
}

TEST(Attitude, FlagsShowEitherFailureIndication) {
    struct Case {
        const char *first, *second;
        bool drawn;
    };
    const Case cases[] = {
        {"276=0", "279=0", false}, {"276=1", "279=0", true}, {"276=0", "279=1", true}, {"276=1", "279=1", true}};
    for (const Case& c : cases) {
        // The standby flag's own variable plays no part.
        const json g = both({"--set", c.first, "--set", c.second, "--set", "288=1"});
        EXPECT_EQ(g[0]["elements"][kAdiFlag]["image"].is_null(), !c.drawn) << c.first << " " << c.second;
        EXPECT_EQ(g[1]["elements"][kStandbyFlag]["image"].is_null(), !c.drawn) << c.first << " " << c.second;
    }
}

TEST(Attitude, InclinometerRunsOnAnUpwardCurve) {
    for (const char* v : {"64", "-64"}) {
        const json g = both({"--set", std::string("69=") + v});
        const json& offset = g[0]["elements"][kAdiInclinometer]["offset"];
        EXPECT_NEAR(number(offset[0]), v[0] == '-' ? -8.5 : 8.5, 1e-9) << v;
        EXPECT_NEAR(number(offset[1]), -0.25, 1e-9) << v;
    }
}

TEST(Attitude, ReferenceBarsMoveSymbolsAndKnobs) {
    json g = both({"--set", "612=100"});
    EXPECT_NEAR(number(g[0]["elements"][kAdiKnob]["angle"]), 45, 1e-6);
    EXPECT_NEAR(number(g[0]["elements"][kAdiSymbol]["offset"][1]), -14, 1e-9);
    EXPECT_NEAR(number(g[1]["elements"][kStandbySymbol]["offset"][1]), -30, 1e-9);
    EXPECT_NEAR(number(g[1]["elements"][kStandbyKnob]["angle"]), 45, 1e-6);
    g = both({"--set", "612=-100"});
    EXPECT_NEAR(number(g[1]["elements"][kStandbyKnob]["angle"]), 315, 1e-6);
    EXPECT_NEAR(number(g[0]["elements"][kAdiSymbol]["offset"][1]), 14, 1e-9);
    EXPECT_NEAR(number(g[1]["elements"][kStandbySymbol]["offset"][1]), 30, 1e-9);
}

TEST(Attitude, KnobHalvesRepeatTheirKeyEvents) {
    struct Case {
        const char* hold;
        unsigned event;
        double setting;
    };
    const Case cases[] = {
        {"0:268,274,2", 66318, 30},
        {"0:230,274,2", 66319, -30},  // ADI knob, right and left halves
        {"1:270,260,2", 66318, 30},
        {"1:230,260,2", 66319, -30},  // standby knob
    };
    for (const Case& c : cases) {
        const json doc = gauge_state({"--place", "ADI", "--place", "Standby_Attitude", "--hold", c.hold});
        ASSERT_EQ(doc["events"].size(), 3u) << c.hold;
        for (const json& event : doc["events"]) EXPECT_EQ(event["id"], c.event) << c.hold;
        // Each step moves the bars by 10 of the host's units.
        EXPECT_NEAR(number(doc["instances"][0]["elements"][kAdiSymbol]["y"]), c.setting, 1e-9) << c.hold;
    }
    // The inclinometer area only carries a tooltip.
    const json doc = gauge_state({"--place", "ADI", "--click", "0:140,278"});
    EXPECT_EQ(doc["events"].size(), 0u);
    EXPECT_EQ(doc["instances"][0]["mouse_areas"][5]["help"], 43873);
}
