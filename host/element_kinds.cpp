#include "element_kinds.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "calibration.h"
#include "render_text.h"

namespace gaugehost {
namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

void look_up(ModuleVariable& variable, const VariableStore& variables) {
    if (variable.token != 0) variables.look_up(variable);
}

double axis(ValueCallback callback, ModuleVariable& variable, Element* element, CallbackRunner& runner) {
    return callback ? runner.run(callback, element) : variable.value;
}

double finite_or_zero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

// Scaled bitmaps look best with the better filters; drawing at 1:1 keeps
// exact pixels.
void set_source(cairo_t* cr, cairo_surface_t* surface, double x, double y) {
    cairo_set_source_surface(cr, surface, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
}

void paint_at(cairo_t* cr, cairo_surface_t* surface, double x, double y) {
    if (!surface) return;
    set_source(cr, surface, x, y);
    cairo_paint(cr);
}

// Far beyond any picture, well inside Cairo's fixed-point range: a slider
// pushed further is off the picture either way.
constexpr double kMaxDrawOffset = 65536;

double drawable(double offset) {
    return std::clamp(finite_or_zero(offset), -kMaxDrawOffset, kMaxDrawOffset);
}

// A turn by any finite number of degrees, as one within a full turn.
double turn(double degrees) {
    return std::fmod(finite_or_zero(degrees), 360.0);
}

double clamp_offset(double offset, int strip, int window) {
    const double room = std::max(0, strip - window);
    if (!std::isfinite(offset)) return 0;
    return std::clamp(offset, 0.0, room);
}

template <class Kind>
const Kind& as(const Element* element) {
    return *reinterpret_cast<const Kind*>(element);
}

AxisValues no_axes(Element*, ElementState&, const VariableStore&, CallbackRunner&) {
    return {};
}
void derive_nothing(const Element*, ElementState&, const BitmapSource*) {}
void describe_nothing(const Element*, const ElementState&, FieldSink&) {}

// StaticImage

void draw_static_image(cairo_t* cr, const Element* element, const ElementState&, DrawContext& bitmaps) {
    paint_at(cr, bitmaps.surface(element->bitmap), element->x, element->y);
}

// Needle

AxisValues evaluate_needle(Element* element, ElementState&, const VariableStore& variables, CallbackRunner& runner) {
    auto* e = element_as<Needle>(element);
    look_up(e->variable, variables);
    AxisValues v;
    v.value = axis(e->callback, e->variable, element, runner);
    return v;
}

void derive_needle(const Element* element, ElementState& state, const BitmapSource*) {
    const Needle& e = as<Needle>(element);
    state.angle = needle_angle(element->x, element->y, e.table, e.table_count, state.drawn.value);
}

void draw_needle(cairo_t* cr, const Element* element, const ElementState& state, DrawContext& bitmaps) {
    cairo_surface_t* s = bitmaps.surface(element->bitmap);
    if (!s || !state.angle) return;
    // Drawn pointing right: turn by the direction less a quarter turn.
    cairo_translate(cr, element->x, element->y);
    cairo_rotate(cr, turn(*state.angle - 90.0) * kDegrees);
    paint_at(cr, s, -element->pivot_x, -element->pivot_y);
}

void describe_needle(const Element* element, const ElementState& state, FieldSink& sink) {
    sink.token("value", as<Needle>(element).variable.token);
    sink.number("value", state.drawn.value);
    if (state.angle)
        sink.number("angle", *state.angle);
    else
        sink.null("angle");
}

// StringElement

AxisValues evaluate_string(Element* element, ElementState& state, const VariableStore& variables,
                           CallbackRunner& runner) {
    auto* e = element_as<StringElement>(element);
    for (ModuleVariable& variable : e->variables) look_up(variable, variables);
    AxisValues v;
    v.value = axis(e->callback, e->variables[0], element, runner);
    if (e->text && e->text_capacity) state.text.assign(e->text, strnlen(e->text, e->text_capacity));
    return v;
}

void draw_string(cairo_t* cr, const Element* element, const ElementState& state, DrawContext&) {
    draw_string_element(cr, as<StringElement>(element), state);
}

void describe_string(const Element* element, const ElementState& state, FieldSink& sink) {
    sink.token("value", as<StringElement>(element).variables[0].token);
    sink.number("value", state.drawn.value);
    if (state.has_drawn)
        sink.string("text", state.text);
    else
        sink.null("text");
}

// Slider

AxisValues evaluate_slider(Element* element, ElementState&, const VariableStore& variables, CallbackRunner& runner) {
    auto* e = element_as<Slider>(element);
    look_up(e->x_variable, variables);
    look_up(e->y_variable, variables);
    AxisValues v;
    v.x = axis(e->x_callback, e->x_variable, element, runner);
    v.y = axis(e->y_callback, e->y_variable, element, runner);
    return v;
}

void derive_slider(const Element* element, ElementState& state, const BitmapSource*) {
    const Slider& e = as<Slider>(element);
    state.offset_x = finite_or_zero(state.drawn.x * e.x_scale);
    state.offset_y = finite_or_zero(state.drawn.y * e.y_scale);
}

void draw_slider(cairo_t* cr, const Element* element, const ElementState& state, DrawContext& bitmaps) {
    paint_at(cr,
             bitmaps.surface(element->bitmap),
             element->x + drawable(state.offset_x),
             element->y + drawable(state.offset_y));
}

void describe_slider(const Element* element, const ElementState& state, FieldSink& sink) {
    const Slider& s = as<Slider>(element);
    sink.token("x", s.x_variable.token);
    sink.token("y", s.y_variable.token);
    sink.number("x", state.drawn.x);
    sink.number("y", state.drawn.y);
    sink.pair("offset", state.offset_x, state.offset_y);
}

// Icon

AxisValues evaluate_icon(Element* element, ElementState&, const VariableStore& variables, CallbackRunner& runner) {
    auto* e = element_as<Icon>(element);
    look_up(e->variable, variables);
    AxisValues v;
    v.value = axis(e->callback, e->variable, element, runner);
    return v;
}

void derive_icon(const Element* element, ElementState& state, const BitmapSource*) {
    state.image = icon_image(as<Icon>(element), state.drawn.value);
}

void draw_icon(cairo_t* cr, const Element* element, const ElementState& state, DrawContext& bitmaps) {
    if (!state.image) return;
    paint_at(cr, bitmaps.surface(element->bitmap + uint32_t(*state.image)), element->x, element->y);
}

void describe_icon(const Element* element, const ElementState& state, FieldSink& sink) {
    sink.token("value", as<Icon>(element).variable.token);
    sink.number("value", state.drawn.value);
    if (state.image) {
        sink.integer("image", *state.image);
        sink.integer("drawn_bitmap", element->bitmap + uint32_t(*state.image));
    } else {
        sink.null("image");
        sink.null("drawn_bitmap");
    }
}

// MovingImage: a strip at bitmap, seen through its window at bitmap + 1.

AxisValues evaluate_moving_image(Element* element, ElementState&, const VariableStore& variables,
                                 CallbackRunner& runner) {
    auto* e = element_as<MovingImage>(element);
    look_up(e->x_variable, variables);
    look_up(e->y_variable, variables);
    AxisValues v;
    v.x = axis(e->x_callback, e->x_variable, element, runner);
    v.y = axis(e->y_callback, e->y_variable, element, runner);
    return v;
}

void derive_moving_image(const Element* element, ElementState& state, const BitmapSource* bitmaps) {
    const MovingImage& e = as<MovingImage>(element);
    const auto strip = bitmaps ? bitmaps->size(element->bitmap) : std::nullopt;
    const auto window = bitmaps ? bitmaps->size(element->bitmap + 1) : std::nullopt;
    state.offset_x = state.offset_y = 0;
    if (strip && window) {
        state.offset_x = strip_offset(state.drawn.x, e.x_min, e.x_max, strip->width, window->width);
        state.offset_y = strip_offset(state.drawn.y, e.y_min, e.y_max, strip->height, window->height);
    }
}

void draw_moving_image(cairo_t* cr, const Element* element, const ElementState& state, DrawContext& bitmaps) {
    cairo_surface_t* strip = bitmaps.surface(element->bitmap);
    cairo_surface_t* window = bitmaps.surface(element->bitmap + 1);
    if (!strip || !window) return;
    const int sw = cairo_image_surface_get_width(strip), sh = cairo_image_surface_get_height(strip);
    const int ww = cairo_image_surface_get_width(window), wh = cairo_image_surface_get_height(window);
    // Values beyond the strip's range stop at its ends.
    const double ox = clamp_offset(state.offset_x, sw, ww);
    const double oy = clamp_offset(state.offset_y, sh, wh);
    set_source(cr, strip, element->x - ox, element->y - oy);
    cairo_mask_surface(cr, window, element->x, element->y);
}

void describe_moving_image(const Element* element, const ElementState& state, FieldSink& sink) {
    const MovingImage& m = as<MovingImage>(element);
    sink.token("x", m.x_variable.token);
    sink.token("y", m.y_variable.token);
    sink.number("x", state.drawn.x);
    sink.number("y", state.drawn.y);
    sink.pair("offset", state.offset_x, state.offset_y);
}

// Sprite: a texture at bitmap, seen through its mask at bitmap + 1.

AxisValues evaluate_sprite(Element* element, ElementState&, const VariableStore& variables, CallbackRunner& runner) {
    auto* e = element_as<Sprite>(element);
    look_up(e->x_variable, variables);
    look_up(e->y_variable, variables);
    look_up(e->rotation_variable, variables);
    AxisValues v;
    v.x = axis(e->x_callback, e->x_variable, element, runner);
    v.y = axis(e->y_callback, e->y_variable, element, runner);
    v.rotation = axis(e->rotation_callback, e->rotation_variable, element, runner);
    return v;
}

void derive_sprite(const Element* element, ElementState& state, const BitmapSource*) {
    const Sprite& e = as<Sprite>(element);
    state.shift_x = finite_or_zero(state.drawn.x * e.x_scale);
    state.shift_y = finite_or_zero(state.drawn.y * e.y_scale);
    state.sprite_angle = finite_or_zero(state.drawn.rotation * e.rotation_scale);
}

void draw_sprite(cairo_t* cr, const Element* element, const ElementState& state, DrawContext& bitmaps) {
    cairo_surface_t* texture = bitmaps.surface(element->bitmap);
    cairo_surface_t* mask = bitmaps.surface(element->bitmap + 1);
    if (!texture || !mask) return;
    const Sprite& sprite = as<Sprite>(element);
    const double sx = sprite.texture_scale_x > 0 ? sprite.texture_scale_x : 1.0;
    const double sy = sprite.texture_scale_y > 0 ? sprite.texture_scale_y : 1.0;
    const int tw = cairo_image_surface_get_width(texture), th = cairo_image_surface_get_height(texture);
    // The texture's centre sits on the pivot, shifted along the turned
    // axes; a texture scale below 1 magnifies it. The texture repeats, so a
    // large shift never runs out of picture.
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(texture);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, element->pivot_x, element->pivot_y);
    // The texture repeats, so a shift by whole texture widths changes
    // nothing: kept within one, it stays in Cairo's range.
    cairo_matrix_rotate(&m, turn(state.sprite_angle) * kDegrees);
    cairo_matrix_translate(&m, std::fmod(state.shift_x, tw / sx), std::fmod(state.shift_y, th / sy));
    cairo_matrix_scale(&m, 1.0 / sx, 1.0 / sy);
    cairo_matrix_translate(&m, -tw / 2.0, -th / 2.0);
    // The pattern matrix maps user space to texture space.
    cairo_matrix_invert(&m);
    cairo_pattern_set_matrix(pattern, &m);
    cairo_set_source(cr, pattern);
    cairo_mask_surface(cr, mask, element->x, element->y);
    cairo_pattern_destroy(pattern);
}

void describe_sprite(const Element* element, const ElementState& state, FieldSink& sink) {
    const Sprite& s = as<Sprite>(element);
    sink.token("x", s.x_variable.token);
    sink.token("y", s.y_variable.token);
    sink.token("rotation", s.rotation_variable.token);
    sink.number("x", state.drawn.x);
    sink.number("y", state.drawn.y);
    sink.number("rotation", state.drawn.rotation);
    sink.pair("shift", state.shift_x, state.shift_y);
    sink.number("angle", state.sprite_angle);
}

// By kind value.
constexpr ElementKind kKinds[] = {
    {"StaticImage", sizeof(StaticImage), no_axes, derive_nothing, draw_static_image, describe_nothing},
    {"Needle", sizeof(Needle), evaluate_needle, derive_needle, draw_needle, describe_needle},
    {"StringElement", sizeof(StringElement), evaluate_string, derive_nothing, draw_string, describe_string},
    {"Slider", sizeof(Slider), evaluate_slider, derive_slider, draw_slider, describe_slider},
    {"Icon", sizeof(Icon), evaluate_icon, derive_icon, draw_icon, describe_icon},
    {"MovingImage",
     sizeof(MovingImage),
     evaluate_moving_image,
     derive_moving_image,
     draw_moving_image,
     describe_moving_image},
    {"Sprite", sizeof(Sprite), evaluate_sprite, derive_sprite, draw_sprite, describe_sprite},
};
static_assert(kKindStaticImage == 0 && kKindNeedle == 1 && kKindString == 2 && kKindSlider == 3 && kKindIcon == 4 &&
              kKindMovingImage == 5 && kKindSprite == 6);

}  // namespace

const ElementKind* element_kind(uint32_t kind) {
    return kind < std::size(kKinds) ? &kKinds[kind] : nullptr;
}

}  // namespace gaugehost
