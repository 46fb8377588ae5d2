// Voltmeter pictures: the volts dial with its rest arc, the needle and the
// bezel.
#include "engine_dials.h"
#include "host_numbers.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kNeedle = 2;

void draw_face(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, 140, 140, 129);
    art::GaugeProbe probe("Voltmeter");
    const Scale scale(probe, kNeedle, token::bus_voltage);

    // Red from 30 to beyond 35, and the short arc down to the rest mark.
    scale.band(cr, 30, 38, 112, 122, kRed);
    scale.band(cr, 0, 15, 116, 122, kRed);
    art::set_colour(cr, kMarks);
    for (int v = 15; v <= 38; ++v) {
        const bool major = v % 5 == 0;
        scale.tick(cr, v, major ? 102 : 110, 122, major ? 3.2 : 1.6);
    }
    scale.tick(cr, 0, 104, 122, 3.2);
    for (int v = 15; v <= 35; v += 5) scale.label(cr, v, 86, std::to_string(v), 20);
    scale.label(cr, 0, 92, "0", 15);

    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "V", 185, 140, 26);
    // The direct-current sign: a bar over a dashed bar.
    cairo_set_line_width(cr, 2.2);
    cairo_move_to(cr, 172, 166);
    cairo_line_to(cr, 198, 166);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 172 + k * 10, 173);
        cairo_line_to(cr, 178 + k * 10, 173);
    }
    cairo_stroke(cr);
}

art::ArtBitmap face_bitmap{{.module = "tervalin",
                            .id = 4390,
                            .width = 280,
                            .height = 280,
                            .depth = art::Depth::Palette8,
                            .what = "voltmeter dial",
                            .draw = draw_face}};
art::ArtBitmap needle_bitmap{{.module = "tervalin",
                              .id = 4400,
                              .width = 163,
                              .height = 22,
                              .depth = art::Depth::Palette8,
                              .what = "voltmeter needle",
                              .draw = [](Canvas& c) { pointer(c, 50, 11); }}};
art::ArtBitmap cover_bitmap{{.module = "tervalin",
                             .id = 4410,
                             .width = 280,
                             .height = 280,
                             .depth = art::Depth::Palette8,
                             .what = "voltmeter bezel",
                             .draw = [](Canvas& c) { bezel(c.cr, 140, 140, 140, 128); }}};

}  // namespace
