// The picture generator's framework: every bitmap a gauge names is
// registered here with its id, size and depth and drawn with Cairo.
//
// Drawings that carry a scale place its marks through the gauge itself:
// GaugeProbe loads the module's records, sets host variables, runs the
// gauge's value callbacks and calibration tables, and reports where the
// needle points, so a face and its needle agree by construction.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gaugehost {
class Host;
}

namespace art {

enum class Depth {
    Palette8,  // 8 bits per pixel with a palette (the main module)
    Rgb24,     // 24 bits per pixel
    Mono1,     // 1 bit per pixel, red on black (the head-up display)
};

// The drawing context of one bitmap: a Cairo context on a transparent
// surface of the bitmap's size. Pure black is the transparent colour of
// gauge bitmaps; draw black that must show with kNearBlack.
struct Canvas {
    cairo_t* cr;
    int width;
    int height;
};

using DrawFunction = std::function<void(Canvas&)>;

struct BitmapDrawing {
    std::string module;  // "tervalin" or "skyra_hud_r"
    uint32_t id = 0;
    int width = 0;
    int height = 0;
    Depth depth = Depth::Palette8;
    std::string what;  // one line for the contact sheet
    DrawFunction draw;
};

// Registers a bitmap; called from the static registrars below.
void register_bitmap(BitmapDrawing drawing);
const std::vector<BitmapDrawing>& registered_bitmaps();

// Registers at program start: static ArtBitmap name{{...}};
struct ArtBitmap {
    explicit ArtBitmap(BitmapDrawing drawing) { register_bitmap(std::move(drawing)); }
};

// Colours (0 ... 1 components).
struct Colour {
    double r, g, b;
};
inline constexpr Colour kNearBlack{0.04, 0.04, 0.04};
inline constexpr Colour kWhite{0.95, 0.95, 0.93};
inline void set_colour(cairo_t* cr, Colour c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

// The gauge's own view of its dial, through the built module's records.
class GaugeProbe {
public:
    // Places the named gauge of the records module given to the generator.
    explicit GaugeProbe(const std::string& gauge, std::optional<std::string> parameters = std::nullopt);
    ~GaugeProbe();

    // Sets variables (token -> value), runs one frame and returns the
    // direction, in degrees clockwise from straight up, of the needle at
    // 1-based chain position `element`; null when it draws nothing.
    std::optional<double> needle_angle(size_t element, const std::map<int32_t, double>& variables);
    // The point at `radius` from the needle's position in that direction.
    struct Point {
        double x, y;
    };
    Point point_at(size_t element, double angle_degrees, double radius) const;
    gaugehost::Host& host();

private:
    size_t index_ = 0;
};

// Text helpers: centred text in a font family at a size in pixels.
void draw_text_centered(cairo_t* cr, const std::string& text, double x, double y, double size,
                        const char* family = "DejaVu Sans", bool bold = true);

// Marks around a centre: a tick from radius r0 to r1 at the given angle
// (degrees clockwise from straight up).
void draw_tick(cairo_t* cr, double cx, double cy, double angle_degrees, double r0, double r1, double width);

}  // namespace art
