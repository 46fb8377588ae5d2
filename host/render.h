// Drawing placed gauges with Cairo, from the bitmaps in their module file:
// every element as the host derived it on the last frame, later elements
// over earlier ones, a gauge scaled to its placed size.
#pragma once

#include <cairo.h>

#include <iosfwd>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "bitmaps.h"
#include "host.h"

namespace gaugehost {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// A picture of that size; throws HostError beyond the host's picture
// limits or when Cairo cannot make it.
Surface new_surface(int width, int height);
// A decoded bitmap as a premultiplied Cairo surface (throws as above).
Surface image_surface(const Image& image);

// A gauge placed on a picture: the instance and its box in picture pixels.
struct GaugePlacement {
    size_t instance = 0;
    double x = 0, y = 0, width = 0, height = 0;
};

class Renderer {
public:
    explicit Renderer(const Host& host) : host_(host) {}

    // Draws an instance with its root bitmap's top-left at the current
    // origin, in pixels of its root bitmap.
    void draw_gauge(cairo_t* cr, size_t instance);
    // Draws an instance scaled into a box of the current user space.
    void draw_gauge(cairo_t* cr, const GaugePlacement& placement);

    // One instance alone at its root bitmap's size times `scale`. Throws
    // HostError when the gauge has no root bitmap to size it by.
    Surface render_gauge(size_t instance, double scale);

    // A picture of `width` x `height` pixels (times `scale`) filled with a
    // background colour (0..1 RGB) and an optional background image
    // stretched over it, the gauges drawn at their boxes.
    struct Background {
        double r = 0.12, g = 0.13, b = 0.14;
        const Image* image = nullptr;
    };
    Surface render_panel(double width, double height, const Background& background,
                         const std::vector<GaugePlacement>& gauges, double scale);

    // Names each bitmap an element draws from but its module lacks, once
    // per gauge, element and bitmap id, as a line on `out`.
    void warn_missing_bitmaps(std::ostream& out) { warnings_ = &out; }

private:
    cairo_surface_t* surface(const BitmapSource* bitmaps, uint32_t id);
    void draw_element(cairo_t* cr, const Placed& placed, size_t index, const ElementState& state);
    void missing(const Placed& placed, size_t index, uint32_t id);

    const Host& host_;
    std::map<const Image*, Surface> cache_;
    std::ostream* warnings_ = nullptr;
    std::set<std::tuple<std::string, size_t, uint32_t>> warned_;
};

// Writes a surface as PNG; throws HostError naming the file.
void write_png(cairo_surface_t* surface, const std::string& path);

}  // namespace gaugehost
