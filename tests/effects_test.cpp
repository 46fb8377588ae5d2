// The host's key-event effects: the panel-window events are rows like the
// others, and with effects off nothing a gauge sends changes the host.
#include <gtest/gtest.h>

#include "events.h"
#include "host.h"
#include "host_numbers.h"

namespace {

const std::string kSample = std::string(TEST_MODULES) + "/sample.gau";

}  // namespace

TEST(Effects, PanelWindowEventsOpenCloseAndToggle) {
    const auto effects = gaugehost::EventEffects::standard();
    struct Case {
        KeyEvent event;
        bool closed_before, closed_after;
    };
    for (const Case& c : {
             Case{event::panel_window_toggle, false, true},
             Case{event::panel_window_toggle, true, false},
             Case{event::panel_window_open, true, false},
             Case{event::panel_window_open, false, false},
             Case{event::panel_window_close, false, true},
             Case{event::panel_window_close, true, true},
         }) {
        gaugehost::VariableStore variables;
        std::set<uint32_t> closed;
        if (c.closed_before) closed.insert(7);
        std::vector<gaugehost::AppliedEffect> log;
        gaugehost::EffectContext context{variables, closed, gaugehost::Clock(variables), log};
        ASSERT_TRUE(effects.apply(context, c.event, 7));
        EXPECT_EQ(closed.count(7) != 0, c.closed_after) << c.event << " from " << c.closed_before;
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].event, c.event);
        EXPECT_TRUE(variables.slots().empty());
    }
}

TEST(Effects, OffTheHostRecordsButChangesNothing) {
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        gaugehost::Host host;
        host.set_effects_enabled(enabled);
        host.load_module(kSample);
        host.variables().set(token::pressure_setting, 1013);
        const size_t gauge = host.place("Sample_Needle", "x");
        host.install(gauge);                      // toggles window 50 through the service
        EXPECT_TRUE(host.click(gauge, 30, 160));  // the host sends pressure setting up
        host.send_event(event::panel_window_close, 9);
        EXPECT_EQ(host.window_toggles().size(), 1u);
        EXPECT_EQ(host.events().size(), 2u);
        EXPECT_EQ(host.variables().number(token::pressure_setting), enabled ? 1014 : 1013);
        EXPECT_EQ(host.closed_windows(), (enabled ? std::set<uint32_t>{9, 50} : std::set<uint32_t>{}));
        EXPECT_EQ(host.applied_effects().size(), enabled ? 2u : 0u);
        host.unload();
    }
}
