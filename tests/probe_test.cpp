// `gaugehost probe` and `gaugehost list`, as their users run them.
#include <gtest/gtest.h>

#include "support.h"

using test_support::run_gaugehost;

namespace {

const std::string kSample = std::string(TEST_MODULES) + "/sample.gau";

test_support::CliResult sample(std::vector<std::string> arguments) {
    std::vector<std::string> all{"probe", "--module", kSample};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return run_gaugehost(all);
}

}  // namespace

TEST(Probe, DocumentOfAPlacedGauge) {
    auto result = sample({"--place", "Sample_Needle", "--set", "61=45"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto doc = result.json();
    ASSERT_EQ(doc["instances"].size(), 1u);
    const auto& instance = doc["instances"][0];
    EXPECT_EQ(instance["gauge"], "Sample_Needle");
    EXPECT_TRUE(instance["param"].is_null());
    EXPECT_TRUE(instance["size"].is_null());  // the sample has no bitmaps
    const auto& elements = instance["elements"];
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]["kind"], "StaticImage");
    EXPECT_EQ(elements[1]["index"], 2);
    EXPECT_EQ(elements[1]["kind"], "Needle");
    EXPECT_EQ(elements[1]["tokens"]["value"], 61);
    EXPECT_EQ(elements[1]["value"], 45.0);
    EXPECT_NEAR(elements[1]["angle"].get<double>(), 45.0, 1e-9);
    EXPECT_EQ(elements[1]["flags"], 0x4083);
    EXPECT_EQ(elements[2]["kind"], "Icon");
    EXPECT_TRUE(elements[2]["image"].is_null());
    const auto& areas = instance["mouse_areas"];
    ASSERT_EQ(areas.size(), 8u);
    EXPECT_EQ(areas[0]["kind"], "parent");
    EXPECT_EQ(areas[0]["help"], 43783);
    EXPECT_EQ(areas[2]["box"], (nlohmann::json{0, 0, 25, 50}));
    EXPECT_EQ(areas[2]["flags"], 0x20200000);
    EXPECT_EQ(areas[2]["event"], 65884);
    EXPECT_EQ(areas[7]["kind"], "end");
    EXPECT_EQ(doc["events"], nlohmann::json::array());
    EXPECT_EQ(doc["window_toggles"], nlohmann::json::array());
    EXPECT_EQ(doc["sounds"], nlohmann::json::array());
}

TEST(Probe, ActionsApplyInOrderWithOneFrameAtTheEnd) {
    // The integer-form status word 276 takes its code; the lamp shows.
    auto doc = sample({"--place", "Sample_Needle", "--set", "276=1", "--set", "61=nan"}).json();
    EXPECT_EQ(doc["instances"][0]["elements"][2]["image"], 0);
    EXPECT_TRUE(doc["instances"][0]["elements"][1]["angle"].is_null());
    // A failure zeroes the needle; clearing it before the frame does not.
    doc = sample({"--place", "Sample_Needle", "--set", "61=0x1E", "--fail", "3"}).json();
    EXPECT_EQ(doc["instances"][0]["elements"][1]["value"], 0.0);
    doc = sample({"--place", "Sample_Needle", "--set", "61=30", "--fail", "3", "--frames", "1", "--clear", "3"}).json();
    EXPECT_EQ(doc["instances"][0]["elements"][1]["value"], 30.0);
    // Without a frame after a --set, the last frame still runs; with one, no extra frame.
    doc = sample({"--place", "Sample_Needle", "--frames", "1", "--set", "61=7"}).json();
    EXPECT_EQ(doc["instances"][0]["elements"][1]["value"], 7.0);
    doc =
        sample({"--place", "Sample_Needle", "--set", "61=7", "--frames", "0", "--set", "61=9", "--frames", "0"}).json();
    EXPECT_TRUE(doc["instances"][0]["elements"][1]["value"].is_null() ||
                doc["instances"][0]["elements"][1]["value"] == 0.0);
}

TEST(Probe, ClicksHoldsAndDragsSendTheirEvents) {
    auto doc = sample({"--place",
                       "Sample_Needle",
                       "--place",
                       "Sample_Needle:x",
                       "--click",
                       "0:30,160",
                       "--hold",
                       "1:160,160,2",
                       "--drag",
                       "0:10,160",
                       "--drag",
                       "0:160,160"})
                   .json();
    const auto& events = doc["events"];
    ASSERT_EQ(events.size(), 4u) << events.dump();
    EXPECT_EQ(events[0], (nlohmann::json{{"id", 65883}, {"value", 0}}));  // sent by the host itself
    EXPECT_EQ(events[1], (nlohmann::json{{"id", 66000}, {"value", 1}, {"instance", 1}}));
    EXPECT_EQ(events[2], (nlohmann::json{{"id", 66000}, {"value", 2}, {"instance", 1}}));
    EXPECT_EQ(events[3], (nlohmann::json{{"id", 66000}, {"value", 2}, {"instance", 1}}));
    // Drags reach no area here: none takes them.
    EXPECT_EQ(doc["window_toggles"], (nlohmann::json::array({{{"window", 50}, {"instance", 1}}})));
    EXPECT_EQ(doc["instances"][1]["param"], "x");
}

TEST(Probe, NoEffectsRecordsTheEventsButAppliesNone) {
    // The panel-lights switch sends its toggle; only with effects does the
    // next frame show the light on.
    struct Case {
        std::vector<std::string> flag;
        int drawn;
    };
    for (const Case& c : {Case{{}, 52}, Case{{"--no-effects"}, 51}}) {
        std::vector<std::string> arguments{"--place", "Panel_Lights_Switch", "--set", "10=0", "--click", "0:10,10"};
        arguments.insert(arguments.end(), c.flag.begin(), c.flag.end());
        const auto doc = test_support::probe(arguments).json();
        EXPECT_EQ(doc["events"], nlohmann::json::array({{{"id", 65750}, {"value", 0}, {"instance", 0}}}));
        EXPECT_EQ(doc["instances"][0]["elements"][1]["drawn_bitmap"], c.drawn) << c.flag.size();
    }
    // A toggle through the service is still listed.
    const auto doc = sample({"--no-effects", "--place", "Sample_Needle:x"}).json();
    EXPECT_EQ(doc["window_toggles"], (nlohmann::json::array({{{"window", 50}, {"instance", 0}}})));
    EXPECT_NE(run_gaugehost({"render", "--help"}).out.find("--no-effects"), std::string::npos);
}

TEST(Probe, BadArgumentsGiveOneLineNamingTheArgument) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    for (const Case& c : {
             Case{{"--place", "Sample_Needle", "--set", "61"}, "--set 61: expected TOKEN=VALUE"},
             Case{{"--place", "Sample_Needle", "--set", "61=fast"}, "--set 61=fast: 'fast' is not a number"},
             Case{{"--place", "Sample_Needle", "--click", "3:1,1"}, "--click 3:1,1: no instance 3 (1 placed)"},
             Case{{"--place", "Sample_Needle", "--hold", "0:1,1"}, "--hold 0:1,1: expected I:X,Y,N"},
             Case{{"--place", "Sample_Needle", "--frames", "-1"}, "--frames -1: not a frame count"},
             Case{{"--place", "Nope"}, "unknown gauge 'Nope'; the modules offer: Sample_Needle"},
         }) {
        auto result = sample(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, "gaugehost: " + c.message + "\n");
        EXPECT_TRUE(result.out.empty());
    }
    auto missing = run_gaugehost({"probe", "--module", "/no/such.gau", "--place", "A"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "gaugehost: /no/such.gau: no such module file\n");
    auto unknown_option = run_gaugehost({"probe", "--bogus"});
    EXPECT_EQ(unknown_option.status, 2);
    EXPECT_EQ(std::count(unknown_option.err.begin(), unknown_option.err.end(), '\n'), 1);
}

TEST(List, PrintsTheGaugeTableAndVersionBlock) {
    auto result = run_gaugehost({"list", kSample});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("1 gauges"), std::string::npos);
    EXPECT_NE(result.out.find("0      Sample_Needle                   50"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("ProductName      Tervalin Instruments"), std::string::npos) << result.out;
    auto help = run_gaugehost({"probe", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--hold"), std::string::npos);
}
