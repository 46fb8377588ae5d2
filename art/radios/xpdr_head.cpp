// "Tervalin_XPDR" pictures: the IFF faceplate with its ON/OFF marks, the
// painted MODE 1 thumbwheels, the MODE 3/A drum windows and labels; the
// code drum (9 x 17 cells), the IDENT button, the lamp and the toggle.
#include "radios/radio_parts.h"

namespace {

using art::ArtBitmap;
using art::Canvas;
using art::Depth;
using namespace radio_art;

constexpr double kCell = 17;
// The ON/OFF toggle: its pivot, and a bat long enough to reach the marks.
constexpr Toggle kToggle = {.x = 14, .y = 34, .nut = 8, .hole = 4.5, .length = 26};

void faceplate(Canvas& c) {
    cairo_t* cr = c.cr;
    plate(cr, c.width, c.height, 6);
    for (auto [x, y] : {std::pair{7.0, 7.0}, {254.0, 7.0}, {7.0, 92.0}, {254.0, 92.0}}) screw(cr, x, y, 3);
    label(cr, "IFF", 90, 14, 10);
    // The toggle's seat with ON above and OFF below.
    rounded_rect(cr, 30, 13, 24, 60, 4);
    art::set_colour(cr, {0.11, 0.11, 0.12});
    cairo_fill(cr);
    label(cr, "ON", 22, 20, 6.5);
    label(cr, "OFF", 21, 68, 6.5);
    // MODE 1: two thumbwheels painted at 5 and 0.
    label(cr, "MODE 1", 82, 40, 6.5);
    window_bezel(cr, 70, 59, 24, 17);
    art::set_colour(cr, kDrumFace);
    cairo_rectangle(cr, 70, 59, 24, 17);
    cairo_fill(cr);
    for (auto [x, text] : {std::pair{76.0, "5"}, {88.0, "0"}}) {
        cairo_save(cr);
        cairo_translate(cr, x, 67.5);
        art::set_colour(cr, kDigit);
        art::draw_text_centered(cr, text, 0, 0, 12, "DejaVu Sans Mono", true);
        cairo_restore(cr);
    }
    // MODE 3/A: the four code drums from x 118 to 196, stepped from the
    // marks above and below each.
    label(cr, "MODE 3/A", 157, 36, 6.5);
    window_bezel(cr, 118, 59, 78, 17);
    for (int k = 0; k < 4; ++k) {
        const double cx = 122.5 + 23 * k;
        art::set_colour(cr, kLabel);
        cairo_move_to(cr, cx - 3.5, 55);
        cairo_line_to(cr, cx + 3.5, 55);
        cairo_line_to(cr, cx, 50);
        cairo_close_path(cr);
        cairo_move_to(cr, cx - 3.5, 80);
        cairo_line_to(cr, cx + 3.5, 80);
        cairo_line_to(cr, cx, 85);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    label(cr, "IDENT", 222, 22, 6.5);
    label(cr, "NC", 222, 72, 6.5);
    dark_lamp(cr, 53, 79, 12);
}

// The IDENT push button, released or pressed in.
void ident_button(Canvas& c, bool pressed) {
    cairo_t* cr = c.cr;
    rounded_rect(cr, 1, 1, 24, 30, 4);
    art::set_colour(cr, {0.40, 0.41, 0.42});
    cairo_fill(cr);
    const double inset = pressed ? 4 : 3;
    rounded_rect(cr, inset, inset, 26 - 2 * inset, 32 - 2 * inset, 3);
    art::set_colour(cr, pressed ? art::Colour{0.16, 0.16, 0.17} : art::Colour{0.24, 0.24, 0.25});
    cairo_fill(cr);
    art::set_colour(cr, kLabel);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 8, 16);
    cairo_line_to(cr, 18, 16);
    cairo_stroke(cr);
}

ArtBitmap xpdr_face{{.module = "tervalin",
                     .id = 3300,
                     .width = 261,
                     .height = 99,
                     .depth = Depth::Palette8,
                     .what = "Tervalin_XPDR IFF plate: ON/OFF, MODE 1, MODE 3/A windows, IDENT",
                     .draw = faceplate}};
ArtBitmap xpdr_digit_strip{{.module = "tervalin",
                            .id = 3310,
                            .width = 9,
                            .height = 187,
                            .depth = Depth::Palette8,
                            .what = "XPDR code drum 0-9,0 (17 px cells)",
                            .draw = [](Canvas& c) { strip(c, digits(0, 9, true), kCell); }}};
ArtBitmap xpdr_digit_window{{.module = "tervalin",
                             .id = 3311,
                             .width = 9,
                             .height = 17,
                             .depth = Depth::Palette8,
                             .what = "XPDR code window",
                             .draw = window_mask}};
ArtBitmap xpdr_switch_off{{.module = "tervalin",
                           .id = 3320,
                           .width = 28,
                           .height = 68,
                           .depth = Depth::Palette8,
                           .what = "XPDR toggle at OFF (down)",
                           .draw = [](Canvas& c) { toggle(c, kToggle, +1); }}};
ArtBitmap xpdr_switch_on{{.module = "tervalin",
                          .id = 3321,
                          .width = 28,
                          .height = 68,
                          .depth = Depth::Palette8,
                          .what = "XPDR toggle at ON (up)",
                          .draw = [](Canvas& c) { toggle(c, kToggle, -1); }}};
ArtBitmap xpdr_lamp{{.module = "tervalin",
                     .id = 3330,
                     .width = 12,
                     .height = 12,
                     .depth = Depth::Palette8,
                     .what = "XPDR lamp, lit",
                     .draw = [](Canvas& c) { lamp(c, true); }}};
ArtBitmap xpdr_ident_released{{.module = "tervalin",
                               .id = 3340,
                               .width = 26,
                               .height = 32,
                               .depth = Depth::Palette8,
                               .what = "XPDR IDENT button, released",
                               .draw = [](Canvas& c) { ident_button(c, false); }}};
ArtBitmap xpdr_ident_pressed{{.module = "tervalin",
                              .id = 3341,
                              .width = 26,
                              .height = 32,
                              .depth = Depth::Palette8,
                              .what = "XPDR IDENT button, pressed",
                              .draw = [](Canvas& c) { ident_button(c, true); }}};

}  // namespace
