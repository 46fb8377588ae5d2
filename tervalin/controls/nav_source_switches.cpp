// "ILS_Switch" and "TACAN_Switch": two lamp push buttons that choose the
// navigation source. Both flip the one selection; each lamp is lit while
// its source is selected and its NAV head is powered.
#include "controls/nav_source.h"
#include "controls/switches.h"
#include "core/gauges.h"

namespace {

using namespace tervalin;

constexpr uint32_t kLampImages = 2;
constexpr uint32_t kWidthMm = 30;
constexpr int32_t kClickX = 2, kClickY = 2, kClickWidth = 20, kClickHeight = 42;
constexpr uint32_t kElectricalFailure = 20;

// The lamps go dark while the electrical system has failed.
FailureBinding lamp_failures[] = {{.key = kElectricalFailure, .action = kFailureActionZero}, {}};

// ---------------------------------------------------------------------------
// "ILS_Switch"

// The plate is the dark lamp itself (24 x 46); image 1 is the lamp lit green.
constexpr uint32_t kIlsLampBitmap = 3400;

SoundSet ils_sound{};
constexpr SwitchBinding ils_binding{.sound = ils_sound};

// Placing an ILS button selects the ILS source before it clicks.
void ils_switch_callback(Gauge* gauge, int32_t service, uintptr_t extra) {
    if (service == kServiceInstall) ils_selected = 1;
    switch_sound_callback<ils_binding>(gauge, service, extra);
}

Icon ils_lamp = {.header = {.kind = kKindIcon, .bitmap = kIlsLampBitmap, .x = 0, .y = 0, .gauge = &ils_switch_gauge,
                            .failures = lamp_failures, .image_flags = 0x7},
                 .variable = {.token = 0}, .scale = 1, .image_count = kLampImages, .callback = ils_lamp_value};
Element* ils_after_plate[] = {&ils_lamp.header, nullptr};
StaticImage ils_plate = {.header = {.kind = kKindStaticImage, .bitmap = kIlsLampBitmap, .x = 0, .y = 0,
                                    .gauge = &ils_switch_gauge, .following = ils_after_plate, .image_flags = 0x3}};
Element* ils_elements[] = {&ils_plate.header, nullptr};

MouseArea ils_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = 0},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = nav_source_click<ils_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

// ---------------------------------------------------------------------------
// "TACAN_Switch"

// As the ILS button: the dark TAC lamp is the plate, image 1 lit green.
constexpr uint32_t kTacanLampBitmap = 3410;

SoundSet tacan_sound{};
constexpr SwitchBinding tacan_binding{.sound = tacan_sound};

Icon tacan_lamp = {.header = {.kind = kKindIcon, .bitmap = kTacanLampBitmap, .x = 0, .y = 0,
                              .gauge = &tacan_switch_gauge, .failures = lamp_failures, .image_flags = 0x7},
                   .variable = {.token = 0}, .scale = 1, .image_count = kLampImages, .callback = tacan_lamp_value};
Element* tacan_after_plate[] = {&tacan_lamp.header, nullptr};
StaticImage tacan_plate = {.header = {.kind = kKindStaticImage, .bitmap = kTacanLampBitmap, .x = 0, .y = 0,
                                      .gauge = &tacan_switch_gauge, .following = tacan_after_plate,
                                      .image_flags = 0x3}};
Element* tacan_elements[] = {&tacan_plate.header, nullptr};

MouseArea tacan_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = 0},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = nav_source_click<tacan_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge ils_switch_gauge = {.version = kGaugeHeaderVersion, .name = "ILS_Switch", .elements = ils_elements,
                          .width_mm = kWidthMm, .mouse_areas = ils_areas, .callback = ils_switch_callback};
Gauge tacan_switch_gauge = {.version = kGaugeHeaderVersion, .name = "TACAN_Switch", .elements = tacan_elements,
                            .width_mm = kWidthMm, .mouse_areas = tacan_areas,
                            .callback = switch_sound_callback<tacan_binding>};
