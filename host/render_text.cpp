#include "render_text.h"

namespace gaugehost {

// Text drawing arrives with the head-up display; until then text elements
// draw nothing.
void draw_string_element(cairo_t*, const StringElement&, const ElementState&) {}

}  // namespace gaugehost
