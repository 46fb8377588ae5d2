// "Altimeter" pictures: the dial with its drum openings, the needle, the
// counter-drum strips (exact cell pitch, digits 0, 9, ..., 1, 0 from the
// top) and their windows, the hatched flag, the cover and the knob.
#include <cmath>
#include <cstdio>

#include "host_numbers.h"
#include "systems/engine_dials.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kNeedle = 11;  // its chain position in the gauge
constexpr double kCentre = 150;

constexpr art::Colour kDrum{0.09, 0.09, 0.09};

// An opening in the dial for a drum window at (x, y, w, h): a dark recess
// with a light rim.
void opening(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x - 2.5, y - 2.5, w + 5, h + 5);
    art::set_colour(cr, {0.45, 0.45, 0.47});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 1, y - 1, w + 2, h + 2);
    art::set_colour(cr, kDrum);
    cairo_fill(cr);
}

void draw_background(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, kCentre, kCentre, 146);
    art::GaugeProbe probe("Altimeter");
    const Scale feet(probe, kNeedle, token::indicated_altitude);
    art::set_colour(cr, kMarks);
    for (int v = 0; v < 1000; v += 20) {
        const bool major = v % 100 == 0;
        feet.tick(cr, v, major ? 122 : v % 50 == 0 ? 128 : 132, 141, major ? 3 : v % 50 == 0 ? 2 : 1.2);
    }
    for (int d = 0; d <= 9; ++d) feet.label(cr, d * 100, 108, std::to_string(d), 22);
    art::draw_text_centered(cr, "ALT", kCentre, 98, 12);
    art::draw_text_centered(cr, "100 PIEDS", kCentre, 200, 10);
    // Altitude drums: ten-thousands, thousands, hundreds (taller), tens.
    opening(cr, 80, 133, 24, 36);
    opening(cr, 115, 133, 24, 36);
    opening(cr, 161, 125, 24, 52);
    opening(cr, 193, 133, 24, 36);
    // Pressure setting: four small drums and their legend.
    opening(cr, 124, 222, 52, 23);
    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "mb", 190, 234, 10);
}

// A drum strip: `cells` digit cells of `pitch` pixels, the window's extra
// height split above and below so that a cell sits centred in the window.
void strip(Canvas& c, int pitch, int window, double size, bool two_digits) {
    cairo_t* cr = c.cr;
    cairo_rectangle(cr, 0, 0, c.width, c.height);
    art::set_colour(cr, kDrum);
    cairo_fill(cr);
    art::set_colour(cr, kMarks);
    for (int k = 0; k <= 10; ++k) {
        const int digit = (10 - k) % 10;
        const double centre = window / 2.0 + k * pitch;
        const std::string text = two_digits ? std::to_string(digit) + "0" : std::to_string(digit);
        art::draw_text_centered(cr, text, c.width / 2.0, centre, size, "DejaVu Sans Mono");
    }
}

// A drum window: opaque where the strip shows.
void window(Canvas& c) {
    cairo_rectangle(c.cr, 0, 0, c.width, c.height);
    art::set_colour(c.cr, kMarks);
    cairo_fill(c.cr);
}

void draw_flag(Canvas& c) {
    cairo_t* cr = c.cr;
    cairo_rectangle(cr, 0, 0, c.width, c.height);
    art::set_colour(cr, art::kNearBlack);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, c.width, c.height);
    cairo_clip(cr);
    art::set_colour(cr, kMarks);
    cairo_set_line_width(cr, 4);
    for (int k = -c.height; k < c.width + c.height; k += 9) {
        cairo_move_to(cr, k, 0);
        cairo_line_to(cr, k - c.height, c.height);
    }
    cairo_stroke(cr);
}

void draw_needle(Canvas& c) {
    pointer(c, 7, 7);
}

void draw_cover(Canvas& c) {
    cairo_t* cr = c.cr;
    bezel(cr, kCentre, kCentre, 150, 141);
    // The knob's base at the lower left.
    disc(cr, 35, 265, 29, {0.20, 0.20, 0.21});
    disc(cr, 35, 265, 26, {0.30, 0.30, 0.32});
}

// A grey knurled knob whose white mark points right (at 1013 mb); the
// base's scale is not printed, the drums read the setting.
void draw_knob(Canvas& c) {
    cairo_t* cr = c.cr;
    const double r = 23, cx = 24, cy = 24;
    for (int k = 0; k < 36; ++k) {
        const double a = radians(k * 10);
        disc(cr, cx + r * std::cos(a), cy + r * std::sin(a), 1.6, {0.42, 0.42, 0.44});
    }
    disc(cr, cx, cy, r - 1, {0.52, 0.52, 0.54});
    cairo_pattern_t* shine = cairo_pattern_create_radial(cx - 6, cy - 6, 2, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(shine, 0, 0.72, 0.72, 0.74);
    cairo_pattern_add_color_stop_rgb(shine, 1, 0.36, 0.36, 0.38);
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * std::numbers::pi);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    art::set_colour(cr, kMarks);
    cairo_rectangle(cr, cx + 6, cy - 1.5, r - 7, 3);
    cairo_fill(cr);
}

art::ArtBitmap background_bitmap{{.module = "tervalin",
                                  .id = 280,
                                  .width = 300,
                                  .height = 300,
                                  .depth = art::Depth::Palette8,
                                  .what = "altimeter dial",
                                  .draw = draw_background}};
art::ArtBitmap needle_bitmap{{.module = "tervalin",
                              .id = 290,
                              .width = 120,
                              .height = 14,
                              .depth = art::Depth::Palette8,
                              .what = "altimeter needle",
                              .draw = draw_needle}};
art::ArtBitmap cover_bitmap{{.module = "tervalin",
                             .id = 300,
                             .width = 300,
                             .height = 300,
                             .depth = art::Depth::Palette8,
                             .what = "altimeter cover",
                             .draw = draw_cover}};
art::ArtBitmap pressure_strip{{.module = "tervalin",
                               .id = 310,
                               .width = 13,
                               .height = 253,
                               .depth = art::Depth::Palette8,
                               .what = "pressure drum, 23 px cells",
                               .draw = [](Canvas& c) { strip(c, 23, 23, 13, false); }}};
art::ArtBitmap pressure_window{{.module = "tervalin",
                                .id = 311,
                                .width = 13,
                                .height = 23,
                                .depth = art::Depth::Palette8,
                                .what = "pressure drum window",
                                .draw = window}};
art::ArtBitmap tens_strip{{.module = "tervalin",
                           .id = 320,
                           .width = 24,
                           .height = 296,
                           .depth = art::Depth::Palette8,
                           .what = "altitude tens drum, 26 px cells",
                           .draw = [](Canvas& c) { strip(c, 26, 36, 12, true); }}};
art::ArtBitmap tens_window{{.module = "tervalin",
                            .id = 321,
                            .width = 24,
                            .height = 36,
                            .depth = art::Depth::Palette8,
                            .what = "altitude tens window",
                            .draw = window}};
art::ArtBitmap hundreds_strip{{.module = "tervalin",
                               .id = 330,
                               .width = 24,
                               .height = 412,
                               .depth = art::Depth::Palette8,
                               .what = "altitude hundreds drum, 36 px cells",
                               .draw = [](Canvas& c) { strip(c, 36, 52, 26, false); }}};
art::ArtBitmap hundreds_window{{.module = "tervalin",
                                .id = 331,
                                .width = 24,
                                .height = 52,
                                .depth = art::Depth::Palette8,
                                .what = "altitude hundreds window",
                                .draw = window}};
art::ArtBitmap thousands_strip{{.module = "tervalin",
                                .id = 340,
                                .width = 24,
                                .height = 396,
                                .depth = art::Depth::Palette8,
                                .what = "altitude thousands drum, 36 px cells",
                                .draw = [](Canvas& c) { strip(c, 36, 36, 26, false); }}};
art::ArtBitmap thousands_window{{.module = "tervalin",
                                 .id = 341,
                                 .width = 24,
                                 .height = 36,
                                 .depth = art::Depth::Palette8,
                                 .what = "altitude thousands window",
                                 .draw = window}};
art::ArtBitmap flag_bitmap{{.module = "tervalin",
                            .id = 350,
                            .width = 24,
                            .height = 36,
                            .depth = art::Depth::Palette8,
                            .what = "altimeter ten-thousands flag",
                            .draw = draw_flag}};
art::ArtBitmap knob_bitmap{{.module = "tervalin",
                            .id = 360,
                            .width = 48,
                            .height = 48,
                            .depth = art::Depth::Palette8,
                            .what = "altimeter pressure knob",
                            .draw = draw_knob}};

}  // namespace
