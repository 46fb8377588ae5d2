// Engine_N1 / Engine_N2 pictures (shared by both gauges): the percent dial
// with its units sub-dial, the two needles and the bezel.
#include "engine_dials.h"
#include "host_numbers.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kFineNeedle = 2;  // chain positions in the gauge
constexpr size_t kMainNeedle = 3;

void draw_face(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, 100, 100, 92);
    art::GaugeProbe probe("Engine_N1");
    const Scale main(probe, kMainNeedle, token::engine1_n1);
    const Scale fine(probe, kFineNeedle, token::engine1_n1);

    art::set_colour(cr, kMarks);
    for (int v = 0; v <= 110; v += 2) {
        const bool major = v % 10 == 0;
        main.tick(cr, v, major ? 74 : 80, 88, major ? 2.6 : 1.2);
        if (v % 5 == 0 && !major) main.tick(cr, v, 77, 88, 1.8);
    }
    for (int v = 0; v <= 100; v += 10) main.label(cr, v, v == 100 ? 60 : 62, std::to_string(v), 13);

    // The units sub-dial: a ring of ten digits, one turn of the fine needle.
    const auto hub = fine.centre();
    disc(cr, hub.x, hub.y, 25, {0.20, 0.20, 0.21});
    disc(cr, hub.x, hub.y, 24, kFace);
    art::set_colour(cr, kMarks);
    for (int k = 0; k < 20; ++k) fine.tick(cr, k * 0.5, k % 2 ? 21.5 : 20, 24, k % 2 ? 0.8 : 1.4);
    for (int d = 0; d <= 9; ++d) fine.label(cr, d, 15, std::to_string(d), 8);

    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "RPM", 100, 124, 12);
    art::draw_text_centered(cr, "PERCENT", 100, 138, 9, "DejaVu Sans", false);
}

art::ArtBitmap face_bitmap{{.module = "tervalin",
                            .id = 1000,
                            .width = 200,
                            .height = 200,
                            .depth = art::Depth::Palette8,
                            .what = "N1/N2 percent dial",
                            .draw = draw_face}};
art::ArtBitmap fine_bitmap{{.module = "tervalin",
                            .id = 1010,
                            .width = 27,
                            .height = 4,
                            .depth = art::Depth::Palette8,
                            .what = "N1/N2 fine needle",
                            .draw = [](Canvas& c) { pointer(c, 7, 2, kMarks, false); }}};
art::ArtBitmap main_bitmap{{.module = "tervalin",
                            .id = 1020,
                            .width = 115,
                            .height = 14,
                            .depth = art::Depth::Palette8,
                            .what = "N1/N2 main needle",
                            .draw = [](Canvas& c) { pointer(c, 30, 7); }}};
art::ArtBitmap cover_bitmap{{.module = "tervalin",
                             .id = 1030,
                             .width = 200,
                             .height = 200,
                             .depth = art::Depth::Palette8,
                             .what = "N1/N2 bezel",
                             .draw = [](Canvas& c) { bezel(c.cr, 100, 100, 100, 91); }}};

}  // namespace
