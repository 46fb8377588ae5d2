// "Beacon_Lights_Switch", "Landing_Lights_Switch", "Navigation_Lights_Switch",
// "Panel_Lights_Switch", "Strobe_Lights_Switch": toggle levers on a plate,
// showing a host light variable and toggling it by a key event. They share
// plate, lever images, click box and code; each has its own click sound.
#include "controls/switches.h"
#include "core/gauges.h"

namespace {

using namespace tervalin;

// Shared by the family.
constexpr uint32_t kPlateBitmap = 40;  // 44 x 84, a plate with a circular bezel
constexpr uint32_t kLeverBitmap = 50;  // 50 centred, 51 down (off), 52 up (on)
constexpr uint32_t kLeverImages = 3;
constexpr uint32_t kWidthMm = 40;
constexpr int32_t kClickX = 2, kClickY = 2, kClickWidth = 40, kClickHeight = 80;

// Table order: variable shown, help id, key event sent.
constexpr VariableToken kBeaconLights = 368;
constexpr uint32_t kBeaconHelp = 43837;  // 0xAB3D
constexpr KeyEvent kToggleBeaconLights = 66239;

constexpr VariableToken kLandingLights = 14;
constexpr uint32_t kLandingHelp = 43838;  // 0xAB3E
constexpr KeyEvent kToggleLandingLights = 65751;

constexpr VariableToken kNavigationLights = 619;
constexpr uint32_t kNavigationHelp = 43839;  // 0xAB3F
constexpr KeyEvent kToggleNavigationLights = 66379;

constexpr VariableToken kPanelLights = 10;
constexpr uint32_t kPanelHelp = 43840;  // 0xAB40
constexpr KeyEvent kTogglePanelLights = 65750;

constexpr VariableToken kStrobeLights = 11;
constexpr uint32_t kStrobeHelp = 43842;  // 0xAB42
constexpr KeyEvent kToggleStrobeLights = 65560;

// ---------------------------------------------------------------------------
// "Beacon_Lights_Switch"

SoundSet beacon_sound{};
constexpr SwitchBinding beacon_binding{.sound = beacon_sound, .event = kToggleBeaconLights};

Icon beacon_lever = {.header = {.kind = kKindIcon, .bitmap = kLeverBitmap, .x = 0, .y = 0,
                                .gauge = &beacon_lights_switch_gauge, .image_flags = 0x3},
                     .variable = {.token = kBeaconLights}, .scale = 1, .image_count = kLeverImages,
                     .callback = light_switch_value};
Element* beacon_after_plate[] = {&beacon_lever.header, nullptr};
StaticImage beacon_plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                       .gauge = &beacon_lights_switch_gauge, .following = beacon_after_plate,
                                       .image_flags = 0x3}};
Element* beacon_elements[] = {&beacon_plate.header, nullptr};

MouseArea beacon_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kBeaconHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = light_switch_click<beacon_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// "Landing_Lights_Switch"

SoundSet landing_sound{};
constexpr SwitchBinding landing_binding{.sound = landing_sound, .event = kToggleLandingLights};

Icon landing_lever = {.header = {.kind = kKindIcon, .bitmap = kLeverBitmap, .x = 0, .y = 0,
                                 .gauge = &landing_lights_switch_gauge, .image_flags = 0x3},
                      .variable = {.token = kLandingLights}, .scale = 1, .image_count = kLeverImages,
                      .callback = light_switch_value};
Element* landing_after_plate[] = {&landing_lever.header, nullptr};
StaticImage landing_plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                        .gauge = &landing_lights_switch_gauge, .following = landing_after_plate,
                                        .image_flags = 0x3}};
Element* landing_elements[] = {&landing_plate.header, nullptr};

MouseArea landing_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kLandingHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = light_switch_click<landing_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// "Navigation_Lights_Switch"

SoundSet navigation_sound{};
constexpr SwitchBinding navigation_binding{.sound = navigation_sound, .event = kToggleNavigationLights};

Icon navigation_lever = {.header = {.kind = kKindIcon, .bitmap = kLeverBitmap, .x = 0, .y = 0,
                                    .gauge = &navigation_lights_switch_gauge, .image_flags = 0x3},
                         .variable = {.token = kNavigationLights}, .scale = 1, .image_count = kLeverImages,
                         .callback = light_switch_value};
Element* navigation_after_plate[] = {&navigation_lever.header, nullptr};
StaticImage navigation_plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                           .gauge = &navigation_lights_switch_gauge,
                                           .following = navigation_after_plate, .image_flags = 0x3}};
Element* navigation_elements[] = {&navigation_plate.header, nullptr};

MouseArea navigation_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone,
     .help_id = kNavigationHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = light_switch_click<navigation_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// "Panel_Lights_Switch"

SoundSet panel_sound{};
constexpr SwitchBinding panel_binding{.sound = panel_sound, .event = kTogglePanelLights};

Icon panel_lever = {.header = {.kind = kKindIcon, .bitmap = kLeverBitmap, .x = 0, .y = 0,
                               .gauge = &panel_lights_switch_gauge, .image_flags = 0x3},
                    .variable = {.token = kPanelLights}, .scale = 1, .image_count = kLeverImages,
                    .callback = light_switch_value};
Element* panel_after_plate[] = {&panel_lever.header, nullptr};
StaticImage panel_plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                      .gauge = &panel_lights_switch_gauge, .following = panel_after_plate,
                                      .image_flags = 0x3}};
Element* panel_elements[] = {&panel_plate.header, nullptr};

MouseArea panel_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kPanelHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = light_switch_click<panel_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// "Strobe_Lights_Switch"

SoundSet strobe_sound{};
constexpr SwitchBinding strobe_binding{.sound = strobe_sound, .event = kToggleStrobeLights};

Icon strobe_lever = {.header = {.kind = kKindIcon, .bitmap = kLeverBitmap, .x = 0, .y = 0,
                                .gauge = &strobe_lights_switch_gauge, .image_flags = 0x3},
                     .variable = {.token = kStrobeLights}, .scale = 1, .image_count = kLeverImages,
                     .callback = light_switch_value};
Element* strobe_after_plate[] = {&strobe_lever.header, nullptr};
StaticImage strobe_plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                       .gauge = &strobe_lights_switch_gauge, .following = strobe_after_plate,
                                       .image_flags = 0x3}};
Element* strobe_elements[] = {&strobe_plate.header, nullptr};

MouseArea strobe_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kStrobeHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = light_switch_click<strobe_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge beacon_lights_switch_gauge = {.version = kGaugeHeaderVersion, .name = "Beacon_Lights_Switch",
                                    .elements = beacon_elements, .width_mm = kWidthMm, .mouse_areas = beacon_areas,
                                    .callback = switch_sound_callback<beacon_binding>};
Gauge landing_lights_switch_gauge = {.version = kGaugeHeaderVersion, .name = "Landing_Lights_Switch",
                                     .elements = landing_elements, .width_mm = kWidthMm,
                                     .mouse_areas = landing_areas, .callback = switch_sound_callback<landing_binding>};
Gauge navigation_lights_switch_gauge = {.version = kGaugeHeaderVersion, .name = "Navigation_Lights_Switch",
                                        .elements = navigation_elements, .width_mm = kWidthMm,
                                        .mouse_areas = navigation_areas,
                                        .callback = switch_sound_callback<navigation_binding>};
Gauge panel_lights_switch_gauge = {.version = kGaugeHeaderVersion, .name = "Panel_Lights_Switch",
                                   .elements = panel_elements, .width_mm = kWidthMm, .mouse_areas = panel_areas,
                                   .callback = switch_sound_callback<panel_binding>};
Gauge strobe_lights_switch_gauge = {.version = kGaugeHeaderVersion, .name = "Strobe_Lights_Switch",
                                    .elements = strobe_elements, .width_mm = kWidthMm, .mouse_areas = strobe_areas,
                                    .callback = switch_sound_callback<strobe_binding>};
