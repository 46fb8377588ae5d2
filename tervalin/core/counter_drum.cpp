#include "core/counter_drum.h"

#include <cmath>

namespace tervalin {

double counter_drum_value(Element* element) {
    const MovingImage* drum = element_as<MovingImage>(element);
    const double value = drum->y_variable.value;
    const double place = drum->x_min;
    const double roll_span = drum->x_max;
    const double period = drum->y_min > drum->y_max ? drum->y_min : drum->y_max;

    // Cut off everything below this drum's place (floor: negative values
    // go to the next lower multiple, so the drums read the complement).
    const double base = place * std::floor(value / place);
    const double remainder = value - base;
    double roll = (remainder - place + roll_span) * (place / roll_span);
    if (!(roll > 0)) roll = 0;
    const double position = base + roll;
    return position - period * std::floor(position / period);
}

}  // namespace tervalin
