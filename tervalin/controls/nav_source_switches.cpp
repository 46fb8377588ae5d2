// "ILS_Switch" and "TACAN_Switch": two lamp push buttons that choose the
// navigation source. Both flip the one selection; each lamp is lit while
// its source is selected and its NAV head is powered.
#include "controls/nav_source.h"
#include "controls/switches.h"
#include "core/gauges.h"
#include "host_numbers.h"
#include "records.h"

namespace {

using namespace tervalin;

constexpr uint32_t kLampImages = 2;
constexpr uint32_t kWidthMm = 30;
constexpr kit::Box kClickBox = {.x = 2, .y = 2, .width = 20, .height = 42};

// The lamps go dark while the electrical system has failed.
FailureBinding lamp_failures[] = {{.key = failure::electrical, .action = kFailureActionZero}, {}};

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

// Plate, lamp.
constinit kit::Chain ils_chain{
    &ils_switch_gauge,
    StaticImage{.header = {.bitmap = kIlsLampBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Icon{.header = {.bitmap = kIlsLampBitmap, .x = 0, .y = 0, .failures = lamp_failures, .image_flags = kDrawLamp},
         .variable = {.token = 0},
         .scale = 1,
         .image_count = kLampImages,
         .callback = ils_lamp_value},
};

constinit auto ils_mouse_areas =
    kit::one_group(0, kit::child(kClickBox, kCursorPush, kClickLeft, nav_source_click<ils_binding>));

// ---------------------------------------------------------------------------
// "TACAN_Switch"

// As the ILS button: the dark TAC lamp is the plate, image 1 lit green.
constexpr uint32_t kTacanLampBitmap = 3410;

SoundSet tacan_sound{};
constexpr SwitchBinding tacan_binding{.sound = tacan_sound};

// Plate, lamp.
constinit kit::Chain tacan_chain{
    &tacan_switch_gauge,
    StaticImage{.header = {.bitmap = kTacanLampBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Icon{.header = {.bitmap = kTacanLampBitmap, .x = 0, .y = 0, .failures = lamp_failures, .image_flags = kDrawLamp},
         .variable = {.token = 0},
         .scale = 1,
         .image_count = kLampImages,
         .callback = tacan_lamp_value},
};

constinit auto tacan_mouse_areas =
    kit::one_group(0, kit::child(kClickBox, kCursorPush, kClickLeft, nav_source_click<tacan_binding>));

}  // namespace

Gauge ils_switch_gauge = {.version = kGaugeHeaderVersion,
                          .name = "ILS_Switch",
                          .elements = ils_chain.root(),
                          .width_mm = kWidthMm,
                          .mouse_areas = ils_mouse_areas.areas,
                          .callback = ils_switch_callback};
Gauge tacan_switch_gauge = {.version = kGaugeHeaderVersion,
                            .name = "TACAN_Switch",
                            .elements = tacan_chain.root(),
                            .width_mm = kWidthMm,
                            .mouse_areas = tacan_mouse_areas.areas,
                            .callback = switch_sound_callback<tacan_binding>};
