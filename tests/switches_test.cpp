// The clicking switches and the navigation source, through the built
// module: what each switch shows, what a click sends, and how the ILS and
// TACAN lamps follow the selection and the NAV heads' power.
#include <gtest/gtest.h>

#include "support.h"

using nlohmann::json;
constexpr auto run = test_support::probe_document;

namespace {

// The bitmap the switch element (second in the chain) of instance i draws;
// null when it draws nothing.
json drawn(const json& doc, size_t instance) {
    return doc["instances"][instance]["elements"][1]["drawn_bitmap"];
}

struct ToggleSwitch {
    const char* gauge;
    int token;
    int event;
    int help;
    uint32_t plate;
    uint32_t off_image, on_image;
    std::vector<int> box;
};

const ToggleSwitch kToggles[] = {
    {"Beacon_Lights_Switch", 368, 66239, 43837, 40, 51, 52, {2, 2, 40, 80}},
    {"Landing_Lights_Switch", 14, 65751, 43838, 40, 51, 52, {2, 2, 40, 80}},
    {"Navigation_Lights_Switch", 619, 66379, 43839, 40, 51, 52, {2, 2, 40, 80}},
    {"Panel_Lights_Switch", 10, 65750, 43840, 40, 51, 52, {2, 2, 40, 80}},
    {"Strobe_Lights_Switch", 11, 65560, 43842, 40, 51, 52, {2, 2, 40, 80}},
    {"Smoke_Switch", 15, 65559, 42259, 2210, 2220, 2221, {2, 2, 60, 56}},
};

}  // namespace

TEST(Switches, RecordsOfEveryToggle) {
    for (const ToggleSwitch& s : kToggles) {
        SCOPED_TRACE(s.gauge);
        const json doc = run({"--place", s.gauge});
        const json& gauge = doc["instances"][0];
        ASSERT_EQ(gauge["elements"].size(), 2u);
        EXPECT_EQ(gauge["elements"][0]["bitmap"], s.plate);
        EXPECT_EQ(gauge["elements"][0]["flags"], 0x3);
        EXPECT_EQ(gauge["elements"][1]["kind"], "Icon");
        EXPECT_EQ(gauge["elements"][1]["tokens"]["value"], s.token);
        EXPECT_EQ(gauge["elements"][1]["flags"], 0x3);
        const json& areas = gauge["mouse_areas"];
        ASSERT_EQ(areas.size(), 4u);
        EXPECT_EQ(areas[0]["help"], s.help);
        EXPECT_EQ(areas[1]["box"], json(s.box));
        EXPECT_EQ(areas[1]["cursor"], 5);
        EXPECT_EQ(areas[1]["flags"], 0x20000000);
        EXPECT_EQ(areas[1]["callback"], true);
    }
}

TEST(Switches, LeverFollowsTheVariableAndNeverShowsTheCentredImage) {
    // Image 50, the lever centred, is never drawn: only strictly positive is on.
    const std::vector<std::pair<std::string, uint32_t>> beacon = {
        {"0", 51}, {"1", 52}, {"-1", 51}, {"0.25", 52}, {"-1e9", 51}, {"nan", 51}, {"7", 52}};
    for (const auto& [value, image] : beacon) {
        SCOPED_TRACE(value);
        EXPECT_EQ(drawn(run({"--place", "Beacon_Lights_Switch", "--set", "368=" + value}), 0), image);
    }
    for (const ToggleSwitch& s : kToggles) {
        SCOPED_TRACE(s.gauge);
        const std::string token = std::to_string(s.token);
        EXPECT_EQ(drawn(run({"--place", s.gauge, "--set", token + "=0"}), 0), s.off_image);
        EXPECT_EQ(drawn(run({"--place", s.gauge, "--set", token + "=1"}), 0), s.on_image);
        EXPECT_EQ(drawn(run({"--place", s.gauge, "--set", token + "=-1"}), 0), s.off_image);
    }
}

TEST(Switches, ClickSendsTheEventAndFlipsThePictureOnTheNextFrame) {
    for (const ToggleSwitch& s : kToggles) {
        SCOPED_TRACE(s.gauge);
        const std::string token = std::to_string(s.token);
        json doc = run({"--place", s.gauge, "--set", token + "=0", "--click", "0:10,10"});
        EXPECT_EQ(doc["events"], json::array({{{"id", s.event}, {"value", 0}, {"instance", 0}}}));
        EXPECT_EQ(drawn(doc, 0), s.on_image);
        // A second click turns it off again; a negative value counts as off.
        doc = run(
            {"--place", s.gauge, "--set", token + "=-1", "--click", "0:10,10", "--frames", "1", "--click", "0:10,10"});
        EXPECT_EQ(doc["events"].size(), 2u);
        EXPECT_EQ(drawn(doc, 0), s.off_image);
        // Outside the box (the plate's rim) nothing is sent.
        doc = run({"--place", s.gauge, "--click", "0:1,1"});
        EXPECT_EQ(doc["events"], json::array());
    }
}

TEST(Switches, NavGpsIsPureDataTheHostClicks) {
    json doc = run({"--place", "NAV_GPS_Switch", "--set", "848=1"});
    const json& gauge = doc["instances"][0];
    EXPECT_EQ(gauge["elements"][0]["bitmap"], 3430);
    EXPECT_EQ(drawn(doc, 0), 3441);
    EXPECT_EQ(gauge["mouse_areas"][0]["help"], 43853);
    EXPECT_EQ(gauge["mouse_areas"][1]["box"], (json{0, 0, 30, 54}));
    EXPECT_EQ(gauge["mouse_areas"][1]["event"], 66375);
    EXPECT_EQ(gauge["mouse_areas"][1]["callback"], false);
    EXPECT_EQ(drawn(run({"--place", "NAV_GPS_Switch", "--set", "848=0"}), 0), 3440);
    // Sent by the host itself: no instance sent it.
    doc = run({"--place", "NAV_GPS_Switch", "--set", "848=0", "--click", "0:15,40"});
    EXPECT_EQ(doc["events"], json::array({{{"id", 66375}, {"value", 0}}}));
    EXPECT_EQ(drawn(doc, 0), 3441);
}

TEST(NavSource, LampsAtLoadAndAfterClicksOnEitherButton) {
    // Instances: 0 ILS, 1 TACAN. ILS is selected at load.
    const std::vector<std::string> both = {"--place", "ILS_Switch", "--place", "TACAN_Switch"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> all = both;
        all.insert(all.end(), more.begin(), more.end());
        return run(all);
    };
    json doc = with({});
    EXPECT_EQ(drawn(doc, 0), 3401);
    EXPECT_EQ(drawn(doc, 1), 3410);
    EXPECT_EQ(doc["instances"][0]["elements"][1]["flags"], 0x7);
    EXPECT_EQ(doc["instances"][0]["mouse_areas"][1]["box"], (json{2, 2, 20, 42}));
    EXPECT_EQ(doc["instances"][0]["mouse_areas"][0]["help"], 0);

    struct Case {
        std::vector<std::string> clicks;
        uint32_t ils, tacan;
    };
    for (const Case& c : {
             Case{{"--click", "1:10,20"}, 3400, 3411},                        // TACAN chosen
             Case{{"--click", "0:10,20"}, 3400, 3411},                        // the ILS button flips it too
             Case{{"--click", "1:10,20", "--click", "1:10,20"}, 3401, 3410},  // two clicks return
             Case{{"--click", "0:10,20", "--click", "1:10,20"}, 3401, 3410},
             Case{{"--click", "1:0,0"}, 3401, 3410},  // outside the box
         }) {
        SCOPED_TRACE(json(c.clicks).dump());
        doc = with(c.clicks);
        EXPECT_EQ(drawn(doc, 0), c.ils);
        EXPECT_EQ(drawn(doc, 1), c.tacan);
        EXPECT_EQ(doc["events"], json::array());  // the selection is the module's own
    }
    // Without an ILS button the selection is still ILS at load.
    EXPECT_EQ(drawn(run({"--place", "TACAN_Switch"}), 0), 3410);
}

TEST(NavSource, InstallingAnIlsButtonSelectsIls) {
    // TACAN chosen, then each button installed again (as a further placed
    // instance would be): only the ILS button resets the selection.
    json doc = run({"--place", "ILS_Switch", "--place", "TACAN_Switch", "--click", "1:10,20", "--service", "1:2"});
    EXPECT_EQ(drawn(doc, 1), 3411);
    doc = run({"--place", "ILS_Switch", "--place", "TACAN_Switch", "--click", "1:10,20", "--service", "0:2"});
    EXPECT_EQ(drawn(doc, 0), 3401);
    EXPECT_EQ(drawn(doc, 1), 3410);
}

TEST(NavSource, ElectricalFailureDarkensTheLampsButTheSelectionStillFlips) {
    json doc = run({"--place", "ILS_Switch", "--place", "TACAN_Switch", "--fail", "20"});
    EXPECT_EQ(drawn(doc, 0), 3400);
    EXPECT_EQ(drawn(doc, 1), 3410);
    doc = run({"--place",
               "ILS_Switch",
               "--place",
               "TACAN_Switch",
               "--fail",
               "20",
               "--click",
               "1:10,20",
               "--frames",
               "1",
               "--clear",
               "20"});
    EXPECT_EQ(drawn(doc, 0), 3400);
    EXPECT_EQ(drawn(doc, 1), 3411);
}

TEST(NavSource, LampsFollowTheNavHeadsPower) {
    // Installing a NAV head switches its radio off: its lamp goes dark
    // whatever the selection; the other button still works.
    json doc = run({"--place", "ILS_Switch", "--place", "TACAN_Switch", "--place", "Tervalin_NAV1"});
    EXPECT_EQ(drawn(doc, 0), 3400);
    doc = run({"--place", "ILS_Switch", "--place", "TACAN_Switch", "--place", "Tervalin_NAV1", "--click", "1:10,20"});
    EXPECT_EQ(drawn(doc, 0), 3400);
    EXPECT_EQ(drawn(doc, 1), 3411);
    doc = run({"--place", "ILS_Switch", "--place", "TACAN_Switch", "--place", "Tervalin_NAV2", "--click", "1:10,20"});
    EXPECT_EQ(drawn(doc, 0), 3400);
    EXPECT_EQ(drawn(doc, 1), 3410);
    // The NAV1 head's ON mark powers it again and the ILS lamp lights.
    doc = run({"--place", "ILS_Switch", "--place", "Tervalin_NAV1", "--click", "1:45,85"});
    EXPECT_EQ(drawn(doc, 0), 3401);
}

namespace {

// The eight clicking switches, each with a point inside its click box.
struct Clicker {
    const char* gauge;
    const char* click;
};
const Clicker kClickers[] = {
    {"Beacon_Lights_Switch", "0:10,10"},
    {"Landing_Lights_Switch", "0:10,10"},
    {"Navigation_Lights_Switch", "0:10,10"},
    {"Panel_Lights_Switch", "0:10,10"},
    {"Strobe_Lights_Switch", "0:10,10"},
    {"Smoke_Switch", "0:10,10"},
    {"ILS_Switch", "0:10,20"},
    {"TACAN_Switch", "0:10,20"},
};

}  // namespace

TEST(SwitchSounds, EveryClickPlaysTheSwitchClickOnce) {
    for (const Clicker& s : kClickers) {
        SCOPED_TRACE(s.gauge);
        json doc = run({"--place", s.gauge, "--click", s.click});
        ASSERT_EQ(doc["sounds"].size(), 1u) << doc["sounds"].dump();
        EXPECT_EQ(doc["sounds"][0]["wave"], 10);
        EXPECT_EQ(doc["sounds"][0]["instance"], 0);
        EXPECT_GT(doc["sounds"][0]["bytes"].get<int>(), 0);
        // Placing and running frames alone is silent.
        EXPECT_EQ(run({"--place", s.gauge, "--frames", "3"})["sounds"], json::array());
    }
    // The NAV/GPS toggle has no sound of its own.
    EXPECT_EQ(run({"--place", "NAV_GPS_Switch", "--click", "0:15,40"})["sounds"], json::array());
}

TEST(SwitchSounds, WithoutSoundEverySwitchStillWorks) {
    for (const std::string fault : {"device", "play"}) {
        SCOPED_TRACE(fault);
        for (const ToggleSwitch& s : kToggles) {
            SCOPED_TRACE(s.gauge);
            json doc = run({"--sound-fault",
                            fault,
                            "--place",
                            s.gauge,
                            "--set",
                            std::to_string(s.token) + "=0",
                            "--click",
                            "0:10,10"});
            EXPECT_EQ(doc["events"], json::array({{{"id", s.event}, {"value", 0}, {"instance", 0}}}));
            EXPECT_EQ(drawn(doc, 0), s.on_image);
            EXPECT_EQ(doc["sounds"], json::array());
        }
        json doc =
            run({"--sound-fault", fault, "--place", "ILS_Switch", "--place", "TACAN_Switch", "--click", "1:10,20"});
        EXPECT_EQ(drawn(doc, 0), 3400);
        EXPECT_EQ(drawn(doc, 1), 3411);
        EXPECT_EQ(doc["sounds"], json::array());
    }
}

TEST(SwitchSounds, KillingOneOfTwoInstancesLeavesTheOtherWorkingSilently) {
    // Both instances share the gauge's one set; the first kill releases it.
    json doc = run(
        {"--place", "Beacon_Lights_Switch", "--place", "Beacon_Lights_Switch", "--kill", "0", "--click", "1:10,10"});
    EXPECT_EQ(doc["events"], json::array({{{"id", 66239}, {"value", 0}, {"instance", 1}}}));
    EXPECT_EQ(drawn(doc, 1), 52);
    EXPECT_EQ(doc["sounds"], json::array());
}
