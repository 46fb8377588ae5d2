// Placements and ordered actions, as `probe` and `render` take them from
// the command line.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host.h"

namespace gaugehost {

struct Placement {
    std::string name;
    std::optional<std::string> parameters;
};

struct Action {
    enum Kind { Set, Fail, Clear, Time, Frames, Click, Hold, Drag, Service, Kill, SoundFault } kind;
    int32_t token = 0;  // Set
    double value = 0;   // Set, Time
    uint32_t key = 0;   // Fail, Clear
    long count = 0;     // Frames, Hold repeats
    size_t instance = 0;
    int x = 0, y = 0;
    int32_t code = 0;       // Service
    std::string operation;  // SoundFault: a platform operation that fails from then on
};

struct Scenario {
    std::vector<std::string> modules;
    std::vector<Placement> placements;
    std::vector<Action> actions;
    // Sound faults named before the first --place: active from install on.
    std::vector<std::string> install_sound_faults;
    // The host's main window class; empty = no window.
    std::optional<std::string> window_class;
    // Key events and window toggles are recorded but change nothing.
    bool no_effects = false;
};

// Adds the --module, --place and action options to a command.
class ScenarioOptions {
public:
    explicit ScenarioOptions(CLI::App& app);
    // After parsing: the scenario in command-line order. Throws HostError
    // naming the argument on a malformed value. `placed_first` are gauges
    // placed before the --place ones (a panel's), numbered first.
    Scenario scenario(const CLI::App& app, std::vector<Placement> placed_first = {}) const;

private:
    std::vector<std::string> modules_, places_, sets_, fails_, clears_, times_, frames_, clicks_, holds_, drags_,
        services_, kills_, sound_faults_;
    std::string window_class_;
    bool no_effects_ = false;
    CLI::Option *sound_fault_ = nullptr, *window_class_opt_ = nullptr;
    CLI::Option *module_ = nullptr, *place_ = nullptr, *set_ = nullptr, *fail_ = nullptr, *clear_ = nullptr,
                *time_ = nullptr, *frames_opt_ = nullptr, *click_ = nullptr, *hold_ = nullptr, *drag_ = nullptr,
                *service_ = nullptr, *kill_ = nullptr;
};

// Loads the modules, places, installs (code 2) and connects (code 14) the
// gauges (with effects off first under no_effects), then applies the
// actions in order; one frame runs at the end
// unless a --frames follows the last action that changes state.
void run_scenario(Host& host, const Scenario& scenario);

// Parses "any C floating-point literal" (nan and inf included) or 0x-hex.
std::optional<double> parse_number(const std::string& text);
// A variable token, as --set and state files take it: a positive decimal
// integer of 32 bits.
std::optional<int32_t> parse_token(const std::string& text);

// Each --frames and each --hold repeat count is bounded: a few seconds of
// work, and a probe document of a readable size.
inline constexpr long kMaxFrames = 100000;
inline constexpr long kMaxHoldRepeats = 10000;

}  // namespace gaugehost
