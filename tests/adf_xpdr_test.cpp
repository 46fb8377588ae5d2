// The ADF and transponder heads through the built module: the digits their
// codes show, the steps each area sends within the head's limits, the tone
// events on every update, power, click sounds, and the host's digit steps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events.h"
#include "host_numbers.h"
#include "support.h"

using nlohmann::json;
constexpr auto run = test_support::probe_document;

namespace {

constexpr int kToneOff = 65836;
constexpr int kToneOn = 65841;

// Click points, centres of the heads' areas.
constexpr const char* kAdfOn = "0:200,113";
constexpr const char* kAdfOff = "0:148,125";
constexpr const char* kAdfHundredsUp = "0:127,131";
constexpr const char* kAdfHundredsDown = "0:67,131";
constexpr const char* kAdfTensUp = "0:115,131";
constexpr const char* kAdfUnitsDown = "0:91,131";
constexpr const char* kAdfTenthsUp = "0:126,83";
constexpr const char* kAdfTone = "0:182,82";
constexpr const char* kXpdrToggle = "0:42,43";
constexpr const char* kXpdrThousandsUp = "0:122,51";
constexpr const char* kXpdrUnitsDown = "0:191,83";
constexpr const char* kXpdrIdent = "0:222,45";

std::string hex(uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", code);
    return text;
}

int count(const json& doc, int id) {
    int n = 0;
    for (const json& e : doc["events"]) n += e["id"] == id;
    return n;
}

// The events other than the tone reports.
std::vector<int> steps(const json& doc) {
    std::vector<int> ids;
    for (const json& e : doc["events"])
        if (e["id"] != kToneOff && e["id"] != kToneOn) ids.push_back(e["id"].get<int>());
    return ids;
}

std::vector<std::string> adf(uint32_t main, uint32_t extended, std::vector<std::string> more = {}) {
    std::vector<std::string> args{
        "--place", "Tervalin_ADF", "--set", "16=" + hex(main), "--set", "18=" + hex(extended), "--frames", "1"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

}  // namespace

TEST(AdfHead, DigitsShowTheKilohertzOfBothCodes) {
    struct Case {
        uint32_t main, extended;
        std::vector<double> digits;  // thousands, hundreds, tens, units, tenths
    };
    for (const Case& c : {
             Case{0x0350, 0x0000, {0, 3, 5, 0, 0}},
             Case{0x0234, 0x0105, {1, 2, 3, 4, 5}},
             Case{0x0234, 0x0005, {0, 2, 3, 4, 5}},
             Case{0x0999, 0x0109, {1, 9, 9, 9, 9}},
         }) {
        const json doc = run(adf(c.main, c.extended));
        const json& e = doc["instances"][0]["elements"];
        const std::vector<double> shown = {e[6]["value"].get<double>(),
                                           e[5]["y"].get<double>(),
                                           e[4]["y"].get<double>(),
                                           e[3]["y"].get<double>(),
                                           e[1]["y"].get<double>()};
        EXPECT_EQ(shown, c.digits) << hex(c.main) << " " << hex(c.extended);
        EXPECT_EQ(e[6]["image"], int(c.digits[0]));
    }
}

TEST(AdfHead, HundredsStepsStopAt1599And200) {
    struct Case {
        uint32_t main, extended;
        const char* area;
        std::vector<int> sent;
    };
    for (const Case& c : {
             Case{0x599, 0x100, kAdfHundredsUp, {event::adf_hundreds_up}},      // 1599
             Case{0x600, 0x100, kAdfHundredsUp, {}},                            // 1600
             Case{0x999, 0x100, kAdfHundredsUp, {}},                            // 1999
             Case{0x950, 0x000, kAdfHundredsUp, {event::adf_hundreds_up}},      // 950
             Case{0x200, 0x000, kAdfHundredsDown, {event::adf_hundreds_down}},  // 200
             Case{0x199, 0x000, kAdfHundredsDown, {}},                          // 199
             Case{0x050, 0x100, kAdfHundredsDown, {event::adf_hundreds_down}},  // 1050
             Case{0x199, 0x000, kAdfTensUp, {event::adf_tens_up}},              // no limits
             Case{0x000, 0x100, kAdfUnitsDown, {event::adf_units_down}},
             Case{0x000, 0x100, kAdfTenthsUp, {event::adf_tenths_up}},
         }) {
        const json doc =
            run(adf(c.main, c.extended, {"--no-effects", "--click", kAdfOn, "--frames", "1", "--click", c.area}));
        EXPECT_EQ(steps(doc), c.sent) << hex(c.main) << " " << hex(c.extended) << " at " << c.area;
    }
}

TEST(AdfHead, StepsNeedPower) {
    for (const char* area : {kAdfHundredsUp, kAdfHundredsDown, kAdfTensUp, kAdfUnitsDown, kAdfTenthsUp}) {
        const json doc = run(adf(0x500, 0, {"--click", area}));
        EXPECT_EQ(steps(doc), std::vector<int>{}) << area;
    }
}

TEST(AdfHead, ToneEventsFollowTheSwitchAndThePower) {
    // Installed off with the tone off: every update reports the tone off.
    json doc = run(adf(0x350, 0));
    EXPECT_GE(count(doc, kToneOff), 1);
    EXPECT_EQ(count(doc, kToneOn), 0);

    // The tone switched on while the head is off: the picture flips and
    // clicks, but the host still hears the tone off.
    doc = run(adf(0x350, 0, {"--click", kAdfTone, "--frames", "1"}));
    const json& e = doc["instances"][0]["elements"];
    EXPECT_EQ(e[10]["image"], 1);
    EXPECT_EQ(count(doc, kToneOn), 0);
    ASSERT_EQ(doc["sounds"].size(), 1u);
    EXPECT_EQ(doc["sounds"][0]["wave"], 10);

    // Switched on, each update reports the tone on, from both pictures.
    const size_t before =
        run(adf(0x350, 0, {"--click", kAdfTone, "--click", kAdfOn, "--frames", "1"}))["events"].size();
    doc = run(adf(0x350, 0, {"--click", kAdfTone, "--click", kAdfOn, "--frames", "2"}));
    EXPECT_EQ(doc["events"].size() - before, 2u);
    EXPECT_EQ(doc["events"].back()["id"], kToneOn);
    EXPECT_EQ(doc["instances"][0]["elements"][12]["image"], 1);  // the selector at ADF

    // And off again: the selector shows OFF and the tone is reported off.
    doc = run(adf(0x350, 0, {"--click", kAdfTone, "--click", kAdfOn, "--click", kAdfOff, "--frames", "1"}));
    EXPECT_EQ(doc["instances"][0]["elements"][12]["image"], 0);
    EXPECT_EQ(doc["events"].back()["id"], kToneOff);
}

TEST(XpdrHead, DrumsShowTheCode) {
    struct Case {
        uint32_t code;
        std::vector<double> digits;  // thousands, hundreds, tens, units
    };
    for (const Case& c : {Case{0x1200, {1, 2, 0, 0}}, Case{0x7777, {7, 7, 7, 7}}, Case{0x0000, {0, 0, 0, 0}}}) {
        const json doc = run({"--place", "Tervalin_XPDR", "--set", "38=" + hex(c.code)});
        const json& e = doc["instances"][0]["elements"];
        const std::vector<double> shown = {
            e[4]["y"].get<double>(), e[3]["y"].get<double>(), e[2]["y"].get<double>(), e[1]["y"].get<double>()};
        EXPECT_EQ(shown, c.digits) << hex(c.code);
    }
}

TEST(XpdrHead, ToggleStepsAndIdent) {
    const std::vector<std::string> place{"--place", "Tervalin_XPDR", "--set", "38=0x1200", "--no-effects"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = place;
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    };
    // Off after install: steps and IDENT send nothing, the lamp is dark.
    json doc = with({"--click", kXpdrThousandsUp, "--click", kXpdrIdent});
    EXPECT_TRUE(doc["events"].empty());
    EXPECT_TRUE(doc["instances"][0]["elements"][6]["image"].is_null());
    EXPECT_EQ(doc["instances"][0]["elements"][7]["image"], 0);

    // One click switches it on with a click; steps send their events.
    doc = with({"--click", kXpdrToggle, "--click", kXpdrThousandsUp, "--click", kXpdrUnitsDown, "--click", kXpdrIdent});
    EXPECT_EQ(steps(doc), (std::vector<int>{event::transponder_thousands_up, event::transponder_units_down}));
    EXPECT_EQ(doc["sounds"].size(), 1u);
    EXPECT_EQ(doc["instances"][0]["elements"][6]["image"], 0);
    EXPECT_EQ(doc["instances"][0]["elements"][7]["image"], 1);

    // The next click switches it off again, and clicks again.
    doc = with({"--click", kXpdrToggle, "--click", kXpdrToggle, "--click", kXpdrThousandsUp});
    EXPECT_TRUE(doc["events"].empty());
    EXPECT_EQ(doc["sounds"].size(), 2u);
    EXPECT_EQ(doc["instances"][0]["elements"][7]["image"], 0);
}

TEST(AdfXpdrEffects, DigitsWrapInTheirOwnRangeWithoutCarrying) {
    struct Case {
        KeyEvent event;
        uint32_t main, extended;  // ADF main and extended codes, or the transponder code in main
        uint32_t want_main, want_extended;
    };
    const auto effects = gaugehost::EventEffects::standard();
    for (const Case& c : {
             Case{event::adf_tens_up, 0x290, 0, 0x200, 0},
             Case{event::adf_units_down, 0x230, 0, 0x239, 0},
             Case{event::adf_units_up, 0x239, 0x100, 0x230, 0x100},
             Case{event::adf_hundreds_up, 0x950, 0x005, 0x050, 0x105},  // 950.5 -> 1050.5
             Case{event::adf_hundreds_up, 0x950, 0x105, 0x050, 0x005},  // 1950.5 -> 50.5
             Case{event::adf_hundreds_down, 0x050, 0x000, 0x950, 0x100},
             Case{event::adf_tenths_up, 0x350, 0x109, 0x350, 0x100},
             Case{event::adf_tenths_down, 0x350, 0x000, 0x350, 0x009},
             Case{event::transponder_thousands_up, 0x7777, 0, 0x0777, 0},
             Case{event::transponder_units_down, 0x1200, 0, 0x1207, 0},
             Case{event::transponder_tens_up, 0x1270, 0, 0x1200, 0},
             Case{event::transponder_hundreds_down, 0x1000, 0, 0x1700, 0},
         }) {
        gaugehost::VariableStore variables;
        const bool adf = c.event != event::transponder_thousands_up && c.event != event::transponder_units_down &&
                         c.event != event::transponder_tens_up && c.event != event::transponder_hundreds_down;
        const VariableToken main = adf ? token::adf_frequency : token::transponder_code;
        variables.set_code(main, c.main);
        variables.set_code(token::adf_extended_frequency, c.extended);
        EXPECT_TRUE(effects.apply(variables, c.event, 0)) << c.event;
        EXPECT_EQ(variables.code(main), c.want_main) << c.event << " " << hex(c.main);
        if (adf) {
            EXPECT_EQ(variables.code(token::adf_extended_frequency), c.want_extended) << c.event;
        }
    }
}

TEST(AdfXpdrEffects, ClicksMoveTheDrums) {
    const json doc = run({"--place",
                          "Tervalin_XPDR",
                          "--set",
                          "38=0x1200",
                          "--click",
                          kXpdrToggle,
                          "--click",
                          kXpdrThousandsUp,
                          "--frames",
                          "1"});
    EXPECT_EQ(doc["instances"][0]["elements"][4]["y"], 2);
}
