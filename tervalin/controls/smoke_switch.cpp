// "Smoke_Switch": the ON SMOKE push button, lit while the host's smoke
// system runs; a click toggles it by a key event.
#include "controls/switches.h"
#include "core/gauges.h"
#include "host_numbers.h"
#include "records.h"

namespace {

using namespace tervalin;

constexpr uint32_t kPlateBitmap = 2210;   // 64 x 60, dark square
constexpr uint32_t kButtonBitmap = 2220;  // 2220 dark, 2221 lit green
constexpr uint32_t kButtonImages = 2;
constexpr kit::Box kClickBox = {.x = 2, .y = 2, .width = 60, .height = 56};
constexpr uint32_t kSmokeHelp = 42259;  // 0xA513
constexpr uint32_t kWidthMm = 40;

SoundSet smoke_sound{};
constexpr SwitchBinding smoke_binding{.sound = smoke_sound, .event = event::toggle_smoke};

// Plate, button.
constinit kit::Chain chain{
    &smoke_switch_gauge,
    StaticImage{.header = {.bitmap = kPlateBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Icon{.header = {.bitmap = kButtonBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain},
         .variable = {.token = token::smoke_system},
         .scale = 1,
         .image_count = kButtonImages,
         .callback = smoke_switch_value},
};

constinit auto mouse_areas =
    kit::one_group(kSmokeHelp, kit::child(kClickBox, kCursorPush, kClickLeft, light_switch_click<smoke_binding>));

}  // namespace

Gauge smoke_switch_gauge = {.version = kGaugeHeaderVersion,
                            .name = "Smoke_Switch",
                            .elements = chain.root(),
                            .width_mm = kWidthMm,
                            .mouse_areas = mouse_areas.areas,
                            .callback = switch_sound_callback<smoke_binding>};
