// The COM and NAV control heads through the built module: drums decoded
// from the host's BCD frequency codes, knob steps within the heads' limits
// and their effect on the host's frequency, power switching with its
// events, lit digits, and the two COM1 faceplates sharing one radio.
#include <gtest/gtest.h>

#include "events.h"
#include "host.h"
#include "support.h"

using nlohmann::json;
constexpr auto run = test_support::probe_document;

namespace {

// Where the areas of each faceplate are, as click arguments "I:X,Y".
struct Head {
    const char* gauge;
    int token;
    const char *off, *on, *whole_down, *whole_up, *fraction_down, *fraction_up;
    int whole_up_event, whole_down_event, fraction_up_event, fraction_down_event;
};

std::string at(int instance, const char* point) {
    return std::to_string(instance) + ":" + point;
}

const Head kCom1{
    "Tervalin_COM1", 23, "46,179", "106,179", "118,95", "118,65", "200,95", "200,65", 65637, 65636, 65639, 65638};
const Head kBrinvale{
    "Brinvale_COM1", 23, "11,88", "34,88", "20,116", "50,116", "110,116", "140,116", 65637, 65636, 65639, 65638};
const Head kCom2{
    "Tervalin_COM2", 870, "11,88", "34,88", "20,116", "50,116", "110,116", "140,116", 66437, 66436, 66440, 66438};
const Head kNav1{
    "Tervalin_NAV1", 24, "20,88", "49,88", "20,116", "50,116", "110,116", "140,116", 65641, 65640, 65643, 65642};
const Head kNav2{
    "Tervalin_NAV2", 27, "20,88", "49,88", "20,116", "50,116", "110,116", "140,116", 65645, 65644, 65647, 65646};

constexpr int kHeadOff = 65832;

// Events other than the install and switch-off notice.
std::vector<int> steps(const json& doc) {
    std::vector<int> ids;
    for (const json& e : doc["events"])
        if (e["id"] != kHeadOff) ids.push_back(e["id"].get<int>());
    return ids;
}

int count(const json& doc, int id) {
    int n = 0;
    for (const json& e : doc["events"]) n += e["id"] == id;
    return n;
}

// Drum positions tens, units, tenths, hundredths (chain elements 5 ... 2).
std::vector<double> drums(const json& instance) {
    const json& e = instance["elements"];
    return {e[4]["y"].get<double>(), e[3]["y"].get<double>(), e[2]["y"].get<double>(), e[1]["y"].get<double>()};
}

std::string code(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

TEST(RadioHeads, ChainsCarryTheirBitmapsInDrawingOrder) {
    struct Case {
        const char* gauge;
        std::vector<uint32_t> bitmaps;
    };
    const std::vector<uint32_t> small_com = {1300, 1270, 1270, 1280, 1290, 1260, 1250, 1310, 1320};
    const std::vector<uint32_t> nav = {410, 410, 410, 420, 430, 400, 390, 440, 450};
    auto with_face = [](uint32_t face, std::vector<uint32_t> rest) {
        rest.insert(rest.begin(), face);
        return rest;
    };
    for (const Case& c : {
             Case{"Tervalin_COM1", {3110, 3150, 3140, 3140, 3190, 3200, 3160, 3160, 3130, 3130, 3170}},
             Case{"Brinvale_COM1", with_face(1240, small_com)},
             Case{"Tervalin_COM2", with_face(1330, small_com)},
             Case{"Tervalin_NAV1", with_face(380, nav)},
             Case{"Tervalin_NAV2", with_face(460, nav)},
         }) {
        const json doc = run({"--place", c.gauge});
        const json& elements = doc["instances"][0]["elements"];
        ASSERT_EQ(elements.size(), c.bitmaps.size()) << c.gauge;
        for (size_t k = 0; k < c.bitmaps.size(); ++k) EXPECT_EQ(elements[k]["bitmap"], c.bitmaps[k]) << c.gauge << k;
        // The drums are driven by callbacks only.
        EXPECT_EQ(elements[1]["tokens"]["y"], 0) << c.gauge;
    }
}

TEST(RadioHeads, DrumsShowTheDecodedFrequency) {
    struct Case {
        Head head;
        int code;
        std::vector<double> drums;  // tens, units, tenths, hundredths position
        double whole, decimals;     // the knobs' values
    };
    for (const Case& c : {
             Case{kBrinvale, 0x1802, {1, 8, 0, 2}, 118, 2},  // 118.025
             Case{kCom1, 0x3697, {3, 6, 9, 7}, 136, 97},     // 136.975
             Case{kCom2, 0x2550, {2, 5, 5, 0}, 125, 50},     // 125.500
             Case{kNav1, 0x0805, {0, 8, 0, 5}, 108, 5},      // 108.05
             Case{kNav2, 0x1795, {1, 7, 9, 5}, 117, 95},     // 117.95
         }) {
        const json doc = run({"--place", c.head.gauge, "--set", std::to_string(c.head.token) + "=" + code(c.code)});
        const json& instance = doc["instances"][0];
        EXPECT_EQ(drums(instance), c.drums) << c.head.gauge << " " << code(c.code);
        if (c.head.gauge != kCom1.gauge) {
            EXPECT_EQ(instance["elements"][7]["value"], c.whole) << c.head.gauge;
            EXPECT_EQ(instance["elements"][6]["value"], c.decimals) << c.head.gauge;
        }
    }
}

TEST(RadioHeads, WholeStepsStopStrictlyAtTheHeadsLimits) {
    struct Case {
        Head head;
        int mhz_code;
        bool up;
        bool sends;
    };
    for (const Case& c : {
             Case{kCom1, 0x3400, true, true},  // 134 -> up
             Case{kCom1, 0x3500, true, false},
             Case{kBrinvale, 0x3600, true, false},
             Case{kCom2, 0x1900, false, true},  // 119 -> down
             Case{kCom2, 0x1800, false, false},
             Case{kNav1, 0x1600, true, true},  // 116 -> up
             Case{kNav1, 0x1700, true, false},
             Case{kNav2, 0x0900, false, true},  // 109 -> down
             Case{kNav2, 0x0800, false, false},
         }) {
        const json doc = run({"--place",
                              c.head.gauge,
                              "--set",
                              std::to_string(c.head.token) + "=" + code(c.mhz_code),
                              "--click",
                              at(0, c.head.on),
                              "--click",
                              at(0, c.up ? c.head.whole_up : c.head.whole_down)});
        const std::vector<int> expected =
            c.sends ? std::vector<int>{c.up ? c.head.whole_up_event : c.head.whole_down_event} : std::vector<int>{};
        EXPECT_EQ(steps(doc), expected) << c.head.gauge << " " << code(c.mhz_code) << (c.up ? " up" : " down");
    }
}

TEST(RadioHeads, KnobClicksStepTheHostFrequencySeenOnTheNextFrame) {
    // 134.975 up -> 135.975; then fraction up wraps within the megahertz to 135.000.
    json doc = run({"--place",
                    "Brinvale_COM1",
                    "--set",
                    "23=0x3497",
                    "--click",
                    "0:34,88",
                    "--click",
                    "0:50,116",
                    "--frames",
                    "1",
                    "--click",
                    "0:140,116",
                    "--frames",
                    "1"});
    EXPECT_EQ(drums(doc["instances"][0]), (std::vector<double>{3, 5, 0, 0}));
    // 118.000 fraction down -> 118.975 on COM2; NAV2 117.95 fraction up -> 117.00.
    doc = run({"--place",
               "Tervalin_COM2",
               "--place",
               "Tervalin_NAV2",
               "--set",
               "870=0x1800",
               "--set",
               "27=0x1795",
               "--click",
               "0:34,88",
               "--click",
               "1:49,88",
               "--click",
               "0:110,116",
               "--click",
               "1:140,116"});
    EXPECT_EQ(drums(doc["instances"][0]), (std::vector<double>{1, 8, 9, 7}));
    EXPECT_EQ(drums(doc["instances"][1]), (std::vector<double>{1, 7, 0, 0}));
    // The limit is tested on the value decoded at the click, not the last frame's.
    doc = run({"--place",
               "Tervalin_NAV1",
               "--set",
               "24=0x1600",
               "--click",
               "0:49,88",
               "--frames",
               "1",
               "--set",
               "24=0x1700",
               "--click",
               "0:50,116"});
    EXPECT_EQ(steps(doc), std::vector<int>{});
}

TEST(RadioHeads, NavKnobsTakeOneStepPerPressComKnobsRepeat) {
    json doc = run({"--place", "Tervalin_NAV1", "--set", "24=0x0800", "--click", "0:49,88", "--hold", "0:50,116,3"});
    EXPECT_EQ(steps(doc), std::vector<int>{65641});
    doc = run({"--place", "Brinvale_COM1", "--set", "23=0x1800", "--click", "0:34,88", "--hold", "0:50,116,3"});
    EXPECT_EQ(steps(doc), (std::vector<int>{65637, 65637, 65637, 65637}));
    EXPECT_EQ(drums(doc["instances"][0]), (std::vector<double>{2, 2, 0, 0}));  // 122
}

TEST(RadioHeads, ClicksWhileOffSendNothing) {
    for (const Head& h : {kCom1, kBrinvale, kCom2, kNav1, kNav2}) {
        const json doc = run({"--place",
                              h.gauge,
                              "--set",
                              std::to_string(h.token) + "=0x1255",
                              "--click",
                              at(0, h.whole_up),
                              "--click",
                              at(0, h.whole_down),
                              "--click",
                              at(0, h.fraction_up),
                              "--click",
                              at(0, h.fraction_down)});
        EXPECT_EQ(doc["events"], json::array({{{"id", kHeadOff}, {"value", 0}, {"instance", 0}}})) << h.gauge;
    }
}

TEST(RadioHeads, InstallSwitchesOffAndOnlyNavAndCom2SwitchOffSendTheNotice) {
    struct Case {
        Head head;
        bool notice_at_off;
    };
    for (const Case& c :
         {Case{kCom1, false}, Case{kBrinvale, false}, Case{kCom2, true}, Case{kNav1, true}, Case{kNav2, true}}) {
        // Install sends the notice; off while off and on while on change nothing.
        json doc = run({"--place",
                        c.head.gauge,
                        "--click",
                        at(0, c.head.off),
                        "--click",
                        at(0, c.head.on),
                        "--click",
                        at(0, c.head.on),
                        "--click",
                        at(0, c.head.off),
                        "--click",
                        at(0, c.head.off)});
        EXPECT_EQ(count(doc, kHeadOff), c.notice_at_off ? 2 : 1) << c.head.gauge;
        EXPECT_EQ(doc["events"][0], (json{{"id", kHeadOff}, {"value", 0}, {"instance", 0}})) << c.head.gauge;
        EXPECT_EQ(steps(doc), std::vector<int>{}) << c.head.gauge;
    }
}

TEST(RadioHeads, PowerLightsTheDigitsLampAndMarks) {
    // Small faceplate: drums and "1" carry the lit bit only while on; the
    // one-image lamp hides while off; the pointer mark moves.
    for (const Head& h : {kBrinvale, kCom2, kNav1, kNav2}) {
        json off = run({"--place", h.gauge});
        json on = run({"--place", h.gauge, "--click", at(0, h.on)});
        const json& dark = off["instances"][0]["elements"];
        const json& lit = on["instances"][0]["elements"];
        for (size_t k = 1; k <= 5; ++k) {
            EXPECT_EQ(dark[k]["flags"], 0x83) << h.gauge << k;
            EXPECT_EQ(lit[k]["flags"], 0x4083) << h.gauge << k;
        }
        EXPECT_EQ(dark[9]["image"], nullptr) << h.gauge;
        EXPECT_EQ(lit[9]["image"], 0) << h.gauge;
        EXPECT_EQ(dark[8]["image"], 0) << h.gauge;
        EXPECT_EQ(lit[8]["image"], 1) << h.gauge;
        EXPECT_EQ(lit[6]["flags"], 0x83) << h.gauge;  // knobs keep their flags
    }
    // Wide faceplate: two-image lamp, mode selector off/on, fixed selector at 2.
    json off = run({"--place", "Tervalin_COM1"});
    json on = run({"--place", "Tervalin_COM1", "--click", "0:106,179"});
    EXPECT_EQ(off["instances"][0]["elements"][10]["image"], 0);
    EXPECT_EQ(on["instances"][0]["elements"][10]["image"], 1);
    EXPECT_EQ(off["instances"][0]["elements"][9]["image"], 0);
    EXPECT_EQ(on["instances"][0]["elements"][9]["image"], 4);
    EXPECT_EQ(on["instances"][0]["elements"][8]["image"], 2);
    EXPECT_EQ(on["instances"][0]["elements"][6]["image"], 0);  // switches painted in their first position
    EXPECT_EQ(on["instances"][0]["elements"][5]["flags"], 0x4083);
}

TEST(RadioHeads, BothCom1FaceplatesFollowOneSwitch) {
    // On at the Brinvale plate lights both; installing either again switches both off.
    json doc = run({"--place", "Tervalin_COM1", "--place", "Brinvale_COM1", "--click", "1:34,88"});
    EXPECT_EQ(doc["instances"][0]["elements"][1]["flags"], 0x4083);
    EXPECT_EQ(doc["instances"][0]["elements"][10]["image"], 1);
    EXPECT_EQ(doc["instances"][1]["elements"][1]["flags"], 0x4083);
    doc = run({"--place", "Tervalin_COM1", "--place", "Brinvale_COM1", "--click", "0:106,179", "--service", "1:2"});
    EXPECT_EQ(doc["instances"][0]["elements"][1]["flags"], 0x83);
    EXPECT_EQ(doc["instances"][1]["elements"][9]["image"], nullptr);
    // COM2 is a radio of its own.
    doc = run({"--place", "Brinvale_COM1", "--place", "Tervalin_COM2", "--click", "0:34,88"});
    EXPECT_EQ(doc["instances"][1]["elements"][1]["flags"], 0x83);
}

TEST(RadioHeads, AvionicsFailureHidesDigitsAndLampButNotKnobs) {
    const json doc = run({"--place", "Tervalin_NAV1", "--click", "0:49,88", "--fail", "21"});
    const json& e = doc["instances"][0]["elements"];
    for (size_t k : {1, 2, 3, 4, 5, 9}) EXPECT_TRUE(e[k]["hidden"].get<bool>()) << k;
    for (size_t k : {0, 6, 7, 8}) EXPECT_FALSE(e[k]["hidden"].get<bool>()) << k;
    const json receiver = run({"--place", "Tervalin_NAV1", "--click", "0:49,88", "--fail", "14"});
    EXPECT_FALSE(receiver["instances"][0]["elements"][1]["hidden"].get<bool>());
}

TEST(RadioHeads, KnobAreasTakeTheirClicksAndHelpIds) {
    struct Case {
        const char* gauge;
        uint32_t gauge_help, window_help, knob_help, knob_flags;
    };
    for (const Case& c : {Case{"Brinvale_COM1", 0xA701, 0xA711, 0xA710, 0x20200000},
                          Case{"Tervalin_COM2", 0xA703, 0xA713, 0xA712, 0x20200000},
                          Case{"Tervalin_NAV1", 0xA700, 0xA715, 0xA714, 0x20000000},
                          Case{"Tervalin_NAV2", 0xA702, 0xA717, 0xA716, 0x20000000}}) {
        const json areas = run({"--place", c.gauge})["instances"][0]["mouse_areas"];
        ASSERT_EQ(areas.size(), 15u) << c.gauge;
        EXPECT_EQ(areas[0]["help"], c.gauge_help) << c.gauge;
        EXPECT_EQ(areas[1]["help"], c.window_help) << c.gauge;
        EXPECT_EQ(areas[3]["help"], c.knob_help) << c.gauge;
        EXPECT_EQ(areas[7]["help"], c.knob_help) << c.gauge;
        for (size_t k : {4, 5, 8, 9}) EXPECT_EQ(areas[k]["flags"], c.knob_flags) << c.gauge << k;
        for (size_t k : {11, 12}) EXPECT_EQ(areas[k]["flags"], 0x20000000) << c.gauge << k;
        for (const json& a : areas) EXPECT_EQ(a["event"], 0) << c.gauge;
    }
}

TEST(RadioHeads, SwitchingPlaysTheGaugesOwnClickOnce) {
    for (const Head& h : {kCom1, kBrinvale, kCom2, kNav1, kNav2}) {
        // Off while off and on while on play nothing; each real switch plays WAVE 10 once.
        json doc = run({"--place",
                        h.gauge,
                        "--click",
                        at(0, h.off),
                        "--click",
                        at(0, h.on),
                        "--click",
                        at(0, h.on),
                        "--click",
                        at(0, h.whole_up),
                        "--click",
                        at(0, h.off),
                        "--click",
                        at(0, h.off)});
        ASSERT_EQ(doc["sounds"].size(), 2u) << h.gauge << doc["sounds"].dump();
        for (const json& sound : doc["sounds"]) {
            EXPECT_EQ(sound["wave"], 10) << h.gauge;
            EXPECT_EQ(sound["instance"], 0) << h.gauge;
            EXPECT_GT(sound["bytes"].get<int>(), 0) << h.gauge;
        }
    }
    // The two COM1 faceplates share the radio but each plays its own click.
    json doc =
        run({"--place", "Tervalin_COM1", "--place", "Brinvale_COM1", "--click", "1:34,88", "--click", "0:46,179"});
    ASSERT_EQ(doc["sounds"].size(), 2u) << doc["sounds"].dump();
    EXPECT_EQ(doc["sounds"][0]["instance"], 1);
    EXPECT_EQ(doc["sounds"][1]["instance"], 0);
    // Without a sound device the heads switch all the same, silently.
    doc = run({"--sound-fault", "device", "--place", "Tervalin_NAV1", "--click", "0:49,88"});
    EXPECT_EQ(doc["sounds"], json::array());
    EXPECT_EQ(doc["instances"][0]["elements"][1]["flags"], 0x4083);
}

// The host bit is cleared and the lit bit rewritten on every drum call,
// whatever the host left in the flags.
TEST(RadioHeads, DigitCallbacksRewriteTheirFlagBitsOnEveryCall) {
    gaugehost::Host host;
    host.load_module(TERVALIN_GAU);
    const size_t nav = host.place("Tervalin_NAV1", std::nullopt);
    host.install(nav);
    const auto& elements = host.placed(nav).instance->elements();
    for (size_t k = 1; k <= 5; ++k) elements[k]->image_flags |= kImageHostBit | kImageLit;
    host.update(nav);
    for (size_t k = 1; k <= 5; ++k) EXPECT_EQ(elements[k]->image_flags, 0x83u) << k;
    EXPECT_TRUE(host.click(nav, 49, 88));
    for (size_t k = 1; k <= 5; ++k) elements[k]->image_flags |= kImageHostBit;
    host.update(nav);
    for (size_t k = 1; k <= 5; ++k) EXPECT_EQ(elements[k]->image_flags, 0x4083u) << k;
    EXPECT_EQ(elements[6]->image_flags, 0x83u);
    host.unload();
}

TEST(RadioFrequencySteps, WrapWithinTheBandInChannels) {
    const auto effects = gaugehost::EventEffects::standard();
    struct Case {
        int token;
        uint32_t event, before, after;
    };
    for (const Case& c : {
             Case{23, 65637, 0x3697, 0x1897},  // COM1 whole up: 136 wraps to 118
             Case{23, 65636, 0x1825, 0x3625},  // whole down: 118 wraps to 136
             Case{23, 65639, 0x1802, 0x1805},  // fraction up: .025 -> .050
             Case{23, 65639, 0x3697, 0x3600},  // .975 wraps to .000 in the same megahertz
             Case{23, 65638, 0x1800, 0x1897},  // fraction down: .000 wraps to .975
             Case{23, 65638, 0x1810, 0x1807},  // .100 -> .075
             Case{870, 66440, 0x2507, 0x2510},
             Case{870, 66438, 0x2505, 0x2502},
             Case{24, 65641, 0x1795, 0x0895},  // NAV1 whole up: 117 wraps to 108
             Case{24, 65640, 0x0800, 0x1700},
             Case{27, 65647, 0x1795, 0x1700},  // NAV2 fraction up wraps
             Case{27, 65646, 0x0800, 0x0895},
             Case{27, 65647, 0x0805, 0x0810},
             Case{23, 65639, 0x0000, 0x1802},  // no frequency of the band: from its lowest
             Case{24, 65641, 0x1A00, 0x0900},
         }) {
        gaugehost::VariableStore variables;
        variables.set_code(c.token, c.before);
        ASSERT_TRUE(effects.apply(variables, c.event, 0)) << c.event;
        EXPECT_EQ(variables.code(c.token), c.after) << c.event << " from " << code(int(c.before));
    }
}

}  // namespace
