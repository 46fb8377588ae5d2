// What the host does with the key events of the gauges it knows: the
// variables each event moves, as the simulator would move them.
#include "events.h"

namespace gaugehost {

EventEffects EventEffects::standard() {
    EventEffects effects;
    return effects;
}

}  // namespace gaugehost
