// The clicking switches: the light-switch plate and its lever in three
// positions, the smoke button, the ILS and TAC lamp buttons and the
// NAV/GPS toggle.
#include <cmath>
#include <numbers>

#include "art.h"

namespace {

using art::Canvas;
using art::Colour;

constexpr Colour kPlate{0.20, 0.21, 0.22};
constexpr Colour kPlateEdge{0.34, 0.35, 0.36};
constexpr Colour kLabel{0.88, 0.88, 0.84};
constexpr Colour kDarkGlass{0.10, 0.13, 0.11};
constexpr Colour kDimText{0.30, 0.34, 0.31};
constexpr Colour kLitGreen{0.35, 1.00, 0.40};

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

// A painted metal plate with a lighter bevelled edge.
void plate(cairo_t* cr, double w, double h, double r) {
    rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, r);
    art::set_colour(cr, kPlateEdge);
    cairo_fill(cr);
    rounded_rect(cr, 1.5, 1.5, w - 3, h - 3, r - 1);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(shade, 0, kPlate.r + 0.05, kPlate.g + 0.05, kPlate.b + 0.05);
    cairo_pattern_add_color_stop_rgb(shade, 1, kPlate.r - 0.05, kPlate.g - 0.05, kPlate.b - 0.05);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

void screw(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * std::numbers::pi);
    art::set_colour(cr, {0.55, 0.56, 0.57});
    cairo_fill(cr);
    art::set_colour(cr, {0.15, 0.15, 0.16});
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x - r * 0.7, y - r * 0.7);
    cairo_line_to(cr, x + r * 0.7, y + r * 0.7);
    cairo_stroke(cr);
}

// The threaded bushing and nut a toggle lever sits in.
void bushing(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
    cairo_pattern_t* ring = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(ring, 0, 0.85, 0.86, 0.87);
    cairo_pattern_add_color_stop_rgb(ring, 1, 0.35, 0.36, 0.38);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_arc(cr, cx, cy, r * 0.55, 0, 2 * std::numbers::pi);
    art::set_colour(cr, art::kNearBlack);
    cairo_fill(cr);
}

// A chrome toggle bat from the bushing at (cx, cy): dir -1 up, +1 down,
// 0 seen end-on (centred).
void lever(cairo_t* cr, double cx, double cy, double length, int dir) {
    if (dir == 0) {
        bushing(cr, cx, cy, 7);
        cairo_arc(cr, cx, cy, 4.5, 0, 2 * std::numbers::pi);
        cairo_pattern_t* ball = cairo_pattern_create_radial(cx - 1.5, cy - 1.5, 0.5, cx, cy, 4.5);
        cairo_pattern_add_color_stop_rgb(ball, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(ball, 1, 0.45, 0.46, 0.48);
        cairo_set_source(cr, ball);
        cairo_fill(cr);
        cairo_pattern_destroy(ball);
        return;
    }
    bushing(cr, cx, cy, 7);
    const double tip = cy + dir * length;
    // Tapered bat, wider towards the tip as seen in perspective.
    cairo_move_to(cr, cx - 2.5, cy);
    cairo_line_to(cr, cx - 4, tip);
    cairo_line_to(cr, cx + 4, tip);
    cairo_line_to(cr, cx + 2.5, cy);
    cairo_close_path(cr);
    cairo_pattern_t* chrome = cairo_pattern_create_linear(cx - 4, 0, cx + 4, 0);
    cairo_pattern_add_color_stop_rgb(chrome, 0, 0.40, 0.41, 0.43);
    cairo_pattern_add_color_stop_rgb(chrome, 0.35, 0.97, 0.97, 0.98);
    cairo_pattern_add_color_stop_rgb(chrome, 1, 0.35, 0.36, 0.38);
    cairo_set_source(cr, chrome);
    cairo_fill(cr);
    cairo_arc(cr, cx, tip, 5, 0, 2 * std::numbers::pi);
    cairo_pattern_t* ball = cairo_pattern_create_radial(cx - 1.5, tip - 1.5, 0.5, cx, tip, 5);
    cairo_pattern_add_color_stop_rgb(ball, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(ball, 1, 0.42, 0.43, 0.45);
    cairo_set_source(cr, ball);
    cairo_fill(cr);
    cairo_pattern_destroy(ball);
    cairo_pattern_destroy(chrome);
}

// A square lamp cap of dark or lit green glass with its legend.
void lamp_cap(cairo_t* cr, double x, double y, double w, double h, bool lit, const char* line1, const char* line2,
              double text_size) {
    rounded_rect(cr, x, y, w, h, 2.5);
    art::set_colour(cr, {0.45, 0.46, 0.47});
    cairo_fill(cr);
    rounded_rect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 1.5);
    if (lit) {
        cairo_pattern_t* glow =
            cairo_pattern_create_radial(x + w / 2, y + h / 2, 1, x + w / 2, y + h / 2, std::max(w, h) * 0.7);
        cairo_pattern_add_color_stop_rgb(glow, 0, 0.20, 0.55, 0.24);
        cairo_pattern_add_color_stop_rgb(glow, 1, 0.08, 0.30, 0.11);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    } else {
        art::set_colour(cr, kDarkGlass);
        cairo_fill(cr);
    }
    art::set_colour(cr, lit ? kLitGreen : kDimText);
    if (line2 == nullptr) {
        art::draw_text_centered(cr, line1, x + w / 2, y + h / 2, text_size);
    } else {
        art::draw_text_centered(cr, line1, x + w / 2, y + h * 0.33, text_size);
        art::draw_text_centered(cr, line2, x + w / 2, y + h * 0.67, text_size);
    }
}

// Light switches: plate 44 x 84, the lever turning at its centre.
constexpr double kLightCx = 22, kLightCy = 42;

void light_plate(Canvas& c) {
    plate(c.cr, c.width, c.height, 4);
    cairo_t* cr = c.cr;
    screw(cr, 22, 6, 2.5);
    screw(cr, 22, 78, 2.5);
    // The circular bezel round the lever.
    cairo_arc(cr, kLightCx, kLightCy, 17, 0, 2 * std::numbers::pi);
    art::set_colour(cr, {0.12, 0.12, 0.13});
    cairo_fill(cr);
    cairo_arc(cr, kLightCx, kLightCy, 17, 0, 2 * std::numbers::pi);
    art::set_colour(cr, {0.50, 0.51, 0.52});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    art::set_colour(cr, kLabel);
    art::draw_text_centered(cr, "ON", kLightCx, 17, 7);
    art::draw_text_centered(cr, "OFF", kLightCx, 67, 7);
}

art::ArtBitmap light_plate_bitmap{{.module = "tervalin",
                                   .id = 40,
                                   .width = 44,
                                   .height = 84,
                                   .depth = art::Depth::Palette8,
                                   .what = "light switch plate",
                                   .draw = light_plate}};
art::ArtBitmap lever_centred{{.module = "tervalin",
                              .id = 50,
                              .width = 44,
                              .height = 84,
                              .depth = art::Depth::Palette8,
                              .what = "light switch lever centred",
                              .draw = [](Canvas& c) { lever(c.cr, kLightCx, kLightCy, 0, 0); }}};
art::ArtBitmap lever_down{{.module = "tervalin",
                           .id = 51,
                           .width = 44,
                           .height = 84,
                           .depth = art::Depth::Palette8,
                           .what = "light switch lever down (off)",
                           .draw = [](Canvas& c) { lever(c.cr, kLightCx, kLightCy, 15, +1); }}};
art::ArtBitmap lever_up{{.module = "tervalin",
                         .id = 52,
                         .width = 44,
                         .height = 84,
                         .depth = art::Depth::Palette8,
                         .what = "light switch lever up (on)",
                         .draw = [](Canvas& c) { lever(c.cr, kLightCx, kLightCy, 15, -1); }}};

// Smoke: a 64 x 60 dark square carrying the ON SMOKE push button.
art::ArtBitmap smoke_plate{{.module = "tervalin",
                            .id = 2210,
                            .width = 64,
                            .height = 60,
                            .depth = art::Depth::Palette8,
                            .what = "smoke switch plate",
                            .draw = [](Canvas& c) {
                                plate(c.cr, c.width, c.height, 3);
                                screw(c.cr, 5, 5, 2);
                                screw(c.cr, 59, 5, 2);
                                screw(c.cr, 5, 55, 2);
                                screw(c.cr, 59, 55, 2);
                            }}};
art::ArtBitmap smoke_dark{{.module = "tervalin",
                           .id = 2220,
                           .width = 64,
                           .height = 60,
                           .depth = art::Depth::Palette8,
                           .what = "smoke button dark",
                           .draw = [](Canvas& c) { lamp_cap(c.cr, 10, 8, 44, 44, false, "ON", "SMOKE", 9); }}};
art::ArtBitmap smoke_lit{{.module = "tervalin",
                          .id = 2221,
                          .width = 64,
                          .height = 60,
                          .depth = art::Depth::Palette8,
                          .what = "smoke button lit green",
                          .draw = [](Canvas& c) { lamp_cap(c.cr, 10, 8, 44, 44, true, "ON", "SMOKE", 9); }}};

// Lamp buttons, 24 x 46: the dark one doubles as the gauge's plate.
void lamp_button(Canvas& c, const char* legend, bool lit) {
    plate(c.cr, c.width, c.height, 3);
    lamp_cap(c.cr, 2, 4, 20, 38, lit, legend, nullptr, 7);
}

art::ArtBitmap ils_dark{{.module = "tervalin",
                         .id = 3400,
                         .width = 24,
                         .height = 46,
                         .depth = art::Depth::Palette8,
                         .what = "ILS lamp button dark",
                         .draw = [](Canvas& c) { lamp_button(c, "ILS", false); }}};
art::ArtBitmap ils_lit{{.module = "tervalin",
                        .id = 3401,
                        .width = 24,
                        .height = 46,
                        .depth = art::Depth::Palette8,
                        .what = "ILS lamp button lit green",
                        .draw = [](Canvas& c) { lamp_button(c, "ILS", true); }}};
art::ArtBitmap tac_dark{{.module = "tervalin",
                         .id = 3410,
                         .width = 24,
                         .height = 46,
                         .depth = art::Depth::Palette8,
                         .what = "TAC lamp button dark",
                         .draw = [](Canvas& c) { lamp_button(c, "TAC", false); }}};
art::ArtBitmap tac_lit{{.module = "tervalin",
                        .id = 3411,
                        .width = 24,
                        .height = 46,
                        .depth = art::Depth::Palette8,
                        .what = "TAC lamp button lit green",
                        .draw = [](Canvas& c) { lamp_button(c, "TAC", true); }}};

// NAV/GPS: plate 30 x 54; the levers (30 x 36) are drawn at (0, 9), so the
// bushing at the plate's centre is at (15, 18) in the lever pictures.
art::ArtBitmap nav_gps_plate{{.module = "tervalin",
                              .id = 3430,
                              .width = 30,
                              .height = 54,
                              .depth = art::Depth::Palette8,
                              .what = "NAV/GPS switch plate",
                              .draw = [](Canvas& c) {
                                  plate(c.cr, c.width, c.height, 3);
                                  cairo_arc(c.cr, 15, 27, 10, 0, 2 * std::numbers::pi);
                                  art::set_colour(c.cr, {0.12, 0.12, 0.13});
                                  cairo_fill(c.cr);
                                  art::set_colour(c.cr, kLabel);
                                  art::draw_text_centered(c.cr, "NAV", 15, 6, 7);
                                  art::draw_text_centered(c.cr, "GPS", 15, 48, 7);
                              }}};
art::ArtBitmap nav_gps_up{{.module = "tervalin",
                           .id = 3440,
                           .width = 30,
                           .height = 36,
                           .depth = art::Depth::Palette8,
                           .what = "NAV/GPS lever up (NAV)",
                           .draw = [](Canvas& c) { lever(c.cr, 15, 18, 11, -1); }}};
art::ArtBitmap nav_gps_down{{.module = "tervalin",
                             .id = 3441,
                             .width = 30,
                             .height = 36,
                             .depth = art::Depth::Palette8,
                             .what = "NAV/GPS lever down (GPS)",
                             .draw = [](Canvas& c) { lever(c.cr, 15, 18, 11, +1); }}};

}  // namespace
