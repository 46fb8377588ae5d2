// Drawing a StringElement's text: the host's text buffer in the element's
// box, colour, font and weight.
#pragma once

#include <cairo.h>

#include "gauge.h"
#include "value_flow.h"

namespace gaugehost {

// Draws at the element's position, in pixels of the gauge's root bitmap.
void draw_string_element(cairo_t* cr, const StringElement& element, const ElementState& state);

}  // namespace gaugehost
