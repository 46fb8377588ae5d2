// The navigation source chosen with the ILS and TACAN lamp buttons, read
// by the navigation indicators to pick the receiver they show.
#pragma once

#include <cstdint>

namespace tervalin {

// 1 = ILS (NAV1), 0 = TACAN (NAV2). 1 at load and whenever an ILS button
// is installed; every click on either lamp button flips it; never reset.
extern int32_t ils_selected;

}  // namespace tervalin
