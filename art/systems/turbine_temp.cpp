// Turbine_Temp pictures: the jet pipe temperature dial in hundreds of
// degrees Celsius, its needle and the bezel.
#include "engine_dials.h"
#include "host_numbers.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kNeedle = 2;

double rankine(double celsius) {
    return 491.67 + 1.8 * celsius;
}

void draw_face(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, 100, 100, 92);
    art::GaugeProbe probe("Turbine_Temp");
    const Scale scale(probe, kNeedle, token::engine1_turbine_temperature);

    scale.band(cr, rankine(600), rankine(690), 80, 88, kGreen);
    scale.band(cr, rankine(720), rankine(780), 80, 88, kOrange);
    scale.band(cr, rankine(1000), rankine(1100), 80, 88, kRed);
    art::set_colour(cr, kMarks);
    for (int t = 0; t <= 1000; t += 50) {
        const bool major = t % 200 == 0;
        scale.tick(cr, rankine(t), major ? 72 : (t % 100 == 0 ? 76 : 80), 88, major ? 2.6 : 1.4);
    }
    for (int t = 0; t <= 1000; t += 200) scale.label(cr, rankine(t), 60, std::to_string(t / 100), 16);

    art::set_colour(cr, kMarks);
    art::draw_text_centered(cr, "TUYERE", 100, 136, 11);
    art::draw_text_centered(cr, "\u00B0C x I00", 100, 151, 10, "DejaVu Sans", false);
}

art::ArtBitmap face_bitmap{{.module = "tervalin",
                            .id = 470,
                            .width = 200,
                            .height = 200,
                            .depth = art::Depth::Palette8,
                            .what = "turbine temperature dial",
                            .draw = draw_face}};
art::ArtBitmap needle_bitmap{{.module = "tervalin",
                              .id = 480,
                              .width = 110,
                              .height = 8,
                              .depth = art::Depth::Palette8,
                              .what = "turbine temperature needle",
                              .draw = [](Canvas& c) { pointer(c, 34, 4); }}};
art::ArtBitmap cover_bitmap{{.module = "tervalin",
                             .id = 490,
                             .width = 200,
                             .height = 200,
                             .depth = art::Depth::Palette8,
                             .what = "turbine temperature bezel",
                             .draw = [](Canvas& c) { bezel(c.cr, 100, 100, 100, 91); }}};

}  // namespace
