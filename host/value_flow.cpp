#include "value_flow.h"

#include <cmath>
#include <cstring>

#include "calibration.h"

namespace gaugehost {
namespace {

constexpr int kMaxBindings = 64;

void look_up(ModuleVariable& variable, const VariableStore& variables) {
    if (variable.token != 0) variables.look_up(variable);
}

double axis(ValueCallback callback, ModuleVariable& variable, Element* element, CallbackRunner& runner) {
    return callback ? runner.run(callback, element) : variable.value;
}

double finite_or_zero(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

double strip_offset(double value, double minimum, double maximum, int strip, int window) {
    if (minimum == maximum) return 0.0;
    return finite_or_zero((value - minimum) / (maximum - minimum) * double(strip - window));
}

std::optional<int> icon_image(const Icon& icon, double value) {
    // The sign is tested on the value itself, before scaling.
    if (std::isnan(value) || value < 0) return std::nullopt;
    // Switch setting 3 selects the image by the value itself.
    const double index = icon.switch_setting == 3 ? value : value * icon.scale;
    const int last = icon.image_count > 0 ? int(icon.image_count) - 1 : 0;
    if (!std::isfinite(index) || index >= last) return last;
    return index < 0 ? 0 : int(index);
}

void update_element(Element* element, ElementState& state, const VariableStore& variables,
                    const BitmapSource* bitmaps, CallbackRunner& runner) {
    AxisValues v;
    auto* any = element;
    switch (element->kind) {
        case kKindNeedle: {
            auto* e = element_as<Needle>(any);
            look_up(e->variable, variables);
            v.value = axis(e->callback, e->variable, any, runner);
            break;
        }
        case kKindString: {
            auto* e = element_as<StringElement>(any);
            for (ModuleVariable& variable : e->variables) look_up(variable, variables);
            v.value = axis(e->callback, e->variables[0], any, runner);
            if (e->text && e->text_capacity) state.text.assign(e->text, strnlen(e->text, e->text_capacity));
            break;
        }
        case kKindSlider: {
            auto* e = element_as<Slider>(any);
            look_up(e->x_variable, variables);
            look_up(e->y_variable, variables);
            v.x = axis(e->x_callback, e->x_variable, any, runner);
            v.y = axis(e->y_callback, e->y_variable, any, runner);
            break;
        }
        case kKindIcon: {
            auto* e = element_as<Icon>(any);
            look_up(e->variable, variables);
            v.value = axis(e->callback, e->variable, any, runner);
            break;
        }
        case kKindMovingImage: {
            auto* e = element_as<MovingImage>(any);
            look_up(e->x_variable, variables);
            look_up(e->y_variable, variables);
            v.x = axis(e->x_callback, e->x_variable, any, runner);
            v.y = axis(e->y_callback, e->y_variable, any, runner);
            break;
        }
        case kKindSprite: {
            auto* e = element_as<Sprite>(any);
            look_up(e->x_variable, variables);
            look_up(e->y_variable, variables);
            look_up(e->rotation_variable, variables);
            v.x = axis(e->x_callback, e->x_variable, any, runner);
            v.y = axis(e->y_callback, e->y_variable, any, runner);
            v.rotation = axis(e->rotation_callback, e->rotation_variable, any, runner);
            break;
        }
        default:
            break;
    }

    // Failure bindings, in list order.
    bool freezing = false;
    state.failure_hidden = false;
    if (element->failures) {
        for (int i = 0; i < kMaxBindings && element->failures[i].key != 0; ++i) {
            const FailureBinding& binding = element->failures[i];
            if (!variables.failure_active(binding.key)) continue;
            switch (binding.action) {
                case kFailureActionFreeze:
                    if (!state.frozen) state.frozen = state.has_drawn ? state.drawn : v;
                    v = *state.frozen;
                    freezing = true;
                    break;
                case kFailureActionZero:
                    v = AxisValues{};
                    break;
                case kFailureActionHide:
                    state.failure_hidden = true;
                    break;
                default:
                    break;
            }
        }
    }
    if (!freezing) state.frozen.reset();
    state.drawn = v;
    state.has_drawn = true;
    state.hidden = (element->image_flags & kImageHidden) != 0 || state.failure_hidden;

    auto bitmap_size = [&](uint32_t id) -> std::optional<BitmapSize> {
        return bitmaps ? bitmaps->size(id) : std::nullopt;
    };
    switch (element->kind) {
        case kKindNeedle: {
            auto* e = element_as<Needle>(any);
            state.angle = needle_angle(element->x, element->y, e->table, e->table_count, v.value);
            break;
        }
        case kKindIcon:
            state.image = icon_image(*element_as<Icon>(any), v.value);
            break;
        case kKindMovingImage: {
            auto* e = element_as<MovingImage>(any);
            const auto strip = bitmap_size(element->bitmap);
            const auto window = bitmap_size(element->bitmap + 1);
            state.offset_x = state.offset_y = 0;
            if (strip && window) {
                state.offset_x = strip_offset(v.x, e->x_min, e->x_max, strip->width, window->width);
                state.offset_y = strip_offset(v.y, e->y_min, e->y_max, strip->height, window->height);
            }
            break;
        }
        case kKindSlider: {
            auto* e = element_as<Slider>(any);
            state.offset_x = finite_or_zero(v.x * e->x_scale);
            state.offset_y = finite_or_zero(v.y * e->y_scale);
            break;
        }
        case kKindSprite: {
            auto* e = element_as<Sprite>(any);
            state.shift_x = finite_or_zero(v.x * e->x_scale);
            state.shift_y = finite_or_zero(v.y * e->y_scale);
            state.sprite_angle = finite_or_zero(v.rotation * e->rotation_scale);
            break;
        }
        default:
            break;
    }
}

}  // namespace gaugehost
