// Fuel_Flow pictures: the litres-per-minute dial, its needle and the bezel
// with the small DEBIT legend right of centre.
#include "engine_dials.h"
#include "host_numbers.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kNeedle = 2;
constexpr double kPphPerLitreMinute = 104.64888;

void draw_face(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, 100, 100, 92);
    art::GaugeProbe probe("Fuel_Flow");
    const Scale scale(probe, kNeedle, token::engine1_fuel_flow);

    art::set_colour(cr, kMarks);
    for (int l = 0; l <= 30; ++l) {
        const bool major = l % 5 == 0;
        scale.tick(cr, l * kPphPerLitreMinute, major ? 74 : 81, 88, major ? 2.6 : 1.2);
    }
    for (int l = 0; l <= 30; l += 5) scale.label(cr, l * kPphPerLitreMinute, 62, std::to_string(l), 15);
    // The needle has no tail; a hub under its root.
    disc(cr, 100, 100, 7, {0.30, 0.30, 0.32});
}

void draw_cover(Canvas& c) {
    cairo_t* cr = c.cr;
    bezel(cr, 100, 100, 100, 91);
    // The small legend disc right of centre, over the needle.
    disc(cr, 140, 104, 17, {0.22, 0.22, 0.23});
    disc(cr, 140, 104, 15.5, kFace);
    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "DEBIT", 140, 98, 7);
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, 129, 104);
    cairo_line_to(cr, 151, 104);
    cairo_stroke(cr);
    art::draw_text_centered(cr, "L / mn", 140, 110, 6.5, "DejaVu Sans", false);
}

art::ArtBitmap face_bitmap{{.module = "tervalin",
                            .id = 1410,
                            .width = 200,
                            .height = 200,
                            .depth = art::Depth::Palette8,
                            .what = "fuel flow dial",
                            .draw = draw_face}};
art::ArtBitmap needle_bitmap{{.module = "tervalin",
                              .id = 1420,
                              .width = 78,
                              .height = 10,
                              .depth = art::Depth::Palette8,
                              .what = "fuel flow needle",
                              .draw = [](Canvas& c) { pointer(c, 0, 5, kMarks, false); }}};
art::ArtBitmap cover_bitmap{{.module = "tervalin",
                             .id = 1430,
                             .width = 200,
                             .height = 200,
                             .depth = art::Depth::Palette8,
                             .what = "fuel flow bezel and legend",
                             .draw = draw_cover}};

}  // namespace
