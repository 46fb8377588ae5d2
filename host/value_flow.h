// What the host draws of each element, derived every frame from its
// variables, callbacks and failure bindings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "gauge.h"
#include "variables.h"

namespace gaugehost {

struct AxisValues {
    double value = 0;  // Needle, Icon, StringElement
    double x = 0;      // Slider, MovingImage, Sprite
    double y = 0;
    double rotation = 0;  // Sprite
};

struct ElementState {
    AxisValues drawn;  // after callbacks and failure bindings
    bool has_drawn = false;
    std::optional<AxisValues> frozen;  // captured when a freeze began
    std::string text;
    bool failure_hidden = false;
    bool hidden = false;                // hidden bit or a hide failure
    std::optional<double> angle;        // Needle direction
    std::optional<int> image;           // Icon image index; null draws nothing
    double offset_x = 0, offset_y = 0;  // MovingImage strip offset, Slider offset
    double shift_x = 0, shift_y = 0;    // Sprite texture shift
    double sprite_angle = 0;            // Sprite rotation, degrees clockwise
};

// Calls a value callback on behalf of the host (so that events it sends
// are attributed and applied after it returns).
class CallbackRunner {
public:
    virtual ~CallbackRunner() = default;
    virtual double run(ValueCallback callback, Element* element) = 0;
};

// Updates one element: looks up its variables, runs its callbacks per axis,
// applies its failure bindings and derives the drawing quantities.
void update_element(Element* element, ElementState& state, const VariableStore& variables, const BitmapSource* bitmaps,
                    CallbackRunner& runner);

// Offset into a strip for one axis: rows (or columns) from the strip's
// start. No division for an axis whose minimum equals its maximum.
double strip_offset(double value, double minimum, double maximum, int strip, int window);

// The image an Icon shows for a value, or null for none.
std::optional<int> icon_image(const Icon& icon, double value);

}  // namespace gaugehost
