// Instance copies, the service codes of an instance's life, and clicks
// through nested mouse areas.
#include <gtest/gtest.h>

#include "host.h"
#include "support.h"

using gaugehost::ClickKind;
using gaugehost::Host;
using test_support::SizedBitmaps;

namespace {

extern Gauge g_clicky;

struct Seen {
    std::vector<std::pair<int32_t, uintptr_t>> services;
    std::vector<Gauge*> gauges;
    std::vector<ClickRecord> clicks;
    std::vector<uint32_t> click_flags;
    double value_at_click = -1;
} g_seen;

void clicky_callback(Gauge* gauge, int32_t service, uintptr_t extra) {
    g_seen.services.emplace_back(service, extra);
    g_seen.gauges.push_back(gauge);
    // Callbacks may rewrite their own instance (the engine gauges do).
    if (service == kServiceInstall && gauge->parameters && gauge->parameters[0] == '2')
        element_as<Needle>(gauge->elements[0]->following[0])->variable.token = 643;
}

int32_t knob_click(ClickRecord* click, uint32_t flags) {
    g_seen.clicks.push_back(*click);
    g_seen.click_flags.push_back(flags);
    // An event sent during the callback takes effect after it returns.
    test_support::g_services->trigger_key_event(65883, 0);
    ModuleVariable pressure{.token = 75};
    test_support::g_services->lookup_var(&pressure);
    g_seen.value_at_click = pressure.value;
    return 0;
}

Needle g_needle = {.header = {.kind = kKindNeedle, .bitmap = 2, .x = 50, .y = 50, .gauge = &g_clicky},
                   .variable = {.token = 624}};
Element* g_following[] = {&g_needle.header, nullptr};
StaticImage g_face = {.header = {.kind = kKindStaticImage, .bitmap = 1, .gauge = &g_clicky, .following = g_following}};
Element* g_elements[] = {&g_face.header, nullptr};

MouseArea g_areas[] = {
    {.kind = kMouseParent, .cursor = kCursorNone, .help_id = 43783},
    {.kind = kMouseParent, .x = 10, .y = 60, .width = 40, .height = 40, .cursor = kCursorNone},
    {.kind = kMouseChild,
     .x = 0,
     .y = 0,
     .width = 20,
     .height = 40,
     .cursor = kCursorDown,
     .click_flags = kClickLeftRepeat,
     .event = 65884},
    {.kind = kMouseChild,
     .x = 20,
     .y = 0,
     .width = 20,
     .height = 40,
     .cursor = kCursorUp,
     .click_flags = kClickLeftRepeat,
     .callback = knob_click},
    {.kind = kMouseEndParent},
    {.kind = kMouseChild,
     .x = 60,
     .y = 0,
     .width = 40,
     .height = 20,
     .cursor = kCursorPush,
     .click_flags = kClickLeft | kClickMoveBit,
     .event = 66000},
    {.kind = kMouseEndParent},
    {.kind = kMouseEnd},
};

Gauge g_clicky = {.version = kGaugeHeaderVersion,
                  .name = "Clicky",
                  .elements = g_elements,
                  .width_mm = 100,
                  .mouse_areas = g_areas,
                  .callback = clicky_callback};

const SizedBitmaps kBitmaps({{1, {100, 100}}});

class Instances : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = {};
        test_support::g_services = host.services();
        host.effects().add(
            65883, [](gaugehost::EffectContext& c, uint32_t) { c.variables.set(75, c.variables.slot(75) + 1); });
        host.effects().add(
            65884, [](gaugehost::EffectContext& c, uint32_t) { c.variables.set(75, c.variables.slot(75) - 1); });
        host.variables().set(75, 1013);
    }
    Host host;
};

}  // namespace

TEST_F(Instances, EachPlacedInstanceHasItsOwnCopyAndParameters) {
    const size_t a = host.place(g_clicky, std::nullopt, &kBitmaps, 0x1234);
    const size_t b = host.place(g_clicky, "2", &kBitmaps, 0x1234);
    host.install(a);
    host.install(b);
    Gauge& ga = host.placed(a).instance->gauge();
    Gauge& gb = host.placed(b).instance->gauge();
    ASSERT_NE(&ga, &gb);
    EXPECT_EQ(ga.parameters, nullptr);
    EXPECT_STREQ(gb.parameters, "2");
    // Pointers lead into the copy, never back into the definition.
    EXPECT_NE(ga.elements[0], &g_face.header);
    EXPECT_EQ(ga.elements[0]->gauge, &ga);
    EXPECT_EQ(ga.elements[0]->following[0]->gauge, &ga);
    EXPECT_NE(ga.mouse_areas, g_areas);
    // The rewrite reached only instance b.
    EXPECT_EQ(element_as<Needle>(host.placed(a).instance->elements()[1])->variable.token, 624);
    EXPECT_EQ(element_as<Needle>(host.placed(b).instance->elements()[1])->variable.token, 643);
    EXPECT_EQ(g_needle.variable.token, 624);
    // Install with the module handle as extra word, to the instance's copy.
    ASSERT_EQ(g_seen.services.size(), 2u);
    EXPECT_EQ(g_seen.services[0], std::make_pair(int32_t(kServiceInstall), uintptr_t(0x1234)));
    EXPECT_EQ(g_seen.gauges[0], &ga);
}

TEST_F(Instances, LifeCycleServiceCodes) {
    const size_t a = host.place(g_clicky, std::nullopt, &kBitmaps, 7);
    host.install(a);
    host.connect(a);
    host.frame();
    host.kill(a);
    host.frame();  // a killed instance is not updated any more
    std::vector<int32_t> codes;
    for (auto [code, extra] : g_seen.services) codes.push_back(code);
    EXPECT_EQ(codes, (std::vector<int32_t>{2, 14, 6, 12, 13}));
}

TEST_F(Instances, ChildBoxesCountFromTheirParentAndCallbacksSeeTheAreaPoint) {
    const size_t a = host.place(g_clicky, std::nullopt, &kBitmaps);
    EXPECT_TRUE(host.click(a, 35, 70));  // (25, 10) of the right half
    ASSERT_EQ(g_seen.clicks.size(), 1u);
    EXPECT_EQ(g_seen.clicks[0].x, 5);
    EXPECT_EQ(g_seen.clicks[0].y, 10);
    EXPECT_EQ(g_seen.clicks[0].gauge, &host.placed(a).instance->gauge());
    EXPECT_EQ(g_seen.click_flags[0], kClickLeft);
    // The event came after the callback had read the variable.
    EXPECT_EQ(g_seen.value_at_click, 1013);
    EXPECT_EQ(host.variables().slot(75), 1014);
    ASSERT_EQ(host.events().size(), 1u);
    EXPECT_EQ(host.events()[0].instance, a);

    // The left half has no callback: the host sends its event itself.
    EXPECT_TRUE(host.click(a, 12, 99));
    EXPECT_EQ(host.events().back().id, 65884u);
    EXPECT_FALSE(host.events().back().instance.has_value());
    EXPECT_EQ(host.variables().slot(75), 1013);
    // Outside every child: nothing.
    EXPECT_FALSE(host.click(a, 55, 70));
    EXPECT_FALSE(host.click(a, 100, 100));
}

TEST_F(Instances, RepeatsAndDragsReachOnlyTheAreasThatTakeThem) {
    const size_t a = host.place(g_clicky, std::nullopt, &kBitmaps);
    host.hold(a, 35, 70, 3);
    EXPECT_EQ(g_seen.click_flags,
              (std::vector<uint32_t>{kClickLeft, kClickLeftRepeat, kClickLeftRepeat, kClickLeftRepeat}));
    EXPECT_EQ(host.variables().slot(75), 1017);
    // The push area takes drags but not repeats.
    const size_t before = host.events().size();
    host.hold(a, 70, 5, 3);
    EXPECT_EQ(host.events().size(), before + 1);
    EXPECT_TRUE(host.click(a, 70, 5, ClickKind::Drag));
    EXPECT_FALSE(host.click(a, 35, 70, ClickKind::Drag));
    EXPECT_EQ(host.events().back().id, 66000u);
}

TEST_F(Instances, MalformedDefinitionsAreRefusedWithTheGaugeName) {
    StaticImage bad = {.header = {.kind = 9, .gauge = &g_clicky}};
    Element* list[] = {&bad.header, nullptr};
    Gauge broken = g_clicky;
    broken.name = "Broken";
    broken.elements = list;
    try {
        host.place(broken, std::nullopt);
        FAIL() << "placed a gauge with an unknown element kind";
    } catch (const gaugehost::HostError& e) {
        EXPECT_STREQ(e.what(), "gauge Broken: element 1 has unknown kind 9");
    }
}
