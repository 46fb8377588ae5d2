// "Tervalin_ADF" pictures: the faceplate with its frequency window, the
// painted transfer window, the concentric knob seat, TONE switch and mode
// selector legends; the digit drum (14 x 25 cells), the decimal point, the
// thousands digits, the three knobs, the tone switch, lamp and selector.
#include "radios/radio_parts.h"

namespace {

using art::ArtBitmap;
using art::Canvas;
using art::Depth;
using namespace radio_art;

constexpr double kCell = 25;
// On the plate: the knobs' common centre, the selector's centre, and the
// directions (degrees clockwise from up) of the selector's marks; OFF and
// ADF are the two the gauge clicks.
constexpr double kKnobX = 97, kKnobY = 131;
constexpr double kSelectorX = 184, kSelectorY = 149;
constexpr double kSelectorOff = 303.5, kSelectorAdf = 25;

double sin_deg(double a) {
    return std::sin(a * kPi / 180);
}
double cos_deg(double a) {
    return std::cos(a * kPi / 180);
}

void arrow(cairo_t* cr, double cx, double cy, double dir) {  // dir -1 up, +1 down
    art::set_colour(cr, kLabel);
    cairo_move_to(cr, cx - 4, cy - dir * 2.5);
    cairo_line_to(cr, cx + 4, cy - dir * 2.5);
    cairo_line_to(cr, cx, cy + dir * 2.5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void faceplate(Canvas& c) {
    cairo_t* cr = c.cr;
    plate(cr, c.width, c.height, 8);
    for (auto [x, y] : {std::pair{9.0, 9.0}, {353.0, 9.0}, {9.0, 183.0}, {353.0, 183.0}}) screw(cr, x, y, 3.5);
    label(cr, "ADF", 40, 22, 13);
    // Frequency window: thousands to tenths from x 60 to 135 at y 45.
    window_bezel(cr, 60, 45, 75, 25);
    label(cr, "kHz", 97, 84, 7);
    arrow(cr, 126, 33, +1);  // the tenths areas above and below the tenths drum
    arrow(cr, 126, 82, -1);
    // The transfer window with a painted standby frequency, and its knob.
    window_bezel(cr, 240, 45, 75, 25);
    art::set_colour(cr, kDrumFace);
    cairo_rectangle(cr, 240, 45, 75, 25);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 277.5, 57.5);
    art::set_colour(cr, kDigit);
    art::draw_text_centered(cr, "0350.0", 0, 0, 15, "DejaVu Sans Mono", true);
    cairo_restore(cr);
    label(cr, "TFR", 277, 84, 7);
    cairo_arc(cr, 300, 140, 16, 0, 2 * kPi);
    art::set_colour(cr, {0.09, 0.09, 0.10});
    cairo_fill(cr);
    Canvas tfr{cr, 28, 28};
    cairo_save(cr);
    cairo_translate(cr, 286, 126);
    knob(tfr, {0.20, 0.20, 0.21}, 6);
    cairo_restore(cr);
    // The concentric knob seat.
    cairo_arc(cr, kKnobX, kKnobY, 33, 0, 2 * kPi);
    art::set_colour(cr, {0.09, 0.09, 0.10});
    cairo_fill(cr);
    label(cr, "100", 66, 172, 7);
    label(cr, "10", 97, 178, 7);
    label(cr, "1", 128, 172, 7);
    // TONE switch, OFF left and ON right of its slot.
    label(cr, "TONE", 182, 66, 7);
    label(cr, "OFF", 160, 98, 6.5);
    label(cr, "ON", 204, 98, 6.5);
    rounded_rect(cr, 168, 72, 28, 20, 3);
    art::set_colour(cr, {0.11, 0.11, 0.12});
    cairo_fill(cr);
    // Mode selector: its seat and four marks.
    cairo_arc(cr, kSelectorX, kSelectorY, 29, 0, 2 * kPi);
    art::set_colour(cr, {0.09, 0.09, 0.10});
    cairo_fill(cr);
    const std::pair<const char*, double> marks[] = {
        {"OFF", kSelectorOff}, {"ANT", 340}, {"ADF", kSelectorAdf}, {"TEST", 70}};
    for (const auto& [name, angle] : marks) {
        art::set_colour(cr, kLabel);
        art::draw_tick(cr, kSelectorX, kSelectorY, angle, 29, 33, 1.5);
        label(cr, name, kSelectorX + 41 * sin_deg(angle), kSelectorY - 38 * cos_deg(angle), 7);
    }
    dark_lamp(cr, 90, 11, 12);
}

// The selector's bar handle pointing at a mark.
void selector(Canvas& c, double angle) {
    cairo_t* cr = c.cr;
    cairo_arc(cr, 27, 27, 25, 0, 2 * kPi);
    art::set_colour(cr, {0.30, 0.31, 0.33});
    cairo_fill(cr);
    cairo_arc(cr, 27, 27, 21, 0, 2 * kPi);
    art::set_colour(cr, {0.13, 0.13, 0.14});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 27, 27);
    cairo_rotate(cr, angle * kPi / 180);
    rounded_rect(cr, -6, -24, 12, 48, 5);
    art::set_colour(cr, {0.24, 0.24, 0.26});
    cairo_fill(cr);
    art::set_colour(cr, kDigit);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, 0, -8);
    cairo_line_to(cr, 0, -22);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The tone switch: a small lever thrown left (OFF) or right (ON).
void tone_switch(Canvas& c, int dir) {
    cairo_t* cr = c.cr;
    cairo_arc(cr, 12, 8, 5, 0, 2 * kPi);
    art::set_colour(cr, {0.62, 0.63, 0.65});
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4);
    art::set_colour(cr, {0.90, 0.90, 0.91});
    cairo_move_to(cr, 12, 8);
    cairo_line_to(cr, 12 + dir * 9, 8);
    cairo_stroke(cr);
}

ArtBitmap adf_face{{.module = "tervalin",
                    .id = 1140,
                    .width = 362,
                    .height = 192,
                    .depth = Depth::Palette8,
                    .what = "Tervalin_ADF plate: frequency and transfer windows, knobs, TONE, mode selector",
                    .draw = faceplate}};
ArtBitmap adf_inner_knob{{.module = "tervalin",
                          .id = 1150,
                          .width = 32,
                          .height = 32,
                          .depth = Depth::Palette8,
                          .what = "ADF inner knob (units)",
                          .draw = [](Canvas& c) {
                              knob(c, {0.26, 0.26, 0.27}, 6);
                          }}};
ArtBitmap adf_middle_knob{{.module = "tervalin",
                           .id = 1160,
                           .width = 46,
                           .height = 46,
                           .depth = Depth::Palette8,
                           .what = "ADF middle knob (tens)",
                           .draw = [](Canvas& c) {
                               knob(c, {0.19, 0.19, 0.20}, 6);
                           }}};
ArtBitmap adf_outer_knob{{.module = "tervalin",
                          .id = 1170,
                          .width = 60,
                          .height = 60,
                          .depth = Depth::Palette8,
                          .what = "ADF outer knob (hundreds)",
                          .draw = [](Canvas& c) {
                              knob(c, {0.14, 0.14, 0.15}, 6);
                          }}};
ArtBitmap adf_digit_strip{{.module = "tervalin",
                           .id = 1180,
                           .width = 14,
                           .height = 275,
                           .depth = Depth::Palette8,
                           .what = "ADF digit drum 0-9,0 (25 px cells)",
                           .draw = [](Canvas& c) { strip(c, digits(0, 9, true), kCell); }}};
ArtBitmap adf_digit_window{{.module = "tervalin",
                            .id = 1181,
                            .width = 14,
                            .height = 25,
                            .depth = Depth::Palette8,
                            .what = "ADF digit window",
                            .draw = window_mask}};
ArtBitmap adf_thousands_0{{.module = "tervalin",
                           .id = 1190,
                           .width = 14,
                           .height = 25,
                           .depth = Depth::Palette8,
                           .what = "ADF thousands digit 0",
                           .draw = [](Canvas& c) { digit_cell(c, "0"); }}};
ArtBitmap adf_thousands_1{{.module = "tervalin",
                           .id = 1191,
                           .width = 14,
                           .height = 25,
                           .depth = Depth::Palette8,
                           .what = "ADF thousands digit 1",
                           .draw = [](Canvas& c) { digit_cell(c, "1"); }}};
ArtBitmap adf_decimal_point{{.module = "tervalin",
                             .id = 1200,
                             .width = 5,
                             .height = 25,
                             .depth = Depth::Palette8,
                             .what = "ADF decimal point",
                             .draw = [](Canvas& c) {
                                 art::set_colour(c.cr, kDrumFace);
                                 cairo_paint(c.cr);
                                 art::set_colour(c.cr, kDigit);
                                 cairo_arc(c.cr, 2.5, 20, 1.8, 0, 2 * kPi);
                                 cairo_fill(c.cr);
                             }}};
ArtBitmap adf_selector_off{{.module = "tervalin",
                            .id = 1210,
                            .width = 54,
                            .height = 54,
                            .depth = Depth::Palette8,
                            .what = "ADF mode selector at OFF",
                            .draw = [](Canvas& c) { selector(c, kSelectorOff); }}};
ArtBitmap adf_selector_adf{{.module = "tervalin",
                            .id = 1211,
                            .width = 54,
                            .height = 54,
                            .depth = Depth::Palette8,
                            .what = "ADF mode selector at ADF",
                            .draw = [](Canvas& c) { selector(c, kSelectorAdf); }}};
ArtBitmap adf_lamp{{.module = "tervalin",
                    .id = 1220,
                    .width = 12,
                    .height = 12,
                    .depth = Depth::Palette8,
                    .what = "ADF lamp, lit",
                    .draw = [](Canvas& c) { lamp(c, true); }}};
ArtBitmap adf_tone_off{{.module = "tervalin",
                        .id = 1230,
                        .width = 24,
                        .height = 16,
                        .depth = Depth::Palette8,
                        .what = "ADF tone switch at OFF",
                        .draw = [](Canvas& c) { tone_switch(c, -1); }}};
ArtBitmap adf_tone_on{{.module = "tervalin",
                       .id = 1231,
                       .width = 24,
                       .height = 16,
                       .depth = Depth::Palette8,
                       .what = "ADF tone switch at ON",
                       .draw = [](Canvas& c) { tone_switch(c, +1); }}};

}  // namespace
