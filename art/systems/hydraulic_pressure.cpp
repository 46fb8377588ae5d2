// Hydraulic_Pressure pictures: two arc scales in tens of bar, one per
// system, the needle both systems share, and the cover with the side
// panels and the pivot caps.
#include "engine_dials.h"
#include "host_numbers.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kRightNeedle = 2;
constexpr size_t kLeftNeedle = 3;
constexpr double kPsfPerBar = 2087.91;

void draw_scale(cairo_t* cr, const Scale& scale, bool with_band) {
    // The marks end where the needle tip reaches, so the two arcs keep
    // clear of each other in the middle of the dial.
    if (with_band) scale.band(cr, 130 * kPsfPerBar, 170 * kPsfPerBar, 69, 76, kYellow);
    art::set_colour(cr, kMarks);
    for (int bar = 0; bar <= 350; bar += 10) {
        const bool major = bar % 50 == 0;
        scale.tick(cr, bar * kPsfPerBar, major ? 62 : 69, 76, major ? 2.4 : 1.2);
    }
    static const char* const kLabels[] = {"0", "I0", "20", "30"};
    for (int k = 0; k < 4; ++k) scale.label(cr, k * 100 * kPsfPerBar, 49, kLabels[k], 13);
}

void draw_face(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, 150, 150, 139);
    art::GaugeProbe probe("Hydraulic_Pressure");
    const Scale right(probe, kRightNeedle, token::hydraulic2_pressure);
    const Scale left(probe, kLeftNeedle, token::hydraulic1_pressure);
    draw_scale(cr, left, false);
    draw_scale(cr, right, true);

    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "bar x I0", 150, 40, 14, "DejaVu Sans", false);
    const auto left_top = left.at(350 * kPsfPerBar, 76), right_top = right.at(350 * kPsfPerBar, 76);
    art::draw_text_centered(cr, "I", left_top.x, left_top.y - 14, 16);
    art::draw_text_centered(cr, "2", right_top.x, right_top.y - 14, 16);
    const auto left_foot = left.at(-1 * kPsfPerBar, 76), right_foot = right.at(-1 * kPsfPerBar, 76);
    art::draw_text_centered(cr, "TF", left_foot.x + 6, left_foot.y + 16, 14);
    art::draw_text_centered(cr, "Fs", right_foot.x - 6, right_foot.y + 16, 14);
}

void draw_cover(Canvas& c) {
    cairo_t* cr = c.cr;
    // Dark side panels over the needle roots, inside the ring.
    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 150, 150, 138, 0, 2 * std::numbers::pi);
        cairo_clip(cr);
        const double edge = side < 0 ? 0 : 226;
        cairo_rectangle(cr, edge, 0, 74, 300);
        art::set_colour(cr, {0.17, 0.17, 0.18});
        cairo_fill(cr);
        art::set_colour(cr, {0.30, 0.30, 0.32});
        cairo_set_line_width(cr, 1.5);
        const double seam = side < 0 ? 74 : 226;
        cairo_move_to(cr, seam, 0);
        cairo_line_to(cr, seam, 300);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    bezel(cr, 150, 150, 150, 137);
    for (double x : {64.0, 236.0}) {
        disc(cr, x, 150, 11, {0.10, 0.10, 0.11});
        cairo_pattern_t* cap = cairo_pattern_create_radial(x - 3, 147, 1, x, 150, 10);
        cairo_pattern_add_color_stop_rgb(cap, 0, 0.70, 0.70, 0.72);
        cairo_pattern_add_color_stop_rgb(cap, 1, 0.22, 0.22, 0.24);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, 150, 9.5, 0, 2 * std::numbers::pi);
        cairo_set_source(cr, cap);
        cairo_fill(cr);
        cairo_pattern_destroy(cap);
    }
}

art::ArtBitmap face_bitmap{{.module = "tervalin",
                            .id = 1440,
                            .width = 300,
                            .height = 300,
                            .depth = art::Depth::Palette8,
                            .what = "hydraulic pressure dial",
                            .draw = draw_face}};
art::ArtBitmap needle_bitmap{{.module = "tervalin",
                              .id = 1450,
                              .width = 75,
                              .height = 10,
                              .depth = art::Depth::Palette8,
                              .what = "hydraulic pressure needle",
                              .draw = [](Canvas& c) { pointer(c, 0, 5, kMarks, false); }}};
art::ArtBitmap cover_bitmap{{.module = "tervalin",
                             .id = 1460,
                             .width = 300,
                             .height = 300,
                             .depth = art::Depth::Palette8,
                             .what = "hydraulic pressure cover and caps",
                             .draw = draw_cover}};

}  // namespace
