// Key events the modules send, and what the host does with them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

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

// The simulator's clocks, as the host keeps them in its variables.
class Clock {
public:
    explicit Clock(VariableStore& variables) : variables_(variables) {}
    double simulation_time() const;  // seconds
    void set_simulation_time(double seconds);
    double time_of_day() const;  // seconds since midnight
    void set_time_of_day(double seconds);

private:
    VariableStore& variables_;
};

// Panel windows by identifier: open unless the host has closed them.
void set_panel_window(std::set<uint32_t>& closed, uint32_t window, bool open);
void toggle_panel_window(std::set<uint32_t>& closed, uint32_t window);

struct AppliedEffect {
    KeyEvent event = 0;
    uint32_t value = 0;
};

// Everything an effect may change.
struct EffectContext {
    VariableStore& variables;
    std::set<uint32_t>& closed_windows;
    Clock clock;
    std::vector<AppliedEffect>& log;  // every effect applied, in order
};

// The host's own effect of each key event it knows, one row per event,
// applied after the sending callback has returned. Unknown events are only
// logged.
class EventEffects {
public:
    using Effect = std::function<void(EffectContext&, uint32_t value)>;
    struct Row {
        KeyEvent event;
        Effect effect;
    };

    // Adds a row, or replaces the event's row.
    void add(KeyEvent event, Effect effect);
    // Applies the event's row and logs it; false for an unknown event.
    bool apply(EffectContext& context, KeyEvent event, uint32_t value) const;
    // The same on variables alone (windows and log thrown away).
    bool apply(VariableStore& variables, KeyEvent event, uint32_t value) const;
    bool knows(KeyEvent event) const { return find(event) != nullptr; }
    const std::vector<Row>& rows() const { return rows_; }

    // Every effect this host implements.
    static EventEffects standard();

private:
    const Row* find(KeyEvent event) const;
    std::vector<Row> rows_;
};

}  // namespace gaugehost
