// Key events the modules send, and what the host does with them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "gauge.h"
#include "variables.h"

namespace gaugehost {

struct SentEvent {
    KeyEvent id = 0;
    uint32_t value = 0;
    std::optional<size_t> instance;  // the instance whose callback sent it
};

struct WindowToggle {
    uint32_t window = 0;
    std::optional<size_t> instance;
};

// The host's own effect of each key event it knows, applied to its
// variables after the sending callback has returned. Unknown events are
// only logged.
class EventEffects {
public:
    using Effect = std::function<void(VariableStore&, uint32_t value)>;

    void add(KeyEvent event, Effect effect) { effects_[event] = std::move(effect); }
    bool apply(VariableStore& variables, KeyEvent event, uint32_t value) const;
    bool knows(KeyEvent event) const { return effects_.count(event) != 0; }

    // Every effect this host implements.
    static EventEffects standard();

private:
    std::map<KeyEvent, Effect> effects_;
};

}  // namespace gaugehost
