#include "events.h"

namespace gaugehost {

bool EventEffects::apply(VariableStore& variables, KeyEvent event, uint32_t value) const {
    auto it = effects_.find(event);
    if (it == effects_.end()) return false;
    it->second(variables, value);
    return true;
}

}  // namespace gaugehost
