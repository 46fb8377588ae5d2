#include "render.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "error.h"
#include "render_text.h"

namespace gaugehost {
namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

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

double clamp_offset(double offset, int strip, int window) {
    const double room = std::max(0, strip - window);
    if (!std::isfinite(offset)) return 0;
    return std::clamp(offset, 0.0, room);
}

}  // namespace

Surface image_surface(const Image& image) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
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

void Renderer::draw_element(cairo_t* cr, const Placed& placed, const Element* element, const ElementState& state) {
    if (state.hidden || !state.has_drawn) return;
    const BitmapSource* bitmaps = placed.bitmaps;
    Saved saved(cr);
    switch (element->kind) {
        case kKindStaticImage: {
            if (cairo_surface_t* s = surface(bitmaps, element->bitmap)) {
                set_source(cr, s, element->x, element->y);
                cairo_paint(cr);
            }
            break;
        }
        case kKindNeedle: {
            cairo_surface_t* s = surface(bitmaps, element->bitmap);
            if (!s || !state.angle) break;
            // Drawn pointing right: turn by the direction less a quarter turn.
            cairo_translate(cr, element->x, element->y);
            cairo_rotate(cr, (*state.angle - 90.0) * kDegrees);
            set_source(cr, s, -element->pivot_x, -element->pivot_y);
            cairo_paint(cr);
            break;
        }
        case kKindIcon: {
            if (!state.image) break;
            if (cairo_surface_t* s = surface(bitmaps, element->bitmap + uint32_t(*state.image))) {
                set_source(cr, s, element->x, element->y);
                cairo_paint(cr);
            }
            break;
        }
        case kKindSlider: {
            if (cairo_surface_t* s = surface(bitmaps, element->bitmap)) {
                set_source(cr, s, element->x + state.offset_x, element->y + state.offset_y);
                cairo_paint(cr);
            }
            break;
        }
        case kKindMovingImage: {
            cairo_surface_t* strip = surface(bitmaps, element->bitmap);
            cairo_surface_t* window = surface(bitmaps, element->bitmap + 1);
            if (!strip || !window) break;
            const int sw = cairo_image_surface_get_width(strip), sh = cairo_image_surface_get_height(strip);
            const int ww = cairo_image_surface_get_width(window), wh = cairo_image_surface_get_height(window);
            // Values beyond the strip's range stop at its ends.
            const double ox = clamp_offset(state.offset_x, sw, ww);
            const double oy = clamp_offset(state.offset_y, sh, wh);
            set_source(cr, strip, element->x - ox, element->y - oy);
            cairo_mask_surface(cr, window, element->x, element->y);
            break;
        }
        case kKindSprite: {
            cairo_surface_t* texture = surface(bitmaps, element->bitmap);
            cairo_surface_t* mask = surface(bitmaps, element->bitmap + 1);
            if (!texture || !mask) break;
            const auto* sprite = reinterpret_cast<const Sprite*>(element);
            const double sx = sprite->texture_scale_x > 0 ? sprite->texture_scale_x : 1.0;
            const double sy = sprite->texture_scale_y > 0 ? sprite->texture_scale_y : 1.0;
            const int tw = cairo_image_surface_get_width(texture), th = cairo_image_surface_get_height(texture);
            // The texture's centre sits on the pivot, shifted along the
            // turned axes; a texture scale below 1 magnifies it. The
            // texture repeats, so a large shift never runs out of picture.
            cairo_pattern_t* pattern = cairo_pattern_create_for_surface(texture);
            cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
            cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
            cairo_matrix_t m;
            cairo_matrix_init_translate(&m, element->pivot_x, element->pivot_y);
            cairo_matrix_rotate(&m, state.sprite_angle * kDegrees);
            cairo_matrix_translate(&m, state.shift_x, state.shift_y);
            cairo_matrix_scale(&m, 1.0 / sx, 1.0 / sy);
            cairo_matrix_translate(&m, -tw / 2.0, -th / 2.0);
            // The pattern matrix maps user space to texture space.
            cairo_matrix_invert(&m);
            cairo_pattern_set_matrix(pattern, &m);
            cairo_set_source(cr, pattern);
            cairo_mask_surface(cr, mask, element->x, element->y);
            cairo_pattern_destroy(pattern);
            break;
        }
        case kKindString:
            draw_string_element(cr, *reinterpret_cast<const StringElement*>(element), state);
            break;
        default:
            break;
    }
}

void Renderer::draw_gauge(cairo_t* cr, size_t instance) {
    const Placed& placed = host_.placed(instance);
    if (placed.killed) return;
    const auto& elements = placed.instance->elements();
    for (size_t i = 0; i < elements.size() && i < placed.states.size(); ++i)
        draw_element(cr, placed, elements[i], placed.states[i]);
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
    const int width = std::max(1, int(std::lround(size->width * scale)));
    const int height = std::max(1, int(std::lround(size->height * scale)));
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_t* cr = cairo_create(surface.get());
    draw_gauge(cr, GaugePlacement{instance, 0, 0, double(width), double(height)});
    cairo_destroy(cr);
    return surface;
}

Surface Renderer::render_panel(double width, double height, const Background& background,
                               const std::vector<GaugePlacement>& gauges, double scale) {
    const int w = std::max(1, int(std::lround(width * scale)));
    const int h = std::max(1, int(std::lround(height * scale)));
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
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
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw HostError(path + ": cannot write the picture (" + cairo_status_to_string(status) + ")");
}

}  // namespace gaugehost
