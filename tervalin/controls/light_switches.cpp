// The light switches: "Panel_Lights_Switch", "Landing_Lights_Switch",
// "Navigation_Lights_Switch", "Strobe_Lights_Switch" and
// "Beacon_Lights_Switch", toggle levers on a plate showing a host light
// variable and toggling it by a key event. One row per gauge, in gauge-table
// order; LightSwitch<I> builds row I's records, its click and its own click
// sound.
#include "controls/switches.h"
#include "core/gauges.h"
#include "host_numbers.h"
#include "records.h"

namespace {

using namespace tervalin;

// Shared by the family.
constexpr uint32_t kPlateBitmap = 40;  // 44 x 84, a plate with a circular bezel
constexpr uint32_t kLeverBitmap = 50;  // 50 centred, 51 down (off), 52 up (on)
constexpr uint32_t kLeverImages = 3;
constexpr uint32_t kWidthMm = 40;
constexpr kit::Box kClickBox = {.x = 2, .y = 2, .width = 40, .height = 80};

struct LightSwitchRow {
    Gauge* gauge;
    const char* name;
    VariableToken light;  // the variable shown
    uint32_t help;
    KeyEvent toggle;  // sent on a click
};

constexpr LightSwitchRow light_switches[] = {
    {.gauge = &panel_lights_switch_gauge,
     .name = "Panel_Lights_Switch",
     .light = token::panel_lights,
     .help = 43840 /* 0xAB40 */,
     .toggle = event::toggle_panel_lights},
    {.gauge = &landing_lights_switch_gauge,
     .name = "Landing_Lights_Switch",
     .light = token::landing_lights,
     .help = 43838 /* 0xAB3E */,
     .toggle = event::toggle_landing_lights},
    {.gauge = &navigation_lights_switch_gauge,
     .name = "Navigation_Lights_Switch",
     .light = token::navigation_lights,
     .help = 43839 /* 0xAB3F */,
     .toggle = event::toggle_navigation_lights},
    {.gauge = &strobe_lights_switch_gauge,
     .name = "Strobe_Lights_Switch",
     .light = token::strobe_lights,
     .help = 43842 /* 0xAB42 */,
     .toggle = event::toggle_strobe_lights},
    {.gauge = &beacon_lights_switch_gauge,
     .name = "Beacon_Lights_Switch",
     .light = token::beacon_lights,
     .help = 43837 /* 0xAB3D */,
     .toggle = event::toggle_beacon_lights},
};

template <size_t I>
struct LightSwitch {
    static constexpr const LightSwitchRow& row = light_switches[I];

    static inline SoundSet sound{};
    static constexpr SwitchBinding binding{.sound = sound, .event = row.toggle};

    // Plate, lever.
    static constinit inline kit::Chain chain{
        row.gauge,
        StaticImage{.header = {.bitmap = kPlateBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain}},
        Icon{.header = {.bitmap = kLeverBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain},
             .variable = {.token = row.light},
             .scale = 1,
             .image_count = kLeverImages,
             .callback = light_switch_value},
    };
    static constinit inline auto mouse_areas =
        kit::one_group(row.help, kit::child(kClickBox, kCursorPush, kClickLeft, light_switch_click<binding>));

    static constexpr Gauge gauge() {
        return {.version = kGaugeHeaderVersion,
                .name = row.name,
                .elements = chain.root(),
                .width_mm = kWidthMm,
                .mouse_areas = mouse_areas.areas,
                .callback = switch_sound_callback<binding>};
    }
};

}  // namespace

constinit Gauge panel_lights_switch_gauge = LightSwitch<0>::gauge();
constinit Gauge landing_lights_switch_gauge = LightSwitch<1>::gauge();
constinit Gauge navigation_lights_switch_gauge = LightSwitch<2>::gauge();
constinit Gauge strobe_lights_switch_gauge = LightSwitch<3>::gauge();
constinit Gauge beacon_lights_switch_gauge = LightSwitch<4>::gauge();
