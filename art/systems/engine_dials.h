// Shared drawing parts of the engine and system dials: black faces, white
// scales placed through the gauge's own needle, painted arcs, bezel rings
// and white pointers drawn pointing right about their pivot.
#pragma once

#include <cmath>
#include <numbers>
#include <string>

#include "art.h"
#include "error.h"

namespace art::dials {

inline constexpr Colour kFace{0.07, 0.07, 0.075};
inline constexpr Colour kMarks{0.94, 0.94, 0.90};
inline constexpr Colour kGreen{0.15, 0.70, 0.25};
inline constexpr Colour kOrange{0.95, 0.55, 0.10};
inline constexpr Colour kYellow{0.95, 0.85, 0.15};
inline constexpr Colour kRed{0.85, 0.12, 0.10};

inline double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// A needle of a placed gauge, seen through the host: where it points for a
// value of its variable, and points along that direction.
class Scale {
public:
    Scale(GaugeProbe& probe, size_t element, int32_t token) : probe_(probe), element_(element), token_(token) {}

    double angle(double value) const {
        auto a = probe_.needle_angle(element_, {{token_, value}});
        if (!a)
            throw gaugehost::HostError("needle " + std::to_string(element_) + " draws nothing at " +
                                       std::to_string(value));
        return *a;
    }
    GaugeProbe::Point at(double value, double radius) const { return probe_.point_at(element_, angle(value), radius); }
    GaugeProbe::Point centre() const { return probe_.point_at(element_, 0, 0); }

    void tick(cairo_t* cr, double value, double r0, double r1, double width) const {
        const auto c = centre();
        draw_tick(cr, c.x, c.y, angle(value), r0, r1, width);
    }
    void label(cairo_t* cr, double value, double radius, const std::string& text, double size) const {
        const auto p = at(value, radius);
        draw_text_centered(cr, text, p.x, p.y, size);
    }
    // A painted band between two radii over a range of values, following
    // the needle value by value (so it bends with the table).
    void band(cairo_t* cr, double from, double to, double r0, double r1, Colour colour) const {
        constexpr int kSteps = 48;
        for (int i = 0; i <= kSteps; ++i) {
            const auto p = at(from + (to - from) * i / kSteps, r1);
            if (i == 0)
                cairo_move_to(cr, p.x, p.y);
            else
                cairo_line_to(cr, p.x, p.y);
        }
        for (int i = kSteps; i >= 0; --i) {
            const auto p = at(from + (to - from) * i / kSteps, r0);
            cairo_line_to(cr, p.x, p.y);
        }
        cairo_close_path(cr);
        set_colour(cr, colour);
        cairo_fill(cr);
    }

private:
    GaugeProbe& probe_;
    size_t element_;
    int32_t token_;
};

inline void disc(cairo_t* cr, double cx, double cy, double r, Colour colour) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
    set_colour(cr, colour);
    cairo_fill(cr);
}

// The black dial face up to the bezel, with a faint rim.
inline void face(cairo_t* cr, double cx, double cy, double r) {
    disc(cr, cx, cy, r, {0.16, 0.16, 0.17});
    disc(cr, cx, cy, r - 2, kFace);
}

// The bezel: a turned metal ring from r_inner to r_outer, lit from the top
// left, with four screws; inside it everything stays transparent.
inline void bezel(cairo_t* cr, double cx, double cy, double r_outer, double r_inner) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r_outer, 0, 2 * std::numbers::pi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, r_inner, 2 * std::numbers::pi, 0);
    cairo_pattern_t* metal = cairo_pattern_create_linear(cx - r_outer, cy - r_outer, cx + r_outer, cy + r_outer);
    cairo_pattern_add_color_stop_rgb(metal, 0, 0.52, 0.53, 0.55);
    cairo_pattern_add_color_stop_rgb(metal, 0.5, 0.24, 0.25, 0.26);
    cairo_pattern_add_color_stop_rgb(metal, 1, 0.12, 0.12, 0.13);
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    // A dark lip where the glass meets the ring.
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r_inner + 1, 0, 2 * std::numbers::pi);
    set_colour(cr, {0.06, 0.06, 0.06});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double rs = (r_outer + r_inner) / 2;
    const double ss = std::max(2.0, (r_outer - r_inner) / 3.5);
    for (double a : {45.0, 135.0, 225.0, 315.0}) {
        const double x = cx + rs * std::sin(radians(a)), y = cy - rs * std::cos(radians(a));
        disc(cr, x, y, ss, {0.62, 0.63, 0.64});
        set_colour(cr, {0.18, 0.18, 0.19});
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, x - ss * 0.7, y + ss * 0.7);
        cairo_line_to(cr, x + ss * 0.7, y - ss * 0.7);
        cairo_stroke(cr);
    }
}

// A white pointer in a bitmap of width w and height h, pointing right from
// the pivot (px, py): a counterweight tail to the left of the pivot when
// there is room, a tapering blade to the tip and a hub over the pivot.
inline void pointer(Canvas& c, double px, double py, Colour colour = kMarks, bool hub = true) {
    cairo_t* cr = c.cr;
    const double w = c.width, h = c.height;
    const double half = h / 2.0;
    // Blade: widest at the pivot, a point at the tip.
    const double base = std::max(1.0, half * 0.42);
    cairo_move_to(cr, px, py - base);
    cairo_line_to(cr, w - half * 1.2, py - base * 0.6);
    cairo_line_to(cr, w, py);
    cairo_line_to(cr, w - half * 1.2, py + base * 0.6);
    cairo_line_to(cr, px, py + base);
    cairo_close_path(cr);
    set_colour(cr, colour);
    cairo_fill(cr);
    if (px > 2) {
        // A slim tail with a counterweight at its end.
        cairo_rectangle(cr, half * 0.6, py - base * 0.7, px - half * 0.6, base * 1.4);
        cairo_fill(cr);
        disc(cr, half * 0.6 + 0.5, py, std::min(half * 0.6, base * 1.3), colour);
    }
    if (hub) {
        disc(cr, px, py, half * 0.8, {0.30, 0.30, 0.32});
        disc(cr, px, py, half * 0.35, {0.60, 0.60, 0.62});
    }
}

}  // namespace art::dials
