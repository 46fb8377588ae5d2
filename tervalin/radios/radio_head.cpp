// The radio heads' records: module state from load to unload, never reset.
#include "radios/radio_head.h"

namespace tervalin {

RadioHead com1_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead com2_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead nav1_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};
RadioHead nav2_head = {.powered = 1, .whole_mhz = 0, .decimals = 0};

}  // namespace tervalin
