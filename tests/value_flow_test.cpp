// The value flow of one frame, through small gauges defined here: variables
// looked up, callbacks per axis, failure bindings and what is drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "host.h"
#include "support.h"

using gaugehost::Host;
using test_support::SizedBitmaps;

namespace {

extern Gauge g_test_gauge;
FailureBinding g_bindings[] = {{.key = 6, .action = kFailureActionFreeze},
                               {.key = 3, .action = kFailureActionZero},
                               {.key = 21, .action = kFailureActionHide},
                               {.key = 2, .action = kFailureActionNone},
                               {}};

double doubled(Element* element) {
    return element_as<Needle>(element)->variable.value * 2;
}
double minus_one(Element*) {
    return -1;
}
double y_plus_ten(Element* element) {
    return element_as<Slider>(element)->y_variable.value + 10;
}

CalibrationPoint g_table[] = {{.x = 50, .y = 0, .value = 0}, {.x = 100, .y = 50, .value = 90}};

// Chain: face, needle (token 61, doubled), icon (token 14, scale 1, 3 images),
// icon (scale 0, callback -1), strip (y token 74, range 10 ... 0), slider,
// sprite.
Sprite g_sprite = {
    .header = {.kind = kKindSprite,
               .bitmap = 60,
               .x = 0,
               .y = 0,
               .pivot_x = 50,
               .pivot_y = 50,
               .gauge = &g_test_gauge,
               .image_flags = 0x4083},
    .x_variable = {.token = 0},
    .x_scale = 1,
    .y_variable = {.token = 78},
    .y_scale = 1.35,
    .rotation_variable = {.token = 80},
    .rotation_scale = -1,
    .texture_scale_x = 1,
    .texture_scale_y = 1,
};
Element* g_after_slider[] = {&g_sprite.header, nullptr};
Slider g_slider = {
    .header = {.kind = kKindSlider,
               .bitmap = 50,
               .x = 10,
               .y = 10,
               .gauge = &g_test_gauge,
               .following = g_after_slider,
               .image_flags = 0x3},
    .x_variable = {.token = 69},
    .x_scale = 0.5,
    .y_variable = {.token = 612},
    .y_scale = -0.14,
    .y_callback = y_plus_ten,
};
Element* g_after_strip[] = {&g_slider.header, nullptr};
MovingImage g_strip = {
    .header = {.kind = kKindMovingImage,
               .bitmap = 40,
               .x = 5,
               .y = 5,
               .gauge = &g_test_gauge,
               .following = g_after_strip,
               .image_flags = 0x4083},
    .x_variable = {.token = 0},
    .x_min = 1,
    .x_max = 1,
    .y_variable = {.token = 74},
    .y_min = 10,
    .y_max = 0,
};
Element* g_after_flag[] = {&g_strip.header, nullptr};
Icon g_flag = {
    .header = {.kind = kKindIcon, .bitmap = 30, .gauge = &g_test_gauge, .following = g_after_flag, .image_flags = 0x3},
    .variable = {.token = 74},
    .scale = 0,
    .image_count = 1,
    .callback = minus_one,
};
Element* g_after_icon[] = {&g_flag.header, nullptr};
Icon g_icon = {
    .header = {.kind = kKindIcon, .bitmap = 20, .gauge = &g_test_gauge, .following = g_after_icon, .image_flags = 0x3},
    .variable = {.token = 14},
    .scale = 1,
    .image_count = 3,
};
Element* g_after_needle[] = {&g_icon.header, nullptr};
Needle g_needle = {
    .header = {.kind = kKindNeedle,
               .bitmap = 11,
               .x = 50,
               .y = 50,
               .pivot_x = 5,
               .pivot_y = 5,
               .gauge = &g_test_gauge,
               .following = g_after_needle,
               .failures = g_bindings,
               .image_flags = 0x4083},
    .variable = {.token = 61},
    .table = g_table,
    .table_count = 2,
    .callback = doubled,
};
Element* g_after_face[] = {&g_needle.header, nullptr};
StaticImage g_face = {.header = {.kind = kKindStaticImage,
                                 .bitmap = 10,
                                 .gauge = &g_test_gauge,
                                 .following = g_after_face,
                                 .image_flags = 0x4003}};
Element* g_elements[] = {&g_face.header, nullptr};

Gauge g_test_gauge = {.version = kGaugeHeaderVersion, .name = "Test_Gauge", .elements = g_elements, .width_mm = 100};

// Strip 40 is 20 wide and 230 tall behind a 20 x 23 window.
const SizedBitmaps kBitmaps({{10, {100, 100}}, {40, {20, 230}}, {41, {20, 23}}});

class ValueFlow : public ::testing::Test {
protected:
    Host host;
    size_t index = host.place(g_test_gauge, std::nullopt, &kBitmaps);
    const gaugehost::ElementState& state(size_t element) { return host.placed(index).states[element]; }
    void frame() { host.frame(); }
};

}  // namespace

TEST_F(ValueFlow, CallbacksDriveTheirAxesAndTheTableTurnsTheNeedle) {
    host.variables().set(61, 22.5);
    frame();
    EXPECT_DOUBLE_EQ(state(1).drawn.value, 45);
    EXPECT_NEAR(*state(1).angle, 45.0, 1e-9);  // half-way from up to three o'clock
}

TEST_F(ValueFlow, IconImagesAndTheNegativeTestBeforeScaling) {
    struct Case {
        double value;
        std::optional<int> image;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2.7, 2}, Case{9, 2}, Case{-0.5, std::nullopt}}) {
        host.variables().set(14, c.value);
        frame();
        EXPECT_EQ(state(2).image, c.image) << "value " << c.value;
    }
    // Scale 0, callback -1: hidden all the same.
    EXPECT_FALSE(state(3).image.has_value());
}

TEST_F(ValueFlow, StripOffsetsRunBackwardsWithMinimumAboveMaximum) {
    // y range 10 ... 0 over 230 - 23 = 207 rows: 10 shows the top, 0 the bottom.
    for (auto [value, rows] : std::vector<std::pair<double, double>>{{10, 0}, {0, 207}, {3, 144.9}}) {
        host.variables().set(74, value);
        frame();
        EXPECT_NEAR(state(4).offset_y, rows, 1e-9) << "value " << value;
        EXPECT_EQ(state(4).offset_x, 0);  // x range 1 ... 1: no division, no offset
    }
}

TEST_F(ValueFlow, SliderAndSpriteOffsets) {
    host.variables().set(69, 64);
    host.variables().set(612, 90);
    host.variables().set(78, 10);
    host.variables().set(80, 30);
    frame();
    EXPECT_DOUBLE_EQ(state(5).offset_x, 32);
    EXPECT_NEAR(state(5).offset_y, -14, 1e-12);  // (90 + 10) x -0.14
    EXPECT_DOUBLE_EQ(state(6).shift_x, 0);
    EXPECT_DOUBLE_EQ(state(6).shift_y, 13.5);
    EXPECT_DOUBLE_EQ(state(6).sprite_angle, -30);
}

TEST_F(ValueFlow, FailureBindingsFreezeZeroAndHide) {
    host.variables().set(61, 10);
    frame();
    host.variables().set_failure(6, true);  // freeze at 20
    host.variables().set(61, 40);
    frame();
    frame();
    EXPECT_DOUBLE_EQ(state(1).drawn.value, 20);
    host.variables().set_failure(3, true);  // zero wins, being later in the list
    frame();
    EXPECT_DOUBLE_EQ(state(1).drawn.value, 0);
    host.variables().set_failure(3, false);
    host.variables().set_failure(6, false);
    frame();
    EXPECT_DOUBLE_EQ(state(1).drawn.value, 80);
    // A freeze that begins later keeps the value of that moment.
    host.variables().set_failure(6, true);
    host.variables().set(61, 1);
    frame();
    EXPECT_DOUBLE_EQ(state(1).drawn.value, 80);
    host.variables().set_failure(6, false);

    host.variables().set_failure(2, true);  // listed only
    frame();
    EXPECT_DOUBLE_EQ(state(1).drawn.value, 2);
    EXPECT_FALSE(state(1).hidden);
    host.variables().set_failure(21, true);
    frame();
    EXPECT_TRUE(state(1).hidden);
}

TEST(Variables, IntegerFormTokensHoldTheirCodeInTheFirst32Bits) {
    gaugehost::VariableStore store;
    store.set(23, 0x1802);
    ModuleVariable variable{.token = 23};
    store.look_up(variable);
    EXPECT_EQ(variable_code(variable), 0x1802u);
    store.set(276, 1);
    EXPECT_EQ(store.code(276), 1u);
    store.set(61, 0x1802);
    EXPECT_DOUBLE_EQ(store.slot(61), 6146.0);
    EXPECT_DOUBLE_EQ(store.slot(999), 0.0);  // every token starts at 0
}
