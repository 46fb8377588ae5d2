// The engine-digit search and the per-engine number tables, and the walk
// that moves every variable and child-area event of an instance to the
// engine its parameter string names.
#include "core/engine_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/param_find.h"

using tervalin::engine_gauge_callback;
using tervalin::engine_index;
using tervalin::event_engine_stride;
using tervalin::param_find;
using tervalin::token_engine_stride;

namespace {

// A gauge carrying only a parameter string (null for none).
Gauge with_parameters(const char* parameters) {
    Gauge gauge{};
    gauge.parameters = const_cast<char*>(parameters);
    return gauge;
}

}  // namespace

TEST(ParamFind, IgnoresEverythingFromTheFirstCommentCharacter) {
    struct Case {
        const char* text;
        const char* pattern;
        int position;  // -1: absent
    };
    for (const Case& c : {
             Case{"2", "2", 0},
             Case{"3 // left engine 2", "2", -1},
             Case{"3 // left engine 2", "3", 0},
             Case{"/2", "2", -1},
             Case{"4#", "4", 0},
             Case{"#4", "4", -1},
             Case{"'3", "3", -1},
             Case{"x3'", "3", 1},
             Case{"12", "2", 1},
             Case{"", "1", -1},
             Case{"5", "1", -1},
             Case{"t50 // t75", "t", 0},
         }) {
        const char* found = param_find(c.text, c.pattern);
        EXPECT_EQ(found ? int(found - c.text) : -1, c.position) << '|' << c.text << "| " << c.pattern;
    }
    EXPECT_EQ(param_find(nullptr, "1"), nullptr);
    EXPECT_EQ(param_find("1", nullptr), nullptr);
    EXPECT_EQ(param_find("1", ""), nullptr);
}

TEST(ParamFind, OnATailLooksForCommentsInThatTailOnly) {
    const char* text = "o50 # x o75";
    const char* tail = text + 5;  // past the comment character
    ASSERT_EQ(param_find(text, "o"), text);
    EXPECT_EQ(param_find(text + 1, "o"), nullptr);
    EXPECT_EQ(param_find(tail, "o"), text + 8);
}

TEST(EngineIndex, ChosenFromTheParameterString) {
    struct Case {
        const char* parameters;
        int engine;
    };
    for (const Case& c : {
             Case{"2", 2},
             Case{"12", 1},
             Case{"2 1", 1},
             Case{"3 // left engine 2", 3},
             Case{"/2", 1},
             Case{"4#", 4},
             Case{"#4", 1},
             Case{"'3", 1},
             Case{"5", 1},
             Case{"", 1},
             Case{nullptr, 1},
             Case{"engine 3 and 4", 3},
             Case{"x4", 4},
         }) {
        const Gauge gauge = with_parameters(c.parameters);
        EXPECT_EQ(engine_index(&gauge), c.engine) << '|' << (c.parameters ? c.parameters : "(none)") << '|';
    }
    EXPECT_EQ(engine_index(nullptr), 1);
}

TEST(EngineStride, TokensByTheirEngineOneRunOnly) {
    struct Case {
        VariableToken token;
        int32_t stride;
    };
    for (const Case& c : {
             Case{0, 0},    Case{-624, 0}, Case{126, 0},  Case{127, 35}, Case{161, 35},      Case{162, 0},
             Case{389, 0},  Case{390, 39}, Case{428, 39}, Case{429, 0},  Case{558, 10},      Case{567, 10},
             Case{568, 0},  Case{608, 1},  Case{609, 0},  Case{611, 0},  Case{623, 0},       Case{624, 19},
             Case{642, 19}, Case{643, 0},  Case{699, 0},  Case{700, 8},  Case{707, 8},       Case{708, 0},
             Case{731, 0},  Case{732, 2},  Case{733, 2},  Case{734, 0},  Case{761, 2},       Case{762, 2},
             Case{763, 0},  Case{801, 1},  Case{802, 0},  Case{887, 0},  Case{INT32_MIN, 0}, Case{INT32_MAX, 0},
         })
        EXPECT_EQ(token_engine_stride(c.token), c.stride) << c.token;
}

TEST(EngineStride, EventsByTheirEngineOneRunOnlyComparedUnsigned) {
    struct Case {
        KeyEvent event;
        uint32_t stride;
    };
    for (const Case& c : {
             Case{0, 0},     Case{65537, 0}, Case{65538, 1}, Case{65539, 0},       Case{65820, 1},       Case{65919, 1},
             Case{65923, 1}, Case{65926, 0}, Case{65927, 6}, Case{65932, 6},       Case{65933, 0},       Case{65963, 5},
             Case{65967, 5}, Case{65968, 0}, Case{65983, 5}, Case{66003, 5},       Case{66007, 5},       Case{66008, 0},
             Case{66081, 3}, Case{66083, 3}, Case{66126, 2}, Case{66127, 2},       Case{66300, 1},       Case{66313, 1},
             Case{66329, 2}, Case{66330, 2}, Case{66331, 0}, Case{66340, 1},       Case{66345, 1},       Case{66349, 1},
             Case{66359, 1}, Case{66363, 1}, Case{66364, 0}, Case{0x80010002u, 0}, Case{0xFFFFFFFFu, 0},
         })
        EXPECT_EQ(event_engine_stride(c.event), c.stride) << c.event;
}

TEST(EngineStride, AMovedNumberLiesInNoRow) {
    // So a second pass over a retargeted instance changes nothing.
    for (VariableToken token = -10; token < 1000; ++token) {
        if (const int32_t stride = token_engine_stride(token)) {
            for (int engine = 2; engine <= 4; ++engine)
                EXPECT_EQ(token_engine_stride(token + (engine - 1) * stride), 0) << token << " engine " << engine;
        }
    }
    for (KeyEvent event = 65536; event < 66500; ++event) {
        if (const uint32_t stride = event_engine_stride(event)) {
            for (uint32_t engine = 2; engine <= 4; ++engine)
                EXPECT_EQ(event_engine_stride(event + (engine - 1) * stride), 0u) << event << " engine " << engine;
        }
    }
}

namespace {

// One element of every kind in one chain, with variables both inside and
// outside the per-engine runs, and mouse areas of every kind.
struct Fixture {
    StaticImage face{};
    Needle needle{};
    StringElement text{};
    Slider slider{};
    Icon icon{};
    MovingImage strip{};
    Sprite sprite{};
    Element* roots[2]{};
    Element* after_face[2]{};
    Element* after_needle[3]{};  // two children: the walk covers siblings
    Element* after_text[2]{};
    Element* after_slider[2]{};
    Element* after_icon[2]{};
    MouseArea areas[6]{};
    Gauge gauge{};
    std::string parameters;

    explicit Fixture(std::string p) : parameters(std::move(p)) {
        face.header.kind = kKindStaticImage;
        needle.header.kind = kKindNeedle;
        text.header.kind = kKindString;
        slider.header.kind = kKindSlider;
        icon.header.kind = kKindIcon;
        strip.header.kind = kKindMovingImage;
        sprite.header.kind = kKindSprite;
        roots[0] = &face.header;
        after_face[0] = &needle.header;
        after_needle[0] = &text.header;
        after_needle[1] = &sprite.header;
        after_text[0] = &slider.header;
        after_slider[0] = &icon.header;
        after_icon[0] = &strip.header;
        face.header.following = after_face;
        needle.header.following = after_needle;
        text.header.following = after_text;
        slider.header.following = after_slider;
        icon.header.following = after_icon;

        needle.variable.token = 624;
        text.variables[0].token = 625;
        text.variables[1].token = 0;
        text.variables[2].token = 558;
        slider.x_variable.token = 608;
        slider.y_variable.token = 623;
        icon.variable.token = 887;
        strip.x_variable.token = 732;
        strip.y_variable.token = 761;
        sprite.x_variable.token = 127;
        sprite.y_variable.token = 390;
        sprite.rotation_variable.token = 801;

        areas[0] = {.kind = kMouseParent, .event = 65927};
        areas[1] = {.kind = kMouseChild, .event = 65927};
        areas[2] = {.kind = kMouseChild, .event = 0};
        areas[3] = {.kind = kMouseChild, .event = 66364};
        areas[4] = {.kind = kMouseEndParent, .event = 65820};
        areas[5] = {.kind = kMouseEnd, .event = 65820};

        gauge.elements = roots;
        gauge.mouse_areas = areas;
        gauge.callback = engine_gauge_callback;
        gauge.parameters = parameters.data();
    }

    std::vector<VariableToken> tokens() const {
        return {needle.variable.token,
                text.variables[0].token,
                text.variables[1].token,
                text.variables[2].token,
                slider.x_variable.token,
                slider.y_variable.token,
                icon.variable.token,
                strip.x_variable.token,
                strip.y_variable.token,
                sprite.x_variable.token,
                sprite.y_variable.token,
                sprite.rotation_variable.token};
    }
    std::vector<KeyEvent> events() const {
        std::vector<KeyEvent> out;
        for (const MouseArea& area : areas) out.push_back(area.event);
        return out;
    }
};

}  // namespace

TEST(EngineRetarget, InstallMovesEveryKindsVariablesAndOnlyChildEvents) {
    Fixture f("3");
    engine_gauge_callback(&f.gauge, kServiceInstall, 0);
    EXPECT_EQ(f.tokens(), (std::vector<VariableToken>{662, 663, 0, 578, 610, 623, 887, 736, 765, 197, 468, 803}));
    EXPECT_EQ(f.events(), (std::vector<KeyEvent>{65927, 65939, 0, 66364, 65820, 65820}));
    // A second install of the same instance changes nothing.
    engine_gauge_callback(&f.gauge, kServiceInstall, 0);
    EXPECT_EQ(f.tokens(), (std::vector<VariableToken>{662, 663, 0, 578, 610, 623, 887, 736, 765, 197, 468, 803}));
    EXPECT_EQ(f.events(), (std::vector<KeyEvent>{65927, 65939, 0, 66364, 65820, 65820}));

    Fixture four("4");
    engine_gauge_callback(&four.gauge, kServiceInstall, 0);
    EXPECT_EQ(four.tokens()[4], 611);  // 608 with engine 4
}

TEST(EngineRetarget, OnlyTheInstallCodeOfAGaugeActs) {
    const Fixture untouched("1");
    for (int32_t service : {int32_t(kServicePreUpdate),
                            int32_t(kServicePreKill),
                            int32_t(kServiceKill),
                            int32_t(kServiceConnect),
                            0,
                            -2}) {
        Fixture f("2");
        engine_gauge_callback(&f.gauge, service, 0);
        EXPECT_EQ(f.tokens(), untouched.tokens()) << service;
        EXPECT_EQ(f.events(), untouched.events()) << service;
    }
    for (const char* parameters : {"1", "", "#2", "5"}) {
        Fixture f(parameters);
        engine_gauge_callback(&f.gauge, kServiceInstall, 0);
        EXPECT_EQ(f.tokens(), untouched.tokens()) << parameters;
    }
    engine_gauge_callback(nullptr, kServiceInstall, 0);  // no gauge: nothing to do
    Fixture bare("2");
    bare.gauge.elements = nullptr;
    bare.gauge.mouse_areas = nullptr;
    engine_gauge_callback(&bare.gauge, kServiceInstall, 0);
    EXPECT_EQ(bare.tokens(), untouched.tokens());
    Fixture empty_list("2");
    empty_list.roots[0] = nullptr;
    engine_gauge_callback(&empty_list.gauge, kServiceInstall, 0);
    EXPECT_EQ(empty_list.tokens(), untouched.tokens());
    EXPECT_EQ(empty_list.events()[1], 65933u);  // the areas are still walked
}
