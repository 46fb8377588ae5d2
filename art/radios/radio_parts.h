// Drawing pieces the radio heads share: digit strips with their exact cell
// pitch, windows, knobs, lamps and plates.
#pragma once

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "art.h"

namespace radio_art {

using art::Canvas;
using art::Colour;

inline constexpr Colour kPlate{0.17, 0.18, 0.19};
inline constexpr Colour kPlateEdge{0.32, 0.33, 0.34};
inline constexpr Colour kLabel{0.90, 0.90, 0.86};
inline constexpr Colour kDrumFace{0.07, 0.07, 0.07};
inline constexpr Colour kDigit{0.96, 0.95, 0.90};
inline constexpr Colour kLampGlassDark{0.16, 0.20, 0.14};
inline constexpr Colour kLampLit{0.45, 1.00, 0.35};

inline constexpr double kPi = std::numbers::pi;

inline void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// A painted metal plate with a lighter edge and a faint top-to-bottom shade.
inline void plate(cairo_t* cr, double w, double h, double r) {
    rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, r);
    art::set_colour(cr, kPlateEdge);
    cairo_fill(cr);
    rounded_rect(cr, 2, 2, w - 4, h - 4, r - 1.5);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(shade, 0, kPlate.r + 0.05, kPlate.g + 0.05, kPlate.b + 0.05);
    cairo_pattern_add_color_stop_rgb(shade, 1, kPlate.r - 0.04, kPlate.g - 0.04, kPlate.b - 0.04);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

inline void screw(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    art::set_colour(cr, {0.55, 0.56, 0.57});
    cairo_fill(cr);
    art::set_colour(cr, {0.15, 0.15, 0.16});
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x - r * 0.7, y + r * 0.7);
    cairo_line_to(cr, x + r * 0.7, y - r * 0.7);
    cairo_stroke(cr);
}

inline void label(cairo_t* cr, const std::string& text, double x, double y, double size) {
    art::set_colour(cr, kLabel);
    art::draw_text_centered(cr, text, x, y, size);
}

// The recessed bezel of a frequency window whose drums cover (x, y, w, h).
inline void window_bezel(cairo_t* cr, double x, double y, double w, double h) {
    rounded_rect(cr, x - 3, y - 3, w + 6, h + 6, 3);
    art::set_colour(cr, {0.42, 0.43, 0.44});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 1, y - 1, w + 2, h + 2);
    art::set_colour(cr, art::kNearBlack);
    cairo_fill(cr);
}

// One drum cell: text centred in a cell of the strip, squeezed across when
// it holds two digits.
inline void cell_text(cairo_t* cr, const std::string& text, double width, double top, double pitch) {
    const double size = pitch * 0.78;
    cairo_save(cr);
    const double squeeze = text.size() > 1 ? 0.52 : 1.0;
    cairo_translate(cr, width / 2, top + pitch / 2);
    cairo_scale(cr, squeeze, 1.0);
    art::set_colour(cr, kDigit);
    art::draw_text_centered(cr, text, 0, 0, size, "DejaVu Sans Mono", true);
    cairo_restore(cr);
}

// A drum strip: one cell per text, top to bottom, each `pitch` pixels high.
inline void strip(Canvas& c, const std::vector<std::string>& cells, double pitch) {
    art::set_colour(c.cr, kDrumFace);
    cairo_paint(c.cr);
    for (size_t k = 0; k < cells.size(); ++k) {
        if (cells[k] == "-") {
            art::set_colour(c.cr, kDigit);
            cairo_rectangle(c.cr, c.width * 0.25, k * pitch + pitch / 2 - 1, c.width * 0.5, 2);
            cairo_fill(c.cr);
        } else {
            cell_text(c.cr, cells[k], c.width, k * pitch, pitch);
        }
    }
}

inline std::vector<std::string> digits(int from, int to, bool wrap_zero) {
    std::vector<std::string> cells;
    for (int d = from; d <= to; ++d) cells.push_back(std::to_string(d));
    if (wrap_zero) cells.push_back("0");
    return cells;
}

// The hundredths pairs of the 25 kHz channels, for positions 0 ... 10.
inline std::vector<std::string> channel_pairs() {
    return {"00", "-", "25", "-", "-", "50", "-", "75", "-", "-", "00"};
}

// A window mask: opaque where the drum shows. The lower corners stay
// clear so the plate's decimal point shows between two drums.
inline void window_mask(Canvas& c) {
    cairo_move_to(c.cr, 0, 0);
    cairo_line_to(c.cr, c.width, 0);
    cairo_line_to(c.cr, c.width, c.height - 2);
    cairo_line_to(c.cr, c.width - 1, c.height);
    cairo_line_to(c.cr, 1, c.height);
    cairo_line_to(c.cr, 0, c.height - 2);
    cairo_close_path(c.cr);
    art::set_colour(c.cr, art::kWhite);
    cairo_fill(c.cr);
}

// A fixed digit cell (the leading "1").
inline void digit_cell(Canvas& c, const std::string& text) {
    art::set_colour(c.cr, kDrumFace);
    cairo_paint(c.cr);
    cell_text(c.cr, text, c.width, 0, c.height);
}

// A round knurled knob filling the bitmap, its index line pointing right
// (the host turns it through the needle's table).
inline void knob(Canvas& c, Colour body, double index_length) {
    cairo_t* cr = c.cr;
    const double cx = c.width / 2.0, cy = c.height / 2.0, r = c.width / 2.0 - 1;
    for (int k = 0; k < 40; ++k) {  // knurled rim
        const double a = k * 2 * kPi / 40;
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a, a + kPi / 40);
        cairo_close_path(cr);
    }
    art::set_colour(cr, {body.r + 0.12, body.g + 0.12, body.b + 0.12});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * kPi);
    art::set_colour(cr, body);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * kPi);
    cairo_pattern_t* cap = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 1, cx, cy, r * 0.72);
    cairo_pattern_add_color_stop_rgb(cap, 0, body.r + 0.25, body.g + 0.25, body.b + 0.25);
    cairo_pattern_add_color_stop_rgb(cap, 1, body.r, body.g, body.b);
    cairo_set_source(cr, cap);
    cairo_fill(cr);
    cairo_pattern_destroy(cap);
    art::set_colour(cr, kDigit);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, cx + r - index_length, cy);
    cairo_line_to(cr, cx + r - 1, cy);
    cairo_stroke(cr);
}

// A small round lamp: dark glass or lit.
inline void lamp(Canvas& c, bool lit, Colour glow = kLampLit) {
    cairo_t* cr = c.cr;
    const double cx = c.width / 2.0, cy = c.height / 2.0, r = c.width / 2.0 - 0.5;
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    art::set_colour(cr, {0.55, 0.56, 0.57});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * kPi);
    Colour glass = lit ? glow : kLampGlassDark;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 1.5, cy - 1.5, 0.5, cx, cy, r - 1.5);
    cairo_pattern_add_color_stop_rgb(
        p, 0, std::min(1.0, glass.r + 0.4), std::min(1.0, glass.g + 0.4), std::min(1.0, glass.b + 0.4));
    cairo_pattern_add_color_stop_rgb(p, 1, glass.r, glass.g, glass.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Detent dots around a knob, one per direction given (degrees clockwise
// from up), on the plate beside the knob's rim.
inline void detents(cairo_t* cr, double cx, double cy, double radius, const std::vector<double>& angles) {
    art::set_colour(cr, kLabel);
    for (double a : angles) {
        const double t = a * kPi / 180;
        cairo_arc(cr, cx + radius * std::sin(t), cy - radius * std::cos(t), 1.1, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

// A lamp socket on the plate, seen when a one-image lamp is hidden.
inline void dark_lamp(cairo_t* cr, double x, double y, double size) {
    Canvas c{cr, int(size), int(size)};
    cairo_save(cr);
    cairo_translate(cr, x, y);
    lamp(c, false);
    cairo_restore(cr);
}

// The 155 x 153 head plate: title, frequency window, the two knob seats
// with their detents, the power marks above the left knob and the lamp.
struct SmallPlate {
    std::string title;
    std::vector<std::string> power_marks;            // left to right above the left knob
    std::vector<std::pair<double, double>> mark_at;  // their centres
    std::string right_knob_label;
    std::vector<double> whole_detents;     // directions of the left knob's positions
    std::vector<double> fraction_detents;  // and of the right knob's
};

inline void small_plate(Canvas& c, const SmallPlate& p) {
    cairo_t* cr = c.cr;
    plate(cr, c.width, c.height, 7);
    for (auto [x, y] : {std::pair{8.0, 8.0}, {147.0, 8.0}, {8.0, 145.0}, {147.0, 145.0}}) screw(cr, x, y, 3.2);
    label(cr, p.title, 77.5, 20, 11);
    // Frequency window: drums at x 39 ... 104, y 38 ... 63.
    window_bezel(cr, 39, 38, 65, 25);
    art::set_colour(cr, kDigit);
    cairo_arc(cr, 78, 61.5, 1.2, 0, 2 * kPi);  // decimal point between units and tenths
    cairo_fill(cr);
    // Knob seats and their detents.
    for (double cx : {35.0, 125.0}) {
        cairo_arc(cr, cx, 116, 26.5, 0, 2 * kPi);
        art::set_colour(cr, {0.09, 0.09, 0.10});
        cairo_fill(cr);
    }
    detents(cr, 35, 116, 28.5, p.whole_detents);
    detents(cr, 125, 116, 28.5, p.fraction_detents);
    // Power marks over the pointer mark (x 0 ... 39, y 88 ... 99).
    for (size_t k = 0; k < p.power_marks.size() && k < p.mark_at.size(); ++k)
        label(cr, p.power_marks[k], p.mark_at[k].first, p.mark_at[k].second, 7);
    if (!p.right_knob_label.empty()) label(cr, p.right_knob_label, 125, 84, 8);
    dark_lamp(cr, 71, 128, 13);
}

// The directions a knob needle takes for each frequency code, through the
// gauge's own callbacks and calibration table.
inline std::vector<double> knob_detents(const std::string& gauge, size_t element, int32_t token,
                                        const std::vector<uint32_t>& codes) {
    art::GaugeProbe probe(gauge);
    std::vector<double> angles;
    for (uint32_t code : codes)
        if (auto a = probe.needle_angle(element, {{token, double(code)}})) angles.push_back(*a);
    return angles;
}

// Frequency codes 1 D3 D2 . D1 D0 for whole megahertz, and for decimals
// (tens of kilohertz) within one megahertz.
inline uint32_t mhz_code(int mhz) {
    return uint32_t((mhz - 100) / 10 << 12 | (mhz - 100) % 10 << 8);
}
inline uint32_t decimals_code(int mhz, int decimals) {
    return mhz_code(mhz) | uint32_t(decimals / 10 << 4 | decimals % 10);
}

// A pointer mark beside the left knob: a short bar from the knob towards
// the OFF (image 0) or ON (image 1) mark.
inline void pointer_mark(Canvas& c, double from_x, double to_x) {
    cairo_t* cr = c.cr;
    art::set_colour(cr, kDigit);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, from_x, c.height - 1.5);
    cairo_line_to(cr, to_x, 1.5);
    cairo_stroke(cr);
}

// A toggle switch: a nut around the pivot and a bat lever thrown down
// (dir +1) or up (dir -1).
struct Toggle {
    double x, y;    // the pivot
    double nut;     // the nut's radius
    double hole;    // the hole's radius
    double length;  // pivot to the bat's tip
};

inline void toggle(Canvas& c, const Toggle& t, int dir) {
    cairo_t* cr = c.cr;
    cairo_arc(cr, t.x, t.y, t.nut, 0, 2 * kPi);
    art::set_colour(cr, {0.62, 0.63, 0.65});
    cairo_fill(cr);
    cairo_arc(cr, t.x, t.y, t.hole, 0, 2 * kPi);
    art::set_colour(cr, art::kNearBlack);
    cairo_fill(cr);
    cairo_pattern_t* bat = cairo_pattern_create_linear(t.x - 4, 0, t.x + 4, 0);
    cairo_pattern_add_color_stop_rgb(bat, 0, 0.55, 0.56, 0.58);
    cairo_pattern_add_color_stop_rgb(bat, 0.4, 0.97, 0.97, 0.98);
    cairo_pattern_add_color_stop_rgb(bat, 1, 0.45, 0.46, 0.48);
    cairo_set_source(cr, bat);
    cairo_move_to(cr, t.x - 3, t.y);
    cairo_line_to(cr, t.x - 4.5, t.y + dir * t.length);
    cairo_line_to(cr, t.x + 4.5, t.y + dir * t.length);
    cairo_line_to(cr, t.x + 3, t.y);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(bat);
    cairo_arc(cr, t.x, t.y + dir * t.length, 4.5, 0, 2 * kPi);
    art::set_colour(cr, {0.85, 0.86, 0.87});
    cairo_fill(cr);
}

}  // namespace radio_art
