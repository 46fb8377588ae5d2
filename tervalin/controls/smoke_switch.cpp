// "Smoke_Switch": the ON SMOKE push button, lit while the host's smoke
// system runs; a click toggles it by a key event.
#include "controls/switches.h"
#include "core/gauges.h"

namespace {

using namespace tervalin;

constexpr uint32_t kPlateBitmap = 2210;   // 64 x 60, dark square
constexpr uint32_t kButtonBitmap = 2220;  // 2220 dark, 2221 lit green
constexpr uint32_t kButtonImages = 2;
constexpr VariableToken kSmokeSystem = 15;
constexpr int32_t kClickX = 2, kClickY = 2, kClickWidth = 60, kClickHeight = 56;
constexpr uint32_t kSmokeHelp = 42259;  // 0xA513
constexpr KeyEvent kToggleSmoke = 65559;
constexpr uint32_t kWidthMm = 40;

SoundSet smoke_sound{};
constexpr SwitchBinding smoke_binding{.sound = smoke_sound, .event = kToggleSmoke};

Icon button = {.header = {.kind = kKindIcon, .bitmap = kButtonBitmap, .x = 0, .y = 0, .gauge = &smoke_switch_gauge,
                          .image_flags = 0x3},
               .variable = {.token = kSmokeSystem}, .scale = 1, .image_count = kButtonImages,
               .callback = smoke_switch_value};
Element* after_plate[] = {&button.header, nullptr};
StaticImage plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                .gauge = &smoke_switch_gauge, .following = after_plate, .image_flags = 0x3}};
Element* elements[] = {&plate.header, nullptr};

MouseArea areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kSmokeHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .callback = light_switch_click<smoke_binding>},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge smoke_switch_gauge = {.version = kGaugeHeaderVersion, .name = "Smoke_Switch", .elements = elements,
                            .width_mm = kWidthMm, .mouse_areas = areas,
                            .callback = switch_sound_callback<smoke_binding>};
