// The 155 x 153 radio heads (two COM faceplates, both NAV faceplates): one
// element chain and one mouse list, instantiated per gauge from the family's
// layout (strips, knobs, boxes) and the gauge's own faceplate data (face
// bitmap, knob tables, help ids, radio binding). The numbers live in the
// family files; this header only says how they fit together.
#pragma once

#include "gauge.h"
#include "radios/radio_head.h"

namespace tervalin {

struct HeadPoint {
    int32_t x;
    int32_t y;
};

struct HeadBox {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// Shared by the gauges of one family, in element-table order.
struct SmallHeadLayout {
    uint32_t avionics_failure;  // hides the digits and the lamp
    uint32_t receiver_failure;  // listed only
    uint32_t hundredths_strip;
    HeadPoint hundredths_at;
    uint32_t digit_strip;
    HeadPoint tenths_at;
    HeadPoint units_at;
    uint32_t tens_strip;
    HeadPoint tens_at;
    double tens_max;
    uint32_t leading_one;
    HeadPoint leading_one_at;
    uint32_t fraction_knob;
    HeadPoint fraction_knob_at;
    uint32_t whole_knob;
    HeadPoint whole_knob_at;
    HeadPoint knob_pivot;
    uint32_t pointer_mark;
    HeadPoint pointer_mark_at;
    uint32_t lamp;
    HeadPoint lamp_at;
    // Mouse areas.
    HeadBox window_box;
    HeadBox whole_knob_box;
    HeadBox fraction_knob_box;
    HeadBox down_half;  // of either knob
    HeadBox up_half;
    uint32_t knob_clicks;
    HeadBox off_box;
    HeadBox on_box;
};

// What one gauge of the family has of its own.
struct SmallHeadFace {
    Gauge* gauge;
    const RadioBinding* binding;
    uint32_t face;
    CalibrationPoint* fraction_table;  // two entries
    CalibrationPoint* whole_table;     // two entries
    uint32_t gauge_help;
    uint32_t window_help;
    uint32_t knob_help;
};

template <const SmallHeadLayout& L, const SmallHeadFace& F>
struct SmallHead {
    static constexpr const RadioBinding& binding = *F.binding;

    static FailureBinding failures[3];
    static StaticImage face;
    static MovingImage hundredths;
    static MovingImage tenths;
    static MovingImage units;
    static MovingImage tens;
    static Icon leading_one;
    static Needle fraction_knob;
    static Needle whole_knob;
    static Icon pointer_mark;
    static Icon lamp;
    static Element* elements[2];
    static Element* after_face[2];
    static Element* after_hundredths[2];
    static Element* after_tenths[2];
    static Element* after_units[2];
    static Element* after_tens[2];
    static Element* after_leading_one[2];
    static Element* after_fraction_knob[2];
    static Element* after_whole_knob[2];
    static Element* after_pointer_mark[2];
    static MouseArea mouse_areas[15];

    static constexpr uint32_t kDrawn = kImageDraw1 | kImageDraw2;
    static constexpr uint32_t kMoving = kDrawn | kImageMoving;
    static constexpr uint32_t kLampFlags = kDrawn | kImageLamp;

    static constexpr MovingImage drum(uint32_t bitmap, HeadPoint at, double y_max, Element** following,
                                      ValueCallback callback) {
        return {.header = {.kind = kKindMovingImage, .bitmap = bitmap, .x = at.x, .y = at.y, .gauge = F.gauge,
                           .following = following, .failures = failures, .image_flags = kMoving},
                .x_min = 0, .x_max = 0, .y_min = 0, .y_max = y_max, .y_callback = callback};
    }
    static constexpr MouseArea parent(HeadBox box, uint32_t help) {
        return {.kind = kMouseParent, .x = box.x, .y = box.y, .width = box.width, .height = box.height,
                .cursor = kCursorNone, .help_id = help};
    }
    static constexpr MouseArea child(HeadBox box, int32_t cursor, uint32_t clicks, MouseCallback callback) {
        return {.kind = kMouseChild, .x = box.x, .y = box.y, .width = box.width, .height = box.height,
                .cursor = cursor, .click_flags = clicks, .callback = callback};
    }
};

template <const SmallHeadLayout& L, const SmallHeadFace& F>
FailureBinding SmallHead<L, F>::failures[3] = {
    {.key = L.avionics_failure, .action = kFailureActionHide},
    {.key = L.receiver_failure, .action = kFailureActionNone},
    {},
};

// The chain, root first.
template <const SmallHeadLayout& L, const SmallHeadFace& F>
StaticImage SmallHead<L, F>::face = {
    .header = {.kind = kKindStaticImage, .bitmap = F.face, .gauge = F.gauge, .following = after_face,
               .image_flags = kDrawn}};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
MovingImage SmallHead<L, F>::hundredths =
    drum(L.hundredths_strip, L.hundredths_at, 10, after_hundredths, radio_hundredths_digit<binding>);
template <const SmallHeadLayout& L, const SmallHeadFace& F>
MovingImage SmallHead<L, F>::tenths = drum(L.digit_strip, L.tenths_at, 10, after_tenths, radio_tenths_digit<binding>);
template <const SmallHeadLayout& L, const SmallHeadFace& F>
MovingImage SmallHead<L, F>::units = drum(L.digit_strip, L.units_at, 10, after_units, radio_units_digit<binding>);
template <const SmallHeadLayout& L, const SmallHeadFace& F>
MovingImage SmallHead<L, F>::tens = drum(L.tens_strip, L.tens_at, L.tens_max, after_tens, radio_tens_digit<binding>);
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Icon SmallHead<L, F>::leading_one = {
    .header = {.kind = kKindIcon, .bitmap = L.leading_one, .x = L.leading_one_at.x, .y = L.leading_one_at.y,
               .gauge = F.gauge, .following = after_leading_one, .failures = failures, .image_flags = kMoving},
    .scale = 0, .image_count = 1, .callback = radio_leading_one<binding>};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Needle SmallHead<L, F>::fraction_knob = {
    .header = {.kind = kKindNeedle, .bitmap = L.fraction_knob, .x = L.fraction_knob_at.x, .y = L.fraction_knob_at.y,
               .pivot_x = L.knob_pivot.x, .pivot_y = L.knob_pivot.y, .gauge = F.gauge,
               .following = after_fraction_knob, .image_flags = kMoving},
    .table = F.fraction_table, .table_count = 2, .callback = radio_fraction_knob<binding>};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Needle SmallHead<L, F>::whole_knob = {
    .header = {.kind = kKindNeedle, .bitmap = L.whole_knob, .x = L.whole_knob_at.x, .y = L.whole_knob_at.y,
               .pivot_x = L.knob_pivot.x, .pivot_y = L.knob_pivot.y, .gauge = F.gauge,
               .following = after_whole_knob, .image_flags = kMoving},
    .table = F.whole_table, .table_count = 2, .callback = radio_whole_knob<binding>};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Icon SmallHead<L, F>::pointer_mark = {
    .header = {.kind = kKindIcon, .bitmap = L.pointer_mark, .x = L.pointer_mark_at.x, .y = L.pointer_mark_at.y,
               .gauge = F.gauge, .following = after_pointer_mark, .image_flags = kDrawn},
    .scale = 1, .image_count = 2, .callback = radio_power_indicator<binding>};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Icon SmallHead<L, F>::lamp = {
    .header = {.kind = kKindIcon, .bitmap = L.lamp, .x = L.lamp_at.x, .y = L.lamp_at.y, .gauge = F.gauge,
               .failures = failures, .image_flags = kLampFlags},
    .scale = 1, .image_count = 1, .callback = radio_lamp<binding>};

template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::elements[2] = {&face.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_face[2] = {&hundredths.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_hundredths[2] = {&tenths.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_tenths[2] = {&units.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_units[2] = {&tens.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_tens[2] = {&leading_one.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_leading_one[2] = {&fraction_knob.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_fraction_knob[2] = {&whole_knob.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_whole_knob[2] = {&pointer_mark.header, nullptr};
template <const SmallHeadLayout& L, const SmallHeadFace& F>
Element* SmallHead<L, F>::after_pointer_mark[2] = {&lamp.header, nullptr};

template <const SmallHeadLayout& L, const SmallHeadFace& F>
MouseArea SmallHead<L, F>::mouse_areas[15] = {
    parent({0, 0, 0, 0}, F.gauge_help),
    parent(L.window_box, F.window_help),
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    parent(L.whole_knob_box, F.knob_help),
    child(L.down_half, kCursorDown, L.knob_clicks, radio_whole_down<binding>),
    child(L.up_half, kCursorUp, L.knob_clicks, radio_whole_up<binding>),
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    parent(L.fraction_knob_box, F.knob_help),
    child(L.down_half, kCursorDown, L.knob_clicks, radio_fraction_down<binding>),
    child(L.up_half, kCursorUp, L.knob_clicks, radio_fraction_up<binding>),
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    child(L.off_box, kCursorPush, kClickLeft, radio_power_off<binding>),
    child(L.on_box, kCursorPush, kClickLeft, radio_power_on<binding>),
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace tervalin
