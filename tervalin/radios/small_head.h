// The 155 x 153 radio heads (two COM faceplates, both NAV faceplates): one
// element chain and one mouse list, instantiated per gauge from the family's
// layout (strips, knobs, boxes) and the gauge's own faceplate data (face
// bitmap, knob tables, help ids, radio binding). The numbers live in the
// family files; this header only says how they fit together.
#pragma once

#include "gauge.h"
#include "radios/radio_head.h"
#include "records.h"

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

    static constexpr MovingImage drum(uint32_t bitmap, HeadPoint at, double y_max, ValueCallback callback) {
        return head_drum(bitmap, at.x, at.y, failures, y_max, callback);
    }
    static constexpr kit::Box box(HeadBox b) { return {.x = b.x, .y = b.y, .width = b.width, .height = b.height}; }

    // Face, hundredths, tenths, units and tens drums, leading one, fraction
    // and whole knobs, pointer mark, lamp.
    static constinit inline kit::Chain chain{
        F.gauge,
        StaticImage{.header = {.bitmap = F.face, .image_flags = kDrawPlain}},
        drum(L.hundredths_strip, L.hundredths_at, 10, radio_hundredths_digit<binding>),
        drum(L.digit_strip, L.tenths_at, 10, radio_tenths_digit<binding>),
        drum(L.digit_strip, L.units_at, 10, radio_units_digit<binding>),
        drum(L.tens_strip, L.tens_at, L.tens_max, radio_tens_digit<binding>),
        Icon{.header = {.bitmap = L.leading_one,
                        .x = L.leading_one_at.x,
                        .y = L.leading_one_at.y,
                        .failures = failures,
                        .image_flags = kDrawMoving},
             .scale = 0,
             .image_count = 1,
             .callback = radio_leading_one<binding>},
        Needle{.header = {.bitmap = L.fraction_knob,
                          .x = L.fraction_knob_at.x,
                          .y = L.fraction_knob_at.y,
                          .pivot_x = L.knob_pivot.x,
                          .pivot_y = L.knob_pivot.y,
                          .image_flags = kDrawMoving},
               .table = F.fraction_table,
               .table_count = 2,
               .callback = radio_fraction_knob<binding>},
        Needle{.header = {.bitmap = L.whole_knob,
                          .x = L.whole_knob_at.x,
                          .y = L.whole_knob_at.y,
                          .pivot_x = L.knob_pivot.x,
                          .pivot_y = L.knob_pivot.y,
                          .image_flags = kDrawMoving},
               .table = F.whole_table,
               .table_count = 2,
               .callback = radio_whole_knob<binding>},
        Icon{.header = {.bitmap = L.pointer_mark,
                        .x = L.pointer_mark_at.x,
                        .y = L.pointer_mark_at.y,
                        .image_flags = kDrawPlain},
             .scale = 1,
             .image_count = 2,
             .callback = radio_power_indicator<binding>},
        Icon{.header =
                 {.bitmap = L.lamp, .x = L.lamp_at.x, .y = L.lamp_at.y, .failures = failures, .image_flags = kDrawLamp},
             .scale = 1,
             .image_count = 1,
             .callback = radio_lamp<binding>},
    };

    static constinit inline MouseArea mouse_areas[] = {
        kit::parent(F.gauge_help),
        kit::parent(F.window_help, box(L.window_box)),
        kit::end_parent(),
        kit::parent(F.knob_help, box(L.whole_knob_box)),
        kit::child(box(L.down_half), kCursorDown, L.knob_clicks, radio_whole_down<binding>),
        kit::child(box(L.up_half), kCursorUp, L.knob_clicks, radio_whole_up<binding>),
        kit::end_parent(),
        kit::parent(F.knob_help, box(L.fraction_knob_box)),
        kit::child(box(L.down_half), kCursorDown, L.knob_clicks, radio_fraction_down<binding>),
        kit::child(box(L.up_half), kCursorUp, L.knob_clicks, radio_fraction_up<binding>),
        kit::end_parent(),
        kit::child(box(L.off_box), kCursorPush, kClickLeft, radio_power_off<binding>),
        kit::child(box(L.on_box), kCursorPush, kClickLeft, radio_power_on<binding>),
        kit::end_parent(),
        kit::end(),
    };
};

template <const SmallHeadLayout& L, const SmallHeadFace& F>
FailureBinding SmallHead<L, F>::failures[3] = {
    {.key = L.avionics_failure, .action = kFailureActionHide},
    {.key = L.receiver_failure, .action = kFailureActionNone},
    {},
};

}  // namespace tervalin
