// The head-up display's pictures: 1-bit, red on black. The tapes place
// their figures through the display's own strip ranges and the host's
// strip rule, and the bank scale through the pointer's own table, so the
// symbology and the moving parts agree by construction.
#include <cmath>
#include <cstdio>
#include <string>

#include "art.h"
#include "gauge.h"
#include "host.h"
#include "host_numbers.h"
#include "value_flow.h"

namespace {

constexpr art::Colour kRed{1.0, 0.0, 0.0};
constexpr const char* kTapeFont = "DejaVu Sans Mono";

// Chain positions of the elements the pictures are placed from.
constexpr size_t kAirspeedTape = 2;
constexpr size_t kAltitudeTape = 3;
constexpr size_t kHeadingTape = 5;
constexpr size_t kBankPointer = 14;

// The row (or column) of a window where the value under the readout
// shows: the readout digits are centred there.
constexpr double kSpeedIndexRow = 57;       // screen y 145
constexpr double kAltitudeIndexRow = 57;    // screen y 145
constexpr double kHeadingIndexColumn = 58;  // screen x 198

// Screen boxes of the readouts, for the pointer boxes on the background
// and the holes in the tape windows that keep figures from under them.
struct Box {
    double x0, y0, x1, y1;
};
constexpr Box kSpeedBox{19, 134, 58, 156};
constexpr Box kAltitudeBox{350, 134, 400, 156};
constexpr Box kHeadingBox{184, 214, 215, 236};
constexpr double kPointerLength = 7;
constexpr Box kSpeedHole{kSpeedBox.x0, kSpeedBox.y0, kSpeedBox.x1 + kPointerLength, kSpeedBox.y1};
constexpr Box kAltitudeHole{kAltitudeBox.x0 - kPointerLength, kAltitudeBox.y0, kAltitudeBox.x1, kAltitudeBox.y1};

// Where a value sits on one of the display's strips: the strip's first
// row seen through the window, by the host's rule, plus the index row.
struct StripAxis {
    double minimum, maximum;
    int strip, window;
};

StripAxis strip_axis(size_t element, bool x_axis, int strip, int window) {
    art::GaugeProbe probe("Skyra_HUD_R");
    gaugehost::Host& host = probe.host();
    const gaugehost::Placed& placed = host.placed(host.instance_count() - 1);
    const auto* tape = element_as<MovingImage>(placed.instance->elements().at(element - 1));
    return x_axis ? StripAxis{tape->x_min, tape->x_max, strip, window}
                  : StripAxis{tape->y_min, tape->y_max, strip, window};
}

double strip_position(const StripAxis& axis, double value, double index) {
    return gaugehost::strip_offset(value, axis.minimum, axis.maximum, axis.strip, axis.window) + index;
}

void prepare(cairo_t* cr) {
    art::set_colour(cr, kRed);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, double width = 1) {
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

// Text with its left (or right) end at x, centred on y.
void text_at(cairo_t* cr, const std::string& text, double x, double y, double size, bool right_aligned = false) {
    cairo_select_font_face(cr, kTapeFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    const double left = right_aligned ? x - e.x_advance : x;
    cairo_move_to(cr, left, y - e.height / 2 - e.y_bearing);
    cairo_show_text(cr, text.c_str());
}

// A readout box with a pointer on one side; `towards` is the x of its tip.
void pointer_box(cairo_t* cr, const Box& b, double towards) {
    const double mid = (b.y0 + b.y1) / 2;
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, b.x0, b.y0);
    if (towards > b.x1) {
        cairo_line_to(cr, b.x1, b.y0);
        cairo_line_to(cr, b.x1, mid - 4);
        cairo_line_to(cr, towards, mid);
        cairo_line_to(cr, b.x1, mid + 4);
        cairo_line_to(cr, b.x1, b.y1);
        cairo_line_to(cr, b.x0, b.y1);
    } else {
        cairo_line_to(cr, b.x1, b.y0);
        cairo_line_to(cr, b.x1, b.y1);
        cairo_line_to(cr, b.x0, b.y1);
        cairo_line_to(cr, b.x0, mid + 4);
        cairo_line_to(cr, towards, mid);
        cairo_line_to(cr, b.x0, mid - 4);
    }
    cairo_close_path(cr);
    cairo_stroke(cr);
}

// A window: the whole strip shows except under its readout box and pointer.
void window_with_hole(art::Canvas& c, double screen_x, double screen_y, const Box& hole) {
    prepare(c.cr);
    cairo_rectangle(c.cr, 0, 0, c.width, c.height);
    cairo_rectangle(c.cr, hole.x0 - 1 - screen_x, hole.y0 - 1 - screen_y, hole.x1 - hole.x0 + 2, hole.y1 - hole.y0 + 2);
    cairo_set_fill_rule(c.cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(c.cr);
}

// ---------------------------------------------------------------------------
// Background: the fixed symbology.

void draw_background(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);

    // Aircraft reference symbol on the ladder's centre.
    const double cx = 195, cy = 136;
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, cx, cy, 4, 0, 2 * M_PI);
    cairo_stroke(cr);
    line(cr, cx - 18, cy, cx - 4, cy, 1.5);
    line(cr, cx + 4, cy, cx + 18, cy, 1.5);
    line(cr, cx, cy - 4, cx, cy - 10, 1.5);

    // Pitch reference marks either side of the ladder.
    line(cr, 84, cy, 96, cy, 2);
    line(cr, 294, cy, 306, cy, 2);

    // Readout boxes: speed on the left, altitude on the right, heading below.
    pointer_box(cr, kSpeedBox, kSpeedBox.x1 + kPointerLength);
    pointer_box(cr, kAltitudeBox, kAltitudeBox.x0 - kPointerLength);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(
        cr, kHeadingBox.x0, kHeadingBox.y0, kHeadingBox.x1 - kHeadingBox.x0, kHeadingBox.y1 - kHeadingBox.y0);
    cairo_stroke(cr);

    // Bank scale where the bank pointer's tip sweeps, placed through the
    // pointer's own table.
    art::GaugeProbe probe("Skyra_HUD_R");
    for (double bank : {-60.0, -45.0, -30.0, -20.0, -10.0, 0.0, 10.0, 20.0, 30.0, 45.0, 60.0}) {
        const auto angle = probe.needle_angle(kBankPointer, {{token::bank, bank}});
        if (!angle) continue;
        const bool major = bank == 0 || std::fabs(bank) == 30 || std::fabs(bank) == 60;
        const auto a = probe.point_at(kBankPointer, *angle, 74);
        const auto b = probe.point_at(kBankPointer, *angle, major ? 83 : 79);
        line(cr, a.x, a.y, b.x, b.y, major ? 2 : 1.5);
    }
}

// ---------------------------------------------------------------------------
// Tapes

void draw_speed_tape(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    const StripAxis axis = strip_axis(kAirspeedTape, false, c.height, 106);
    for (int knots = 0; knots <= 920; knots += 5) {
        const double y = std::round(strip_position(axis, knots, kSpeedIndexRow)) + 0.5;
        if (y < 0 || y > c.height) continue;
        const bool figure = knots % 10 == 0;
        line(cr, figure ? 25 : 29, y, 34, y, 1);
        if (figure) text_at(cr, std::to_string(knots), 23, y, 10, true);
    }
}

void draw_altitude_tape(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    const StripAxis axis = strip_axis(kAltitudeTape, false, c.height, 106);
    for (int feet = -500; feet <= 59200; feet += 50) {
        const double y = std::round(strip_position(axis, feet, kAltitudeIndexRow)) + 0.5;
        if (y < 0 || y > c.height) continue;
        const bool figure = feet % 100 == 0;
        line(cr, 0, y, figure ? 9 : 5, y, 1);
        if (figure) {
            char text[16];
            std::snprintf(text, sizeof text, "%.1f", feet / 1000.0);
            text_at(cr, text, 11, y, 10);
        }
    }
    // The end of the scale above its last figure.
    const double top = strip_position(axis, 59200, kAltitudeIndexRow);
    text_at(cr, "END", 11, top - 22, 10);
    line(cr, 0, top - 12.5, 38, top - 12.5, 1);
}

// Heading figures: tens of degrees, the cardinal points as letters.
std::string heading_figure(int degrees) {
    const int tens = ((degrees % 360) + 360) % 360 / 10;
    switch (tens) {
        case 0: return "N";
        case 9: return "E";
        case 18: return "S";
        case 27: return "W";
        default: {
            char text[8];
            std::snprintf(text, sizeof text, "%02d", tens);
            return text;
        }
    }
}

void draw_heading_tape(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    const StripAxis axis = strip_axis(kHeadingTape, true, c.width, 116);
    // From before 360 round to after it, so the window never runs off.
    for (int degrees = -30; degrees <= 390; degrees += 5) {
        const double x = std::round(strip_position(axis, degrees, kHeadingIndexColumn)) + 0.5;
        if (x < 0 || x > c.width) continue;
        const bool figure = degrees % 10 == 0;
        line(cr, x, figure ? 15 : 19, x, 24, 1);
        if (figure) {
            const std::string text = heading_figure(degrees);
            cairo_select_font_face(cr, kTapeFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
            cairo_set_font_size(cr, 10);
            cairo_text_extents_t e;
            cairo_text_extents(cr, text.c_str(), &e);
            cairo_move_to(cr, x - e.x_advance / 2, 7 - e.height / 2 - e.y_bearing);
            cairo_show_text(cr, text.c_str());
        }
    }
}

// ---------------------------------------------------------------------------
// Pitch ladder: 16 pixels per degree about the texture's centre row.

constexpr double kLadderPixelsPerDegree = 16;

void draw_pitch_ladder(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    const double centre_x = c.width / 2.0, centre_y = c.height / 2.0;
    line(cr, 0, centre_y, c.width, centre_y, 2);  // the horizon
    for (int degrees = -90; degrees <= 90; degrees += 5) {
        if (degrees == 0) continue;
        const double y = std::round(centre_y - degrees * kLadderPixelsPerDegree) + 0.5;
        const double inner = 22, outer = 66;
        if (degrees > 0) {
            // Climb: solid bars with tips towards the horizon.
            line(cr, centre_x - outer, y, centre_x - inner, y, 2);
            line(cr, centre_x + inner, y, centre_x + outer, y, 2);
            line(cr, centre_x - outer, y, centre_x - outer, y + 5, 1.5);
            line(cr, centre_x + outer, y, centre_x + outer, y + 5, 1.5);
        } else {
            // Dive: dashed bars.
            cairo_set_line_width(cr, 2);
            const double dash[] = {6, 4};
            cairo_set_dash(cr, dash, 2, 0);
            cairo_move_to(cr, centre_x - inner, y);
            cairo_line_to(cr, centre_x - outer, y);
            cairo_move_to(cr, centre_x + inner, y);
            cairo_line_to(cr, centre_x + outer, y);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            line(cr, centre_x - outer, y, centre_x - outer, y - 5, 1.5);
            line(cr, centre_x + outer, y, centre_x + outer, y - 5, 1.5);
        }
        const std::string label = std::to_string(degrees);
        text_at(cr, label, centre_x - outer - 4, y, 10, true);
        text_at(cr, label, centre_x + outer + 4, y, 10);
    }
}

// Where the ladder shows: the middle of the display, clear of the tapes,
// the heading tape and the top readouts.
void draw_ladder_mask(art::Canvas& c) {
    prepare(c.cr);
    cairo_rectangle(c.cr, 80, 28, 230, 168);
    cairo_fill(c.cr);
}

// ---------------------------------------------------------------------------
// Markers

void draw_caret(cairo_t* cr, bool right) {
    prepare(cr);
    if (right) {
        cairo_move_to(cr, 2, 2);
        cairo_line_to(cr, 13, 7.5);
        cairo_line_to(cr, 2, 13);
    } else {
        cairo_move_to(cr, 13, 2);
        cairo_line_to(cr, 2, 7.5);
        cairo_line_to(cr, 13, 13);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void draw_bank_pointer(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    // Drawn pointing right from the pivot at (13,7); the tip stops short of
    // the scale ticks.
    line(cr, 13 + 30, 7.5, 13 + 62, 7.5, 2);
    cairo_move_to(cr, 13 + 60, 2);
    cairo_line_to(cr, 13 + 72, 7.5);
    cairo_line_to(cr, 13 + 60, 13);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void draw_v_marker(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 1, 2);
    cairo_line_to(cr, 7.5, 13);
    cairo_line_to(cr, 14, 2);
    cairo_stroke(cr);
}

void draw_diamond(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 7.5, 1);
    cairo_line_to(cr, 14, 8.5);
    cairo_line_to(cr, 7.5, 16);
    cairo_line_to(cr, 1, 8.5);
    cairo_close_path(cr);
    cairo_stroke(cr);
}

// The low-altitude alert: an R beside a frame round the radar altitude.
void draw_low_altitude_frame(art::Canvas& c) {
    cairo_t* cr = c.cr;
    prepare(cr);
    text_at(cr, "R", 1, 9.5, 15);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 20.5, 1, 42, 17);
    cairo_stroke(cr);
}

using art::ArtBitmap;
using art::Depth;

ArtBitmap background{{.module = "skyra_hud_r",
                      .id = 256,
                      .width = 400,
                      .height = 305,
                      .depth = Depth::Mono1,
                      .what = "HUD background symbology",
                      .draw = draw_background}};
ArtBitmap speed_strip{{.module = "skyra_hud_r",
                       .id = 4608,
                       .width = 34,
                       .height = 2800,
                       .depth = Depth::Mono1,
                       .what = "HUD airspeed tape",
                       .draw = draw_speed_tape}};
ArtBitmap speed_window{{.module = "skyra_hud_r",
                        .id = 4609,
                        .width = 34,
                        .height = 106,
                        .depth = Depth::Mono1,
                        .what = "HUD airspeed window",
                        .draw = [](art::Canvas& c) { window_with_hole(c, 36, 88, kSpeedHole); }}};
ArtBitmap ladder{{.module = "skyra_hud_r",
                  .id = 4864,
                  .width = 226,
                  .height = 3000,
                  .depth = Depth::Mono1,
                  .what = "HUD pitch ladder",
                  .draw = draw_pitch_ladder}};
ArtBitmap ladder_mask{{.module = "skyra_hud_r",
                       .id = 4865,
                       .width = 400,
                       .height = 305,
                       .depth = Depth::Mono1,
                       .what = "HUD pitch ladder mask",
                       .draw = draw_ladder_mask}};
ArtBitmap vs_caret{{.module = "skyra_hud_r",
                    .id = 5120,
                    .width = 15,
                    .height = 15,
                    .depth = Depth::Mono1,
                    .what = "HUD vertical-speed caret",
                    .draw = [](art::Canvas& c) { draw_caret(c.cr, true); }}};
ArtBitmap heading_strip{{.module = "skyra_hud_r",
                         .id = 5376,
                         .width = 1200,
                         .height = 24,
                         .depth = Depth::Mono1,
                         .what = "HUD heading tape",
                         .draw = draw_heading_tape}};
ArtBitmap heading_window{{.module = "skyra_hud_r",
                          .id = 5377,
                          .width = 116,
                          .height = 24,
                          .depth = Depth::Mono1,
                          .what = "HUD heading window",
                          .draw = [](art::Canvas& c) { window_with_hole(c, 140, 200, kHeadingBox); }}};
ArtBitmap alert_off{{.module = "skyra_hud_r",
                     .id = 5632,
                     .width = 64,
                     .height = 19,
                     .depth = Depth::Mono1,
                     .what = "HUD low-altitude alert off",
                     .draw = [](art::Canvas&) {}}};
ArtBitmap alert_on{{.module = "skyra_hud_r",
                    .id = 5633,
                    .width = 64,
                    .height = 19,
                    .depth = Depth::Mono1,
                    .what = "HUD low-altitude R frame",
                    .draw = draw_low_altitude_frame}};
ArtBitmap bank_pointer{{.module = "skyra_hud_r",
                        .id = 6144,
                        .width = 96,
                        .height = 15,
                        .depth = Depth::Mono1,
                        .what = "HUD bank pointer",
                        .draw = draw_bank_pointer}};
ArtBitmap v_marker{{.module = "skyra_hud_r",
                    .id = 6400,
                    .width = 15,
                    .height = 15,
                    .depth = Depth::Mono1,
                    .what = "HUD V marker",
                    .draw = draw_v_marker}};
ArtBitmap speed_caret{{.module = "skyra_hud_r",
                       .id = 8192,
                       .width = 15,
                       .height = 15,
                       .depth = Depth::Mono1,
                       .what = "HUD airspeed caret",
                       .draw = [](art::Canvas& c) { draw_caret(c.cr, false); }}};
ArtBitmap diamond{{.module = "skyra_hud_r",
                   .id = 8448,
                   .width = 15,
                   .height = 17,
                   .depth = Depth::Mono1,
                   .what = "HUD diamond marker",
                   .draw = draw_diamond}};
ArtBitmap altitude_strip{{.module = "skyra_hud_r",
                          .id = 8704,
                          .width = 38,
                          .height = 18000,
                          .depth = Depth::Mono1,
                          .what = "HUD altitude tape",
                          .draw = draw_altitude_tape}};
ArtBitmap altitude_window{{.module = "skyra_hud_r",
                           .id = 8705,
                           .width = 38,
                           .height = 106,
                           .depth = Depth::Mono1,
                           .what = "HUD altitude window",
                           .draw = [](art::Canvas& c) { window_with_hole(c, 328, 88, kAltitudeHole); }}};

}  // namespace
