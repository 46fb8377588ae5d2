#include "value_flow.h"

#include <cmath>

#include "element_kinds.h"

namespace gaugehost {
namespace {

constexpr int kMaxBindings = 64;

double finite_or_zero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

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

void update_element(Element* element, ElementState& state, const VariableStore& variables, const BitmapSource* bitmaps,
                    CallbackRunner& runner) {
    const ElementKind* kind = element_kind(element->kind);
    AxisValues v = kind ? kind->evaluate(element, state, variables, runner) : AxisValues{};

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
                case kFailureActionZero: v = AxisValues{}; break;
                case kFailureActionHide: state.failure_hidden = true; break;
                default: break;
            }
        }
    }
    if (!freezing) state.frozen.reset();
    state.drawn = v;
    state.has_drawn = true;
    state.hidden = (element->image_flags & kImageHidden) != 0 || state.failure_hidden;
    if (kind) kind->derive(element, state, bitmaps);
}

}  // namespace gaugehost
