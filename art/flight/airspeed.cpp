// "Airspeed" pictures: the knots face, the Mach disc, the pointer with its
// Mach window and the bezel. Every knots mark and Mach mark is placed
// through the gauge's own callbacks and table.
#include <cmath>
#include <cstdio>

#include "host_numbers.h"
#include "systems/engine_dials.h"

namespace {

using namespace art::dials;
using art::Canvas;

constexpr size_t kMachDisc = 2;  // chain positions in the gauge
constexpr size_t kPointer = 3;
constexpr double kCentre = 138;

void draw_face(Canvas& c) {
    cairo_t* cr = c.cr;
    face(cr, kCentre, kCentre, 136);
    art::GaugeProbe probe("Airspeed");
    const Scale knots(probe, kPointer, token::indicated_airspeed);

    // The orange band just below 600 knots.
    knots.band(cr, 550, 600, 121, 127, kOrange);
    art::set_colour(cr, kMarks);
    knots.tick(cr, 0, 106, 127, 3);
    knots.tick(cr, 50, 110, 127, 2.2);
    for (int v = 60; v <= 600; v += 10) {
        const bool major = v % 50 == 0;
        if (v > 300 && !major && v % 20 != 0) continue;  // the scale tightens above 300
        knots.tick(cr, v, v % 100 == 0 ? 106 : major ? 110 : 117, 127, v % 100 == 0 ? 3 : major ? 2.2 : 1.3);
    }
    for (int v = 100; v <= 600; v += 100) knots.label(cr, v, 96, std::to_string(v / 100), 17);
    // The legend in the wide gap between 0 and 100 knots, clear of the
    // pointer's disc.
    const auto legend = [&](const char* text, double radius, double size, bool bold) {
        const double a = radians(27);
        art::draw_text_centered(
            cr, text, kCentre + radius * std::sin(a), kCentre - radius * std::cos(a), size, "DejaVu Sans", bold);
    };
    legend("KNOTS", 104, 8, true);
    legend("x 100", 95, 7, false);
    // The plain dark centre under the pointer's disc.
    disc(cr, kCentre, kCentre, 90, {0.10, 0.10, 0.11});
}

// The Mach disc, drawn as the needle it is (0 at three o'clock, clockwise):
// each mark sits where the window under the pointer shows that Mach number.
void draw_mach_disc(Canvas& c) {
    cairo_t* cr = c.cr;
    const double cx = 90, cy = 90;
    disc(cr, cx, cy, 90, {0.16, 0.16, 0.17});
    disc(cr, cx, cy, 88, {0.10, 0.10, 0.11});
    art::GaugeProbe probe("Airspeed");
    // A fast reference speed keeps the disc on the table for every mark.
    constexpr double kReferenceKnots = 550;
    auto mark_angle = [&](double mach) {
        const std::map<int32_t, double> v{{token::indicated_airspeed, kReferenceKnots}, {token::mach, mach * 20480}};
        // The disc is updated before the pointer, so it reads the pointer's
        // dial value of the frame before: run one frame to settle it.
        probe.needle_angle(kPointer, v);
        const auto pointer = probe.needle_angle(kPointer, v);
        const auto disc_angle = probe.needle_angle(kMachDisc, v);
        if (!pointer || !disc_angle) throw gaugehost::HostError("Mach disc draws nothing");
        // Degrees clockwise from the disc's own right-hand direction.
        return radians(*pointer - *disc_angle);
    };
    art::set_colour(cr, kMarks);
    for (int k = 0; k <= 44; ++k) {
        const double a = mark_angle(k * 0.05);
        const double r0 = k % 4 == 0 ? 76 : 81;
        cairo_set_line_width(cr, k % 4 == 0 ? 2 : 1);
        cairo_move_to(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a));
        cairo_line_to(cr, cx + 87 * std::cos(a), cy + 87 * std::sin(a));
        cairo_stroke(cr);
    }
    for (int k = 0; k <= 11; ++k) {
        const double a = mark_angle(k * 0.2);
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", k * 0.2);
        cairo_save(cr);
        cairo_translate(cr, cx + 67 * std::cos(a), cy + 67 * std::sin(a));
        // Radial, read from the rim inwards: upright where Mach matters,
        // on the left half of the dial at high speed.
        cairo_rotate(cr, a + std::numbers::pi);
        art::draw_text_centered(cr, text, 0, 0, 12);
        cairo_restore(cr);
    }
}

// The pointer: a dark disc over the Mach disc with a wedge window on its
// right, a white bar through the window and a tip out to the knots scale.
void draw_pointer(Canvas& c) {
    cairo_t* cr = c.cr;
    const double px = 87, py = 87;
    const double window = radians(20);
    cairo_new_sub_path(cr);
    cairo_arc(cr, px, py, 87, window, 2 * std::numbers::pi - window);
    cairo_arc_negative(cr, px, py, 50, 2 * std::numbers::pi - window, window);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, px, py, 50, 0, 2 * std::numbers::pi);
    art::set_colour(cr, {0.12, 0.12, 0.13});
    cairo_fill(cr);
    // The window's frame.
    art::set_colour(cr, {0.30, 0.30, 0.32});
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, px, py, 50, -window, window);
    cairo_stroke(cr);
    art::set_colour(cr, kMarks);
    cairo_save(cr);
    cairo_translate(cr, px + 30, py + 9);
    cairo_rotate(cr, std::numbers::pi);
    art::draw_text_centered(cr, "MACH", 0, 0, 8);
    cairo_restore(cr);
    // Bar to the window, a hairline index across it, then the tip out to
    // the knots scale.
    cairo_rectangle(cr, px - 30, py - 3, 30 + 50, 6);
    cairo_fill(cr);
    cairo_rectangle(cr, px + 50, py - 0.8, 37, 1.6);
    cairo_fill(cr);
    cairo_move_to(cr, px + 87, py - 3);
    cairo_line_to(cr, 190, py - 2.5);
    cairo_line_to(cr, 210, py);
    cairo_line_to(cr, 190, py + 2.5);
    cairo_line_to(cr, px + 87, py + 3);
    cairo_close_path(cr);
    cairo_fill(cr);
    disc(cr, px, py, 9, {0.30, 0.30, 0.32});
    disc(cr, px, py, 4, {0.60, 0.60, 0.62});
}

art::ArtBitmap face_bitmap{{.module = "tervalin",
                            .id = 1340,
                            .width = 276,
                            .height = 276,
                            .depth = art::Depth::Palette8,
                            .what = "airspeed face",
                            .draw = draw_face}};
art::ArtBitmap pointer_bitmap{{.module = "tervalin",
                               .id = 1350,
                               .width = 210,
                               .height = 174,
                               .depth = art::Depth::Palette8,
                               .what = "airspeed pointer",
                               .draw = draw_pointer}};
art::ArtBitmap mach_bitmap{{.module = "tervalin",
                            .id = 1360,
                            .width = 180,
                            .height = 180,
                            .depth = art::Depth::Palette8,
                            .what = "airspeed Mach disc",
                            .draw = draw_mach_disc}};
art::ArtBitmap bezel_bitmap{{.module = "tervalin",
                             .id = 1370,
                             .width = 276,
                             .height = 276,
                             .depth = art::Depth::Palette8,
                             .what = "airspeed bezel",
                             .draw = [](Canvas& c) { bezel(c.cr, kCentre, kCentre, 138, 128); }}};

}  // namespace
