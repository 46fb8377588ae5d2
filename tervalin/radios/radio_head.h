// The radio heads' module state: one record per radio, shared by every
// gauge that controls that radio. The NAV heads' power flags are also read
// by the navigation indicators, the ILS and TACAN switches and the audio
// panel; only the NAV head gauges write them.
#pragma once

#include <cstdint>

namespace tervalin {

struct RadioHead {
    int32_t powered;    // 1 = switched on; forced to 0 when a head gauge is installed
    double whole_mhz;   // last decoded whole megahertz
    double decimals;    // last decoded two decimals, 0 ... 99
};

// Defined with the radio-head callbacks. Every head starts powered (1) at
// load; installing a head gauge switches its radio off.
extern RadioHead com1_head;
extern RadioHead com2_head;
extern RadioHead nav1_head;
extern RadioHead nav2_head;

}  // namespace tervalin
