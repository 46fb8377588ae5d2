// The odometer routine shared by every counter drum of the module (the
// altimeter's drums and the homing indicator's distance counter).
#pragma once

#include "gauge.h"

namespace tervalin {

// Value callback of a MovingImage drum. The drum's own record carries its
// parameters: x minimum = place value, x maximum = roll span, y minimum and
// maximum = the period and 0. The drum rests on a whole digit and rolls to
// the next one only over the last roll-span units before each carry.
double counter_drum_value(Element* element);

}  // namespace tervalin
