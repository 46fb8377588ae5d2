#include "render.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>

#include "element_kinds.h"
#include "error.h"
#include "files.h"

namespace gaugehost {
namespace {

struct Saved {
    explicit Saved(cairo_t* cr) : cr(cr) { cairo_save(cr); }
    ~Saved() { cairo_restore(cr); }
    cairo_t* cr;
};

// Scaled bitmaps look best with the better filters; drawing at 1:1 keeps
// exact pixels.
void set_source(cairo_t* cr, cairo_surface_t* surface, double x, double y) {
    cairo_set_source_surface(cr, surface, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
}

// Whole pixels, at least one; anything beyond the limit stays beyond it
// rather than wrapping in the conversion.
int picture_pixels(double size) {
    if (!(size < kMaxPictureSide + 1.0)) return kMaxPictureSide + 1;
    return std::max(1, int(std::lround(size)));
}

}  // namespace

Surface new_surface(int width, int height) {
    if (!picture_size_ok(uint64_t(std::max(width, 0)), uint64_t(std::max(height, 0))))
        throw HostError("a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                        " pixels is more than the host draws (" + picture_limit_text() + ")");
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (const cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS)
        throw HostError("cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                        " pixels (" + cairo_status_to_string(status) + ")");
    return surface;
}

Surface image_surface(const Image& image) {
    Surface surface = new_surface(image.width, image.height);
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = &image.rgba[(size_t(y) * image.width + x) * 4];
            const uint32_t a = p[3];
            auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
            const uint32_t pixel = a << 24 | pre(p[0]) << 16 | pre(p[1]) << 8 | pre(p[2]);
            std::memcpy(data + y * stride + x * 4, &pixel, 4);
        }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

cairo_surface_t* Renderer::surface(const BitmapSource* bitmaps, uint32_t id) {
    if (!bitmaps) return nullptr;
    const Image* image = bitmaps->image(id);
    if (!image || image->width <= 0 || image->height <= 0) return nullptr;
    auto it = cache_.find(image);
    if (it == cache_.end()) it = cache_.emplace(image, image_surface(*image)).first;
    return it->second.get();
}

void Renderer::draw_element(cairo_t* cr, const Placed& placed, size_t index, const ElementState& state) {
    if (state.hidden || !state.has_drawn) return;
    const Element* element = placed.instance->elements()[index];
    const ElementKind* kind = element_kind(element->kind);
    if (!kind) return;
    // Missing bitmaps are named once per gauge, element and id.
    struct Bitmaps : DrawContext {
        Renderer& renderer;
        const Placed& placed;
        size_t index;
        Bitmaps(Renderer& r, const Placed& p, size_t i) : renderer(r), placed(p), index(i) {}
        cairo_surface_t* surface(uint32_t id) override {
            cairo_surface_t* s = renderer.surface(placed.bitmaps, id);
            if (!s && placed.bitmaps && renderer.warnings_) renderer.missing(placed, index, id);
            return s;
        }
    } bitmaps(*this, placed, index);
    Saved saved(cr);
    kind->draw(cr, element, state, bitmaps);
}

void Renderer::missing(const Placed& placed, size_t index, uint32_t id) {
    const char* name = placed.instance->definition().name;
    std::string gauge = name ? name : "(unnamed)";
    if (!warned_.insert({gauge, index, id}).second) return;
    *warnings_ << "gaugehost: warning: gauge " << gauge << ": element " << index + 1 << ": bitmap " << id
               << " is missing\n";
}

void Renderer::draw_gauge(cairo_t* cr, size_t instance) {
    const Placed& placed = host_.placed(instance);
    if (placed.killed) return;
    const auto& elements = placed.instance->elements();
    for (size_t i = 0; i < elements.size() && i < placed.states.size(); ++i)
        draw_element(cr, placed, i, placed.states[i]);
}

void Renderer::draw_gauge(cairo_t* cr, const GaugePlacement& placement) {
    const auto size = host_.size(placement.instance);
    if (!size || size->width <= 0 || size->height <= 0) return;
    Saved saved(cr);
    cairo_translate(cr, placement.x, placement.y);
    cairo_scale(cr, placement.width / size->width, placement.height / size->height);
    draw_gauge(cr, placement.instance);
}

Surface Renderer::render_gauge(size_t instance, double scale) {
    const auto size = host_.size(instance);
    const Placed& placed = host_.placed(instance);
    const char* name = placed.instance->definition().name;
    if (!size || size->width <= 0 || size->height <= 0)
        throw HostError(std::string("gauge ") + (name ? name : "?") + ": its root bitmap is missing");
    const int width = picture_pixels(size->width * scale);
    const int height = picture_pixels(size->height * scale);
    Surface surface = new_surface(width, height);
    cairo_t* cr = cairo_create(surface.get());
    draw_gauge(cr, GaugePlacement{instance, 0, 0, double(width), double(height)});
    cairo_destroy(cr);
    return surface;
}

Surface Renderer::render_panel(double width, double height, const Background& background,
                               const std::vector<GaugePlacement>& gauges, double scale) {
    const int w = picture_pixels(width * scale);
    const int h = picture_pixels(height * scale);
    Surface surface = new_surface(w, h);
    cairo_t* cr = cairo_create(surface.get());
    cairo_set_source_rgb(cr, background.r, background.g, background.b);
    cairo_paint(cr);
    cairo_scale(cr, double(w) / width, double(h) / height);
    if (background.image && background.image->width > 0 && background.image->height > 0) {
        Surface image = image_surface(*background.image);
        Saved saved(cr);
        cairo_scale(cr, width / background.image->width, height / background.image->height);
        set_source(cr, image.get(), 0, 0);
        cairo_paint(cr);
    }
    for (const GaugePlacement& placement : gauges) draw_gauge(cr, placement);
    cairo_destroy(cr);
    return surface;
}

void write_png(cairo_surface_t* surface, const std::string& path) {
    // Encoded in memory first, so a failed write is seen and reported
    // rather than lost in a buffered close.
    std::vector<uint8_t> bytes;
    const cairo_status_t status = cairo_surface_write_to_png_stream(
        surface,
        [](void* closure, const unsigned char* data, unsigned int length) {
            auto* out = static_cast<std::vector<uint8_t>*>(closure);
            out->insert(out->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    if (status != CAIRO_STATUS_SUCCESS)
        throw HostError(path + ": cannot write the picture (" + cairo_status_to_string(status) + ")");
    write_file(path, bytes, "the picture");
}

}  // namespace gaugehost
