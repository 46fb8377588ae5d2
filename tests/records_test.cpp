// The records kit: a chain writes each element's kind from its record type
// and links the elements in table order; the mouse-list makers give the
// entries the host expects. Checked on a gauge made here and placed in the
// host as a module's gauge would be.
#include "records.h"

#include <gtest/gtest.h>

#include "host.h"
#include "support.h"

namespace {

extern Gauge kit_gauge;

CalibrationPoint table[] = {
    {.x = 50, .y = 0, .value = 0},
    {.x = 100, .y = 50, .value = 90},
};

int32_t no_click(ClickRecord*, uint32_t) {
    return 0;
}

// The icon's header claims to be a needle: the chain's type wins.
constinit kit::Chain chain{
    &kit_gauge,
    StaticImage{.header = {.bitmap = 1, .image_flags = kDrawLit}},
    Needle{.header = {.bitmap = 2, .x = 50, .y = 50, .image_flags = kDrawLitMoving},
           .table = table,
           .table_count = kit::count(table)},
    Icon{.header = {.kind = kKindNeedle, .bitmap = 3, .image_flags = kDrawLamp}, .scale = 1, .image_count = 2},
};

constinit MouseArea mouse_areas[] = {
    kit::parent(7),
    kit::parent(8, {.x = 10, .y = 10, .width = 20, .height = 20}),
    kit::child({.width = 10, .height = 10}, kCursorUp, kClickLeft, no_click),
    kit::child_event({.x = 10, .width = 10, .height = 10}, kCursorDown, kClickLeftRepeat, 65883),
    kit::end_parent(),
    kit::end_parent(),
    kit::end(),
};
constinit auto tooltip_areas = kit::tooltip(9);

Gauge kit_gauge = {
    .version = kGaugeHeaderVersion, .name = "Kit_Gauge", .elements = chain.root(), .mouse_areas = mouse_areas};

}  // namespace

TEST(RecordsKit, ChainSetsKindsGaugeAndFollowersInTableOrder) {
    const std::vector<Element*> elements = test_support::definition_chain(kit_gauge);
    ASSERT_EQ(elements.size(), 3u);
    const uint32_t kinds[] = {kKindStaticImage, kKindNeedle, kKindIcon};
    for (size_t i = 0; i < elements.size(); ++i) {
        EXPECT_EQ(elements[i]->kind, kinds[i]) << i;
        EXPECT_EQ(elements[i]->bitmap, i + 1);
        EXPECT_EQ(elements[i]->gauge, &kit_gauge);
    }
    EXPECT_EQ(kit_gauge.elements[1], nullptr);
    EXPECT_EQ(elements[0]->following[1], nullptr);
    EXPECT_EQ(elements[2]->following, nullptr);
    EXPECT_EQ(&chain.at<2>().header, elements[2]);
}

TEST(RecordsKit, MouseListsEndAsTheHostExpects) {
    const MouseArea* a = mouse_areas;
    const uint32_t kinds[] = {
        kMouseParent, kMouseParent, kMouseChild, kMouseChild, kMouseEndParent, kMouseEndParent, kMouseEnd};
    for (size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(a[i].kind, kinds[i]) << i;
    for (size_t i : {0, 1, 4, 5, 6}) EXPECT_EQ(a[i].cursor, kCursorNone) << i;
    EXPECT_EQ(a[0].help_id, 7u);
    EXPECT_EQ(a[0].width, 0);
    EXPECT_EQ(a[2].callback, no_click);
    EXPECT_EQ(a[3].event, 65883u);
    EXPECT_EQ(a[3].callback, nullptr);

    const MouseArea* t = tooltip_areas.areas;
    EXPECT_EQ(t[0].kind, kMouseParent);
    EXPECT_EQ(t[0].help_id, 9u);
    EXPECT_EQ(t[1].kind, kMouseEndParent);
    EXPECT_EQ(t[2].kind, kMouseEnd);
}

TEST(RecordsKit, TheHostCopiesAndDrivesAKitGauge) {
    gaugehost::Host host;
    const size_t index = host.place(kit_gauge, std::nullopt);
    host.install(index);
    host.frame();
    const auto& placed = host.placed(index);
    ASSERT_EQ(placed.instance->elements().size(), 3u);
    // The needle turns by its table: 90 at three o'clock.
    EXPECT_NEAR(placed.states[1].angle.value_or(-1), 0.0, 1e-9);
    // The icon is drawn as the icon it is: no value, image 0.
    EXPECT_EQ(placed.states[2].image, 0);
    // The child area without a callback has the host send its event.
    EXPECT_TRUE(host.click(index, 25, 15));
    ASSERT_EQ(host.events().size(), 1u);
    EXPECT_EQ(host.events()[0].id, 65883u);
}
