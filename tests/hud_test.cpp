// The head-up display through the built Skyra_HUD_R.gau: its module file,
// its routine slots and shared values, its readouts, tapes and markers as
// the host derives them, and its clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host.h"
#include "support.h"

namespace {

using nlohmann::json;

// Element chain positions (1-based), as the display lists them.
enum Row {
    kAirspeedTape = 2,
    kAltitudeTape = 3,
    kPitchLadder = 4,
    kHeadingTape = 5,
    kAirspeedText = 6,
    kAltitudeText = 7,
    kHeadingText = 8,
    kRadarText = 9,
    kMachText = 10,
    kLowAltitudeFlag = 11,
    kLowAltitudeText = 12,
    kVsCaret = 13,
    kBankPointer = 14,
    kVMarker = 15,
    kSpeedCaret = 16,
    kDiamond = 17,
    kGText = 18,
    kOptionalText = 19,
    kTopText118 = 20,
    kWholeText = 25,
};

constexpr uint32_t kHidden = 0x40000000;

// Runs the probe with both modules loaded and one HUD placed; returns the
// document, failing the test on an error.
json hud(std::vector<std::string> arguments, int instances = 1) {
    std::vector<std::string> all{"--module", SKYRA_HUD_GAU};
    for (int i = 0; i < instances; ++i) {
        all.push_back("--place");
        all.push_back("Skyra_HUD_R");
    }
    all.insert(all.end(), arguments.begin(), arguments.end());
    const auto result = test_support::probe(all);
    EXPECT_EQ(result.status, 0) << result.err;
    if (result.status != 0) return json::object();
    return result.json();
}

const json& element(const json& doc, int row, int instance = 0) {
    return doc["instances"][instance]["elements"][row - 1];
}

// ---------------------------------------------------------------------------
// A stand-in host that records what the module asks of it, for the calls
// that the real host makes only implicitly.

struct Recorded {
    std::vector<int32_t> lookups;
    std::vector<std::pair<int, uint32_t>> list_calls;  // stage, argument
    std::vector<Element*> roots;
    std::map<int32_t, double> values;
};
Recorded g_recorded;

int32_t record_lookup(ModuleVariable* v) {
    g_recorded.lookups.push_back(v->token);
    v->value = g_recorded.values.count(v->token) ? g_recorded.values[v->token] : 0.0;
    return 0;
}
int32_t record_event(KeyEvent, uint32_t) {
    return 0;
}
int32_t record_toggle(uint32_t) {
    return 0;
}
uint32_t record_list(int stage, Element* root, uint32_t argument) {
    g_recorded.list_calls.push_back({stage, argument});
    g_recorded.roots.push_back(root);
    return 100 + uint32_t(stage);
}

constexpr HostServices kRecordingServices = {
    .lookup_var = record_lookup,
    .trigger_key_event = record_event,
    .panel_window_toggle = record_toggle,
    .element_list_query = [](Element* r) { return record_list(0, r, 0); },
    .element_list_install = [](Element* r, uint32_t a) { return record_list(1, r, a); },
    .element_list_initialize = [](Element* r) { return record_list(2, r, 0); },
    .element_list_update = [](Element* r) { return record_list(3, r, 0); },
    .element_list_generate = [](Element* r, uint32_t a) { return record_list(4, r, a); },
    .element_list_draw = [](Element* r) { return record_list(5, r, 0); },
    .element_list_kill = [](Element* r) { return record_list(6, r, 0); },
};

}  // namespace

// ---------------------------------------------------------------------------
// The module file and its records

TEST(HudModule, LinkageGaugeAndVersionBlock) {
    gaugehost::Host host;
    host.load_module(TERVALIN_GAU);
    gaugehost::LoadedModule& module = host.load_module(SKYRA_HUD_GAU);
    const Linkage& linkage = module.linkage();
    EXPECT_EQ(linkage.module_id, 0x13u);
    EXPECT_EQ(linkage.version, 0x800u);
    EXPECT_EQ(linkage.flags, 0u);
    EXPECT_EQ(linkage.priority, 0u);
    ASSERT_NE(linkage.gauge_table[0], nullptr);
    EXPECT_EQ(linkage.gauge_table[1], nullptr);
    const Gauge& gauge = *linkage.gauge_table[0];
    EXPECT_STREQ(gauge.name, "Skyra_HUD_R");
    EXPECT_EQ(gauge.version, 800u);
    EXPECT_EQ(gauge.width_mm, 100u);
    EXPECT_EQ(gauge.height, 0u);
    EXPECT_EQ(gauge.elements[1], nullptr);  // one root
    EXPECT_NE(gauge.callback, nullptr);
    for (const void* slot : {(const void*)gauge.query,
                             (const void*)gauge.install,
                             (const void*)gauge.initialize,
                             (const void*)gauge.update,
                             (const void*)gauge.generate,
                             (const void*)gauge.draw,
                             (const void*)gauge.kill})
        EXPECT_NE(slot, nullptr);
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(module.version(),
              (Pairs{{"FileVersion", "1.0.0.0"},
                     {"ProductVersion", "1.0.0.0"},
                     {"FileDescription", "Flight Simulator 2002 Gauge"},
                     {"ProductName", "Skyra HUD"}}));
    // The two modules keep their own services slots and their own gauges.
    EXPECT_THROW(host.find_gauge("Skyra_HUD_R!Airspeed"), gaugehost::HostError);
    EXPECT_EQ(host.find_gauge("Skyra_HUD_R").first, &module);

    // Every element carries 0x83 and no failure bindings; the chain is 25 long.
    const auto elements = test_support::definition_chain(gauge);
    ASSERT_EQ(elements.size(), 25u);
    for (const Element* e : elements) {
        EXPECT_EQ(e->image_flags, 0x83u);
        EXPECT_EQ(e->failures, nullptr);
        EXPECT_EQ(e->gauge, &gauge);
    }
}

TEST(HudModule, RoutineSlotsHandTheRootToTheElementListServices) {
    gaugehost::LoadedModule module(SKYRA_HUD_GAU, &kRecordingServices);
    Gauge& gauge = *module.gauges().at(0);
    EXPECT_EQ(gauge.query(), 100u);
    EXPECT_EQ(gauge.install(7), 101u);
    EXPECT_EQ(gauge.initialize(), 102u);
    EXPECT_EQ(gauge.update(), 103u);
    EXPECT_EQ(gauge.generate(9), 104u);
    EXPECT_EQ(gauge.draw(), 105u);
    EXPECT_EQ(gauge.kill(), 106u);
    EXPECT_EQ(g_recorded.list_calls,
              (std::vector<std::pair<int, uint32_t>>{{0, 0}, {1, 7}, {2, 0}, {3, 0}, {4, 9}, {5, 0}, {6, 0}}));
    for (Element* root : g_recorded.roots) EXPECT_EQ(root, gauge.elements[0]);
    EXPECT_TRUE(g_recorded.lookups.empty());
}

TEST(HudModule, SharedValuesRefreshAtCodeSixOnlyAndServeEveryInstance) {
    gaugehost::LoadedModule module(SKYRA_HUD_GAU, &kRecordingServices);
    Gauge& definition = *module.gauges().at(0);
    Gauge first = definition, second = definition;
    const auto elements = test_support::definition_chain(definition);
    // Copies of the flag icon, as two instances would hold them.
    Icon flag_a = *element_as<Icon>(elements[kLowAltitudeFlag - 1]);
    Icon flag_b = flag_a;
    auto flag = [](Icon& icon) { return icon.callback(&icon.header); };

    // Before the first refresh every shared value is 0: h = -6 is below 0.
    EXPECT_EQ(flag(flag_a), 1.0);
    g_recorded.values = {{614, 200}, {615, 500}, {80, 40}, {78, 5}};
    for (int code : {2, 10, 12, 13, 14}) first.callback(&first, code, 0);
    EXPECT_TRUE(g_recorded.lookups.empty());
    EXPECT_EQ(flag(flag_a), 1.0);

    first.callback(&first, 6, 0);
    EXPECT_EQ(g_recorded.lookups, (std::vector<int32_t>{614, 615, 80, 78}));
    // One instance's refresh is what the other draws from.
    EXPECT_EQ(flag(flag_b), 0.0);  // h = 650.2 not below 500
    Slider diamond = *element_as<Slider>(elements[kDiamond - 1]);
    diamond.x_variable.value = 10;
    diamond.y_variable.value = 5;
    EXPECT_EQ(diamond.x_callback(&diamond.header), -20.0);  // 10 - 40, limited
    EXPECT_EQ(diamond.y_callback(&diamond.header), 0.0);

    g_recorded.values[614] = 100;  // h = 322.1
    second.callback(&second, 6, 0);
    EXPECT_EQ(flag(flag_a), 1.0);
    EXPECT_EQ(g_recorded.lookups.size(), 8u);
}

// No value can make a text callback write past the host's buffer, however
// small the buffer and whatever the value.
TEST(HudModule, TextCallbacksStayWithinTheHostsBuffer) {
    gaugehost::LoadedModule module(SKYRA_HUD_GAU, &kRecordingServices);
    const double values[] = {1e300,
                             -1e300,
                             3.4e38,
                             -3.4e38,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -1,
                             0,
                             123456789.0};
    int texts = 0;
    for (Element* e : test_support::definition_chain(*module.gauges().at(0))) {
        if (e->kind != kKindString) continue;
        ++texts;
        for (uint32_t capacity : {1u, 4u, 8u, 128u}) {
            for (double value : values) {
                StringElement copy = *element_as<StringElement>(e);
                std::vector<char> buffer(capacity + 16, '#');
                copy.text = buffer.data();
                copy.text_capacity = capacity;
                copy.variables[0].value = value;
                copy.callback(&copy.header);
                const size_t length = strnlen(buffer.data(), capacity);
                EXPECT_LT(length, capacity) << copy.font_name << " " << value;
                for (size_t i = capacity; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], '#') << value;
            }
        }
        // A null buffer is left alone.
        StringElement copy = *element_as<StringElement>(e);
        copy.text = nullptr;
        copy.text_capacity = 0;
        copy.callback(&copy.header);
    }
    EXPECT_EQ(texts, 14);
}

// ---------------------------------------------------------------------------
// Through the host: readouts, tapes, markers, clicks

TEST(HudReadouts, FormatsAndVisibility) {
    struct Case {
        int32_t token;
        std::string value;
        int row;
        std::string text;
        bool hidden;
    };
    const Case cases[] = {
        {61, "250.4", kAirspeedText, "250", false},   {61, "7", kAirspeedText, "007", false},
        {74, "1234", kAltitudeText, "01234", false},  {74, "-120", kAltitudeText, "-0120", false},
        {81, "0.6", kHeadingText, "360", false},      {81, "359.6", kHeadingText, "360", false},
        {81, "1", kHeadingText, "001", false},        {614, "0", kRadarText, "0000", false},
        {614, "915", kRadarText, "2996", false},      {614, "916", kRadarText, "2999", false},
        {614, "917", kRadarText, "3003", true},       {614, "917", kLowAltitudeText, "AL0", true},
        {614, "916", kLowAltitudeText, "AL0", false}, {615, "500", kLowAltitudeText, "AL500", false},
        {64, "16384", kMachText, "M0.80", false},     {351, "624", kGText, "1.0", false},
        {860, "-1", kOptionalText, "-1.0", true},     {860, "-0.9", kOptionalText, "-0.9", false},
        {118, "1.236", kTopText118, "1.24", false},   {138, "12.6", kWholeText, "13", false},
    };
    for (const Case& c : cases) {
        const json doc = hud({"--set", std::to_string(c.token) + "=" + c.value});
        const json& e = element(doc, c.row);
        EXPECT_EQ(e["text"], c.text) << c.token << "=" << c.value;
        EXPECT_EQ(e["hidden"], c.hidden) << c.token << "=" << c.value;
        EXPECT_EQ((e["flags"].get<uint32_t>() & kHidden) != 0, c.hidden) << c.token << "=" << c.value;
    }
    // The returned value is the formatted float: the radar height in feet, 0 at the ground.
    EXPECT_NEAR(element(hud({"--set", "614=915"}), kRadarText)["value"].get<double>(), 2996.115, 1e-3);
    EXPECT_EQ(element(hud({"--set", "614=0"}), kRadarText)["value"], 0.0);
    EXPECT_NEAR(element(hud({"--set", "64=16384"}), kMachText)["value"].get<double>(), 0.8, 1e-6);
}

TEST(HudReadouts, HiddenBitIsClearedAgainAndHugeValuesStayInTheBuffer) {
    const json doc =
        hud({"--set", "614=917", "--set", "860=-1", "--frames", "1", "--set", "614=100", "--set", "860=2"});
    EXPECT_EQ(element(doc, kRadarText)["hidden"], false);
    EXPECT_EQ(element(doc, kLowAltitudeText)["hidden"], false);
    EXPECT_EQ(element(doc, kOptionalText)["hidden"], false);
    EXPECT_EQ(element(doc, kRadarText)["flags"], 0x83);

    const json huge = hud({"--set", "74=-1e300", "--set", "61=1e300", "--set", "81=nan", "--set", "118=3e38"});
    EXPECT_EQ(element(huge, kAltitudeText)["text"], " -inf");
    EXPECT_EQ(element(huge, kAirspeedText)["text"], "inf");
    EXPECT_EQ(element(huge, kHeadingText)["text"].get<std::string>().find("nan"), 0u);
    EXPECT_EQ(element(huge, kTopText118)["text"].get<std::string>().size(), 42u);
}

TEST(HudTapes, LimitsAndStripOffsets) {
    json doc = hud({"--set", "61=1000", "--set", "74=60000", "--set", "81=90"});
    EXPECT_EQ(element(doc, kAirspeedTape)["y"], 900.0);
    EXPECT_EQ(element(doc, kAirspeedTape)["offset"], (json{0.0, 0.0}));
    EXPECT_EQ(element(doc, kAltitudeTape)["y"], 59170.0);
    EXPECT_EQ(element(doc, kAltitudeTape)["offset"], (json{0.0, 0.0}));
    EXPECT_EQ(element(doc, kHeadingTape)["x"], 90.0);
    EXPECT_NEAR(element(doc, kHeadingTape)["offset"][0].get<double>(), 90.0 / 360 * (1200 - 116), 1e-9);
    // No limit at the low end.
    doc = hud({"--set", "61=-20", "--set", "74=-700"});
    EXPECT_EQ(element(doc, kAirspeedTape)["y"], -20.0);
    EXPECT_EQ(element(doc, kAltitudeTape)["y"], -700.0);
    EXPECT_NEAR(element(doc, kAirspeedTape)["offset"][1].get<double>(), 920.0 / 900 * (2800 - 106), 1e-9);
    // The ladder moves 16 pixels a degree of pitch and turns against the bank.
    doc = hud({"--set", "78=5", "--set", "80=30"});
    EXPECT_EQ(element(doc, kPitchLadder)["shift"], (json{0.0, 80.0}));
    EXPECT_EQ(element(doc, kPitchLadder)["angle"], -30.0);
}

TEST(HudMarkers, CaretBankAndDiamondLimits) {
    struct Case {
        std::vector<std::string> sets;
        int row;
        const char* axis;
        double value;
        double offset;  // along that axis
    };
    const Case cases[] = {
        {{"65=10000"}, kVsCaret, "y", 4000, 4000 * -0.0137179487179487},
        {{"65=-10000"}, kVsCaret, "y", -4000, -4000 * -0.0137179487179487},
        {{"65=1000"}, kVsCaret, "y", 1000, 1000 * -0.0137179487179487},
        {{"794=10", "80=40"}, kDiamond, "x", -20, -20 * -3.73333333333333},
        {{"794=50"}, kDiamond, "x", 20, 20 * -3.73333333333333},
        {{"794=5", "80=2"}, kDiamond, "x", 3, 3 * -3.73333333333333},
        {{"793=30"}, kDiamond, "y", 20, 108},
        {{"793=-10", "78=20"}, kDiamond, "y", -20, -108},
        {{"849=1"}, kVMarker, "x", 1, 57.5},
        {{"850=-0.5"}, kSpeedCaret, "y", -0.5, -26.5},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments;
        for (const std::string& s : c.sets) {
            arguments.push_back("--set");
            arguments.push_back(s);
        }
        const json doc = hud(arguments);
        const json& e = element(doc, c.row);
        EXPECT_NEAR(e[c.axis].get<double>(), c.value, 1e-9) << c.sets[0];
        EXPECT_NEAR(e["offset"][std::string(c.axis) == "x" ? 0 : 1].get<double>(), c.offset, 1e-9) << c.sets[0];
    }

    // The bank pointer: straight down at 0, towards its table points at
    // +-45, and no further than at +-60.
    auto angle = [](const std::string& bank) {
        return element(hud({"--set", "80=" + bank}), kBankPointer)["angle"].get<double>();
    };
    auto towards = [](double x, double y) { return std::fmod(std::atan2(x - 198, 221 - y) * 180 / M_PI + 360, 360); };
    EXPECT_NEAR(angle("0"), towards(196, 301), 1e-9);
    EXPECT_NEAR(angle("-45"), towards(263, 268), 1e-9);
    EXPECT_NEAR(angle("45"), towards(128, 273), 1e-9);
    EXPECT_EQ(angle("90"), angle("60"));
    EXPECT_EQ(angle("-200"), angle("-60"));
    EXPECT_NE(angle("59"), angle("60"));
}

TEST(HudMarkers, LowAltitudeFlag) {
    struct Case {
        std::vector<std::string> arguments;
        int image;
    };
    const Case cases[] = {
        {{"--set", "615=500", "--set", "614=100"}, 1},  // h = 322.1
        {{"--set", "615=500", "--set", "614=200"}, 0},  // h = 650.2
        {{"--set", "615=500"}, 1},                      // h = -6 on the ground
        {{}, 1},                                        // -6 is below a setting of 0
        {{"--set", "615=-6", "--set", "614=0"}, 0},
    };
    for (const Case& c : cases) {
        const json doc = hud(c.arguments);
        const json& e = element(doc, kLowAltitudeFlag);
        EXPECT_EQ(e["image"], c.image);
        EXPECT_EQ(e["drawn_bitmap"], 5632 + c.image);
    }
}

TEST(HudClicks, AreasSendTheirEventsInOrder) {
    const json doc =
        hud({"--click", "0:340,235", "--click", "0:310,235", "--click", "0:45,248", "--click", "0:200,100"});
    EXPECT_EQ(doc["events"],
              (json{{{"id", 66321}, {"value", 0}, {"instance", 0}},
                    {{"id", 66322}, {"value", 0}, {"instance", 0}},
                    {{"id", 65907}, {"value", 0}, {"instance", 0}},
                    {{"id", 65908}, {"value", 0}, {"instance", 0}}}));
    const json& areas = doc["instances"][0]["mouse_areas"];
    ASSERT_EQ(areas.size(), 6u);
    EXPECT_EQ(areas[0]["box"], (json{0, 0, 0, 0}));
    EXPECT_EQ(areas[1]["box"], (json{327, 224, 32, 27}));
    EXPECT_EQ(areas[1]["cursor"], 1);
    EXPECT_EQ(areas[2]["box"], (json{301, 221, 24, 31}));
    EXPECT_EQ(areas[2]["cursor"], 2);
    EXPECT_EQ(areas[3]["box"], (json{29, 241, 39, 17}));
    EXPECT_EQ(areas[3]["cursor"], 5);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(areas[i]["flags"], 0x20000000);
}

TEST(HudClicks, TheHostStepsTheLowAltitudeSettingTheReadoutShows) {
    // Row 12 is the low-altitude setting readout; the host keeps the setting at 0 or above.
    json doc = hud({"--set", "615=500", "--click", "0:340,235", "--click", "0:340,235"});
    EXPECT_EQ(element(doc, 12)["text"], "AL520");
    doc = hud({"--click", "0:310,235"});
    EXPECT_EQ(element(doc, 12)["text"], "AL0");
}

TEST(HudInstances, TwoInstancesDrawFromTheSameValues) {
    const json doc = hud({"--set", "794=10", "--set", "80=40", "--set", "615=500", "--set", "614=100"}, 2);
    ASSERT_EQ(doc["instances"].size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(element(doc, kDiamond, i)["x"], -20.0);
        EXPECT_EQ(element(doc, kLowAltitudeFlag, i)["image"], 1);
    }
    // Killing one instance leaves the other refreshing the shared values.
    const json after = hud({"--kill", "0", "--set", "614=200", "--set", "615=500"}, 2);
    EXPECT_EQ(element(after, kLowAltitudeFlag, 1)["image"], 0);
}
