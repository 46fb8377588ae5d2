// "NAV_GPS_Switch": a toggle showing the host's NAV/GPS selection. Pure
// data: the variable picks the lever image and the host sends the area's
// event itself; no callback, no click sound.
#include "core/gauges.h"
#include "host_numbers.h"
#include "records.h"

namespace {

constexpr uint32_t kPlateBitmap = 3430;  // 30 x 54, NAV above, GPS below
constexpr uint32_t kLeverBitmap = 3440;  // 3440 up (NAV), 3441 down (GPS)
constexpr uint32_t kLeverImages = 2;
constexpr int32_t kLeverX = 0, kLeverY = 9;
constexpr kit::Box kClickBox = {.x = 0, .y = 0, .width = 30, .height = 54};
constexpr uint32_t kNavGpsHelp = 43853;  // 0xAB4D
constexpr uint32_t kWidthMm = 30;

// Plate, lever.
constinit kit::Chain chain{
    &nav_gps_switch_gauge,
    StaticImage{.header = {.bitmap = kPlateBitmap, .x = 0, .y = 0, .image_flags = kDrawPlain}},
    Icon{.header = {.bitmap = kLeverBitmap, .x = kLeverX, .y = kLeverY, .image_flags = kDrawPlain},
         .variable = {.token = token::nav_gps_selection},
         .scale = 1,
         .image_count = kLeverImages},
};

constinit auto mouse_areas =
    kit::one_group(kNavGpsHelp, kit::child_event(kClickBox, kCursorPush, kClickLeft, event::toggle_nav_gps));

}  // namespace

Gauge nav_gps_switch_gauge = {.version = kGaugeHeaderVersion,
                              .name = "NAV_GPS_Switch",
                              .elements = chain.root(),
                              .width_mm = kWidthMm,
                              .mouse_areas = mouse_areas.areas};
