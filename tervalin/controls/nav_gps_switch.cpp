// "NAV_GPS_Switch": a toggle showing the host's NAV/GPS selection. Pure
// data: the variable picks the lever image and the host sends the area's
// event itself; no callback, no click sound.
#include "core/gauges.h"

namespace {

constexpr uint32_t kPlateBitmap = 3430;  // 30 x 54, NAV above, GPS below
constexpr uint32_t kLeverBitmap = 3440;  // 3440 up (NAV), 3441 down (GPS)
constexpr uint32_t kLeverImages = 2;
constexpr int32_t kLeverX = 0, kLeverY = 9;
constexpr VariableToken kNavGpsSelection = 848;  // 0 NAV, 1 GPS
constexpr int32_t kClickX = 0, kClickY = 0, kClickWidth = 30, kClickHeight = 54;
constexpr uint32_t kNavGpsHelp = 43853;  // 0xAB4D
constexpr KeyEvent kToggleNavGps = 66375;
constexpr uint32_t kWidthMm = 30;

Icon lever = {.header = {.kind = kKindIcon, .bitmap = kLeverBitmap, .x = kLeverX, .y = kLeverY,
                         .gauge = &nav_gps_switch_gauge, .image_flags = 0x3},
              .variable = {.token = kNavGpsSelection}, .scale = 1, .image_count = kLeverImages};
Element* after_plate[] = {&lever.header, nullptr};
StaticImage plate = {.header = {.kind = kKindStaticImage, .bitmap = kPlateBitmap, .x = 0, .y = 0,
                                .gauge = &nav_gps_switch_gauge, .following = after_plate, .image_flags = 0x3}};
Element* elements[] = {&plate.header, nullptr};

MouseArea areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = kNavGpsHelp},
    {.kind = kMouseChild, .x = kClickX, .y = kClickY, .width = kClickWidth, .height = kClickHeight,
     .cursor = kCursorPush, .click_flags = kClickLeft, .event = kToggleNavGps},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge nav_gps_switch_gauge = {.version = kGaugeHeaderVersion, .name = "NAV_GPS_Switch", .elements = elements,
                              .width_mm = kWidthMm, .mouse_areas = areas};
