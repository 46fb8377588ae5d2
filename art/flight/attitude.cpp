// "ADI" and "Standby_Attitude" pictures: cases, balls with their pitch
// ladders, masks, bank scales, flags, aircraft symbols, fronts and knobs.
// Pitch ladders follow the balls' own scales (pixels per degree), bank
// marks and knob marks are placed through the gauges themselves.
#include <cmath>
#include <string>

#include "host.h"
#include "host_numbers.h"
#include "systems/engine_dials.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr art::Colour kSky{0.16, 0.42, 0.78};
constexpr art::Colour kGround{0.08, 0.08, 0.08};
constexpr art::Colour kCase{0.13, 0.13, 0.14};
constexpr art::Colour kGreyFace{0.40, 0.41, 0.42};

// The ADI ball: pivot (148, 157), 1.35 px per degree, texture scale 0.7 x 0.45.
constexpr double kAdiCx = 148, kAdiCy = 157;
constexpr double kAdiPixelsPerDegree = 1.35;
// The standby ball: pivot (140, 140), 1.88 px per degree, texture scale 1.
constexpr double kStandbyC = 140;
constexpr double kStandbyPixelsPerDegree = 1.88;

void ring(cairo_t* cr, double cx, double cy, double r0, double r1, art::Colour colour) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r1, 0, 2 * std::numbers::pi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, r0, 2 * std::numbers::pi, 0);
    art::set_colour(cr, colour);
    cairo_fill(cr);
}

// A triangle whose apex is at radius r_apex and whose base, `width` wide,
// is at r_base, along the direction `angle` (degrees clockwise from up).
void triangle(cairo_t* cr, double cx, double cy, double angle, double r_apex, double r_base, double width) {
    const double a = radians(angle);
    const double ux = std::sin(a), uy = -std::cos(a);
    const double vx = -uy, vy = ux;
    cairo_move_to(cr, cx + ux * r_apex, cy + uy * r_apex);
    cairo_line_to(cr, cx + ux * r_base + vx * width / 2, cy + uy * r_base + vy * width / 2);
    cairo_line_to(cr, cx + ux * r_base - vx * width / 2, cy + uy * r_base - vy * width / 2);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A ball in display pixels about (0, 0): sky above, ground below, ladder
// lines every 10 degrees with labels, `half_width` wide at most.
void ball(cairo_t* cr, double width, double height, double pixels_per_degree, bool tens_labels, double half_width,
          double label_x, double label_size) {
    cairo_rectangle(cr, -width / 2, -height / 2, width, height / 2);
    art::set_colour(cr, kSky);
    cairo_fill(cr);
    cairo_rectangle(cr, -width / 2, 0, width, height / 2);
    art::set_colour(cr, kGround);
    cairo_fill(cr);
    art::set_colour(cr, kMarks);
    cairo_rectangle(cr, -width / 2, -1.2, width, 2.4);
    cairo_fill(cr);
    for (int p = 5; p <= 85; p += 5) {
        for (int sign : {-1, 1}) {
            const double y = -sign * p * pixels_per_degree;
            if (std::abs(y) > height / 2 - 2) continue;
            const bool ten = p % 10 == 0;
            const double w = ten ? half_width : half_width * 0.3;
            cairo_set_line_width(cr, ten ? 2.2 : 1.4);
            cairo_move_to(cr, -w, y);
            cairo_line_to(cr, w, y);
            cairo_stroke(cr);
            if (ten && !(tens_labels && p == 10)) {
                const std::string text = tens_labels ? std::to_string(p / 10) : std::to_string(p);
                art::draw_text_centered(cr, text, -label_x, y, label_size);
                art::draw_text_centered(cr, text, label_x, y, label_size);
            }
        }
    }
}

void knurled_knob(Canvas& c, double r) {
    cairo_t* cr = c.cr;
    const double cx = c.width / 2.0, cy = c.height / 2.0;
    for (int k = 0; k < 40; ++k) {
        const double a = radians(k * 9);
        disc(cr, cx + r * std::cos(a), cy + r * std::sin(a), 1.8, {0.30, 0.30, 0.32});
    }
    disc(cr, cx, cy, r - 1, {0.36, 0.36, 0.38});
    cairo_pattern_t* shine = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 2, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(shine, 0, 0.62, 0.62, 0.64);
    cairo_pattern_add_color_stop_rgb(shine, 1, 0.22, 0.22, 0.24);
    cairo_arc(cr, cx, cy, r - 4, 0, 2 * std::numbers::pi);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    // The mark points right, the direction the host turns.
    art::set_colour(cr, kMarks);
    cairo_rectangle(cr, cx + r * 0.25, cy - 1.8, r * 0.7, 3.6);
    cairo_fill(cr);
}

// A mask: opaque over a disc.
void mask_disc(Canvas& c, double r) {
    disc(c.cr, c.width / 2.0, c.height / 2.0, r, kMarks);
}

// A curved flag: a band between two radii about a centre, with stripes.
void curved_flag(Canvas& c, double cx, double cy, double r0, double r1, double a0, double a1, art::Colour one,
                 art::Colour two) {
    cairo_t* cr = c.cr;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r1, radians(a0 - 90), radians(a1 - 90));
    cairo_arc_negative(cr, cx, cy, r0, radians(a1 - 90), radians(a0 - 90));
    cairo_close_path(cr);
    cairo_clip_preserve(cr);
    art::set_colour(cr, one);
    cairo_fill(cr);
    art::set_colour(cr, two);
    cairo_set_line_width(cr, 5);
    for (int k = -c.height; k < c.width + c.height; k += 12) {
        cairo_move_to(cr, k, 0);
        cairo_line_to(cr, k + c.height, c.height);
    }
    cairo_stroke(cr);
    cairo_reset_clip(cr);
}

// ---------------------------------------------------------------------------
// ADI

void draw_adi_case(Canvas& c) {
    cairo_t* cr = c.cr;
    cairo_rectangle(cr, 0, 0, c.width, c.height);
    art::set_colour(cr, kCase);
    cairo_fill(cr);
    disc(cr, kAdiCx, kAdiCy, 132, kGreyFace);
    disc(cr, kAdiCx, kAdiCy, 118, {0.10, 0.10, 0.11});
    // Inclinometer window: pale liquid in the tube.
    cairo_rectangle(cr, 122, 272, 50, 14);
    art::set_colour(cr, {0.80, 0.82, 0.74});
    cairo_fill(cr);
    // Screw head at the lower left.
    disc(cr, 24, 292, 8, {0.55, 0.55, 0.57});
    art::set_colour(cr, {0.15, 0.15, 0.16});
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, 19, 297);
    cairo_line_to(cr, 29, 287);
    cairo_stroke(cr);
    // The knob's short scale, through the knob's own table.
    art::GaugeProbe probe("ADI");
    const Scale knob(probe, 9, token::reference_bars);
    disc(cr, 258, 279, 34, {0.20, 0.20, 0.21});
    art::set_colour(cr, kMarks);
    for (int v = 0; v <= 400; v += 100) knob.tick(cr, v, 29, 34, v % 200 == 0 ? 2 : 1.2);
    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "PULL TO CAGE", 70, 305, 7, "DejaVu Sans", false);
}

void draw_adi_ball(Canvas& c) {
    cairo_t* cr = c.cr;
    // Drawn in display pixels: the host magnifies the texture by the
    // inverse of its scale.
    cairo_translate(cr, c.width / 2.0, c.height / 2.0);
    cairo_scale(cr, 0.7, 0.45);
    ball(cr, c.width / 0.7 + 2, c.height / 0.45 + 2, kAdiPixelsPerDegree, false, 22, 34, 9);
}

void draw_adi_bank_pointer(Canvas& c) {
    cairo_t* cr = c.cr;
    const double px = 0, py = 81;
    // An arc segment near the tip, carrying the triangle.
    cairo_new_sub_path(cr);
    cairo_arc(cr, px, py, 90, radians(-14), radians(14));
    cairo_arc_negative(cr, px, py, 86, radians(14), radians(-14));
    cairo_close_path(cr);
    art::set_colour(cr, {0.75, 0.75, 0.75});
    cairo_fill(cr);
    art::set_colour(cr, kMarks);
    triangle(cr, px, py, 90, 99, 86, 14);
}

void draw_adi_bank_ring(Canvas& c) {
    cairo_t* cr = c.cr;
    const double cx = 115, cy = 115;
    ring(cr, cx, cy, 100, 115, {0.12, 0.12, 0.13});
    art::GaugeProbe probe("ADI");
    const Scale bank(probe, 3, token::bank);  // the bank pointer's own table
    // Marks relative to the ring's centre, which is the pointer's position.
    auto tick = [&](double value, double r1, double width) {
        art::draw_tick(cr, cx, cy, bank.angle(value), 100, r1, width);
    };
    art::set_colour(cr, kMarks);
    for (int b : {10, 20, 45}) {
        tick(b, 107, 1.8);
        tick(-b, 107, 1.8);
    }
    for (int b : {30, 60}) {
        tick(b, 112, 2.6);
        tick(-b, 112, 2.6);
    }
    // Level marks at three and nine o'clock, the index at the bottom.
    tick(90, 114, 4);
    tick(-90, 114, 4);
    triangle(cr, cx, cy, bank.angle(0), 100, 113, 14);
}

void draw_adi_flag(Canvas& c) {
    // Curved about the ball's centre, which is (4, 100) of the flag.
    curved_flag(c, 4, 100, 74, 100, 0, 48, {0.95, 0.55, 0.10}, {0.98, 0.85, 0.15});
}

void draw_adi_symbol(Canvas& c) {
    cairo_t* cr = c.cr;
    const double y = 7, cx = 135;
    auto shape = [&] {
        cairo_move_to(cr, 20, y);
        cairo_line_to(cr, 98, y);
        cairo_move_to(cr, 172, y);
        cairo_line_to(cr, 250, y);
        cairo_move_to(cr, cx - 28, y);
        cairo_line_to(cr, cx - 14, y + 13);
        cairo_line_to(cr, cx, y + 3);
        cairo_line_to(cr, cx + 14, y + 13);
        cairo_line_to(cr, cx + 28, y);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    art::set_colour(cr, art::kNearBlack);
    cairo_set_line_width(cr, 7);
    shape();
    cairo_stroke(cr);
    art::set_colour(cr, kMarks);
    cairo_set_line_width(cr, 4);
    shape();
    cairo_stroke(cr);
    disc(cr, cx, y, 4, art::kNearBlack);
    disc(cr, cx, y, 3, kMarks);
}

void draw_adi_front(Canvas& c) {
    cairo_t* cr = c.cr;
    bezel(cr, kAdiCx, kAdiCy, 131, 116);
    // The inclinometer tube: a frame with two reference wires.
    art::set_colour(cr, {0.30, 0.30, 0.32});
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 120.5, 270.5, 53, 17);
    cairo_stroke(cr);
    art::set_colour(cr, art::kNearBlack);
    cairo_set_line_width(cr, 1.2);
    for (double x : {140.5, 155.5}) {
        cairo_move_to(cr, x, 272);
        cairo_line_to(cr, x, 286);
    }
    cairo_stroke(cr);
}

void draw_inclinometer_ball(Canvas& c) {
    cairo_save(c.cr);
    cairo_translate(c.cr, 6, 4.5);
    cairo_scale(c.cr, 1.0, 0.75);
    disc(c.cr, 0, 0, 5.6, art::kNearBlack);
    cairo_restore(c.cr);
    disc(c.cr, 4.5, 3, 1.2, {0.5, 0.5, 0.5});
}

// ---------------------------------------------------------------------------
// Standby_Attitude

// The bank disc's rotation for a bank, read from a placed instance.
double standby_disc_angle(double bank) {
    art::GaugeProbe probe("Standby_Attitude");
    gaugehost::Host& host = probe.host();
    const size_t index = host.place("Standby_Attitude", std::nullopt);
    host.install(index);
    host.variables().set(token::bank, bank);
    host.update(index);
    const double angle = host.placed(index).states[2].sprite_angle;
    host.kill(index);
    return angle;
}

void draw_standby_case(Canvas& c) {
    cairo_t* cr = c.cr;
    cairo_new_sub_path(cr);
    cairo_arc(cr, kStandbyC, kStandbyC, 149, 0, 2 * std::numbers::pi);
    art::set_colour(cr, kCase);
    cairo_fill(cr);
    disc(cr, 260, 261, 36, kCase);
    disc(cr, kStandbyC, kStandbyC, 140, {0.10, 0.10, 0.11});
    // Bank marks where the disc's index stands at each bank.
    art::set_colour(cr, kMarks);
    for (int b : {10, 20, 30, 45, 60, 90}) {
        for (int sign : {-1, 1}) {
            const double a = 180 + standby_disc_angle(sign * b);
            const bool major = b == 30 || b == 60 || b == 90;
            art::draw_tick(cr, kStandbyC, kStandbyC, a, 126, major ? 139 : 133, major ? 2.6 : 1.6);
        }
    }
    triangle(cr, kStandbyC, kStandbyC, 180 + standby_disc_angle(0), 126, 139, 12);
}

void draw_standby_ball(Canvas& c) {
    cairo_translate(c.cr, c.width / 2.0, c.height / 2.0);
    ball(c.cr, c.width + 2, c.height + 2, kStandbyPixelsPerDegree, true, 24, 33, 12);
}

void draw_standby_disc(Canvas& c) {
    cairo_t* cr = c.cr;
    const double cx = 128, cy = 128;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 125, 0, 2 * std::numbers::pi);
    cairo_rectangle(cr, cx - 78, cy - 68, 156, 136);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    art::set_colour(cr, {0.42, 0.43, 0.44});
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    art::set_colour(cr, {0.25, 0.25, 0.26});
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, cx - 78, cy - 68, 156, 136);
    cairo_stroke(cr);
    art::set_colour(cr, kMarks);
    triangle(cr, cx, cy, 180, 124, 108, 14);
}

void draw_standby_flag(Canvas& c) {
    // Curved about the ball's centre, which is (115, 73) of the flag.
    curved_flag(c, 115, 73, 92, 118, 232, 312, {0.98, 0.85, 0.15}, {0.85, 0.12, 0.10});
}

void draw_standby_symbol(Canvas& c) {
    cairo_t* cr = c.cr;
    const double y = 5, cx = 118;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto shape = [&] {
        cairo_move_to(cr, 16, y);
        cairo_line_to(cr, 88, y);
        cairo_move_to(cr, 148, y);
        cairo_line_to(cr, 220, y);
        cairo_move_to(cr, cx - 20, y + 18);
        cairo_line_to(cr, cx, y + 2);
        cairo_line_to(cr, cx + 20, y + 18);
    };
    art::set_colour(cr, art::kNearBlack);
    cairo_set_line_width(cr, 7);
    shape();
    cairo_stroke(cr);
    art::set_colour(cr, {0.98, 0.62, 0.12});
    cairo_set_line_width(cr, 4);
    shape();
    cairo_stroke(cr);
}

void draw_standby_front(Canvas& c) {
    bezel(c.cr, kStandbyC, kStandbyC, 149, 139);
    disc(c.cr, 260, 261, 34, {0.22, 0.22, 0.23});
}

art::ArtBitmap standby_case_bitmap{{.module = "tervalin",
                                    .id = 210,
                                    .width = 298,
                                    .height = 298,
                                    .depth = art::Depth::Palette8,
                                    .what = "standby horizon case, bank scale",
                                    .draw = draw_standby_case}};
art::ArtBitmap standby_ball_bitmap{{.module = "tervalin",
                                    .id = 220,
                                    .width = 160,
                                    .height = 360,
                                    .depth = art::Depth::Palette8,
                                    .what = "standby horizon ball",
                                    .draw = draw_standby_ball}};
art::ArtBitmap standby_ball_mask{{.module = "tervalin",
                                  .id = 221,
                                  .width = 254,
                                  .height = 254,
                                  .depth = art::Depth::Palette8,
                                  .what = "standby ball mask",
                                  .draw = [](Canvas& c) { mask_disc(c, 124); }}};
art::ArtBitmap standby_disc_bitmap{{.module = "tervalin",
                                    .id = 230,
                                    .width = 256,
                                    .height = 256,
                                    .depth = art::Depth::Palette8,
                                    .what = "standby bank disc",
                                    .draw = draw_standby_disc}};
art::ArtBitmap standby_disc_mask{{.module = "tervalin",
                                  .id = 231,
                                  .width = 256,
                                  .height = 256,
                                  .depth = art::Depth::Palette8,
                                  .what = "standby bank disc mask",
                                  .draw = [](Canvas& c) { mask_disc(c, 126); }}};
art::ArtBitmap standby_flag_bitmap{{.module = "tervalin",
                                    .id = 240,
                                    .width = 75,
                                    .height = 133,
                                    .depth = art::Depth::Palette8,
                                    .what = "standby warning flag",
                                    .draw = draw_standby_flag}};
art::ArtBitmap standby_symbol_bitmap{{.module = "tervalin",
                                      .id = 250,
                                      .width = 240,
                                      .height = 35,
                                      .depth = art::Depth::Palette8,
                                      .what = "standby aircraft symbol",
                                      .draw = draw_standby_symbol}};
art::ArtBitmap standby_front_bitmap{{.module = "tervalin",
                                     .id = 260,
                                     .width = 298,
                                     .height = 298,
                                     .depth = art::Depth::Palette8,
                                     .what = "standby horizon bezel",
                                     .draw = draw_standby_front}};
art::ArtBitmap standby_knob_bitmap{{.module = "tervalin",
                                    .id = 270,
                                    .width = 76,
                                    .height = 76,
                                    .depth = art::Depth::Palette8,
                                    .what = "standby reference-bars knob",
                                    .draw = [](Canvas& c) { knurled_knob(c, 30); }}};

art::ArtBitmap adi_case_bitmap{{.module = "tervalin",
                                .id = 2000,
                                .width = 294,
                                .height = 315,
                                .depth = art::Depth::Palette8,
                                .what = "ADI case",
                                .draw = draw_adi_case}};
art::ArtBitmap adi_ball_bitmap{{.module = "tervalin",
                                .id = 2010,
                                .width = 256,
                                .height = 254,
                                .depth = art::Depth::Palette8,
                                .what = "ADI ball (texture 0.7 x 0.45)",
                                .draw = draw_adi_ball}};
art::ArtBitmap adi_ball_mask{{.module = "tervalin",
                              .id = 2011,
                              .width = 256,
                              .height = 254,
                              .depth = art::Depth::Palette8,
                              .what = "ADI ball mask",
                              .draw = [](Canvas& c) { mask_disc(c, 115); }}};
art::ArtBitmap adi_pointer_bitmap{{.module = "tervalin",
                                   .id = 2020,
                                   .width = 100,
                                   .height = 162,
                                   .depth = art::Depth::Palette8,
                                   .what = "ADI bank pointer",
                                   .draw = draw_adi_bank_pointer}};
art::ArtBitmap adi_ring_bitmap{{.module = "tervalin",
                                .id = 2030,
                                .width = 230,
                                .height = 230,
                                .depth = art::Depth::Palette8,
                                .what = "ADI bank-scale ring",
                                .draw = draw_adi_bank_ring}};
art::ArtBitmap adi_flag_bitmap{{.module = "tervalin",
                                .id = 2040,
                                .width = 75,
                                .height = 30,
                                .depth = art::Depth::Palette8,
                                .what = "ADI warning flag",
                                .draw = draw_adi_flag}};
art::ArtBitmap adi_symbol_bitmap{{.module = "tervalin",
                                  .id = 2050,
                                  .width = 270,
                                  .height = 30,
                                  .depth = art::Depth::Palette8,
                                  .what = "ADI aircraft symbol",
                                  .draw = draw_adi_symbol}};
art::ArtBitmap adi_front_bitmap{{.module = "tervalin",
                                 .id = 2060,
                                 .width = 294,
                                 .height = 315,
                                 .depth = art::Depth::Palette8,
                                 .what = "ADI front",
                                 .draw = draw_adi_front}};
art::ArtBitmap adi_inclinometer_bitmap{{.module = "tervalin",
                                        .id = 2070,
                                        .width = 12,
                                        .height = 9,
                                        .depth = art::Depth::Palette8,
                                        .what = "ADI inclinometer ball",
                                        .draw = draw_inclinometer_ball}};
art::ArtBitmap adi_knob_bitmap{{.module = "tervalin",
                                .id = 2080,
                                .width = 70,
                                .height = 70,
                                .depth = art::Depth::Palette8,
                                .what = "ADI reference-bars knob",
                                .draw = [](Canvas& c) { knurled_knob(c, 28); }}};

}  // namespace
