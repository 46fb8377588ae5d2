#include "scenario.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>

#include "error.h"

namespace gaugehost {
namespace {

// The argument as the message shows it: control bytes (a NUL would end
// the message) as \xNN.
std::string shown(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            static const char digits[] = "0123456789abcdef";
            out += "\\x";
            out += digits[static_cast<unsigned char>(c) >> 4];
            out += digits[c & 15];
        } else {
            out += c;
        }
    }
    return out;
}

[[noreturn]] void bad(const std::string& option, const std::string& text, const std::string& why) {
    throw HostError(option + " " + shown(text) + ": " + shown(why));
}

std::optional<long> parse_integer(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 0);
    if (end != text.c_str() + text.size() || errno == ERANGE) return std::nullopt;
    return v;
}

// Splits "I:REST" and REST by commas into integers.
std::vector<long> instance_and_numbers(const std::string& option, const std::string& text, size_t numbers,
                                       const char* shape) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) bad(option, text, std::string("expected ") + shape);
    std::vector<long> values;
    auto first = parse_integer(text.substr(0, colon));
    if (!first || *first < 0) bad(option, text, "'" + text.substr(0, colon) + "' is not an instance number");
    values.push_back(*first);
    std::string rest = text.substr(colon + 1);
    size_t start = 0;
    for (size_t i = 0; i < numbers; ++i) {
        const size_t comma = i + 1 < numbers ? rest.find(',', start) : std::string::npos;
        if (i + 1 < numbers && comma == std::string::npos) bad(option, text, std::string("expected ") + shape);
        const std::string field = rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        auto v = parse_integer(field);
        if (!v) bad(option, text, "'" + field + "' is not an integer");
        // Cut to 32 bits it would land somewhere else.
        if (*v < INT32_MIN || *v > INT32_MAX) bad(option, text, "'" + field + "' is out of range");
        values.push_back(*v);
        start = comma + 1;
    }
    return values;
}

}  // namespace

std::optional<double> parse_number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    // The whole text: a NUL byte inside it is not its end.
    if (end != text.c_str() + text.size()) return std::nullopt;
    return v;
}

std::optional<int32_t> parse_token(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v <= 0 || v > INT32_MAX) return std::nullopt;
    return int32_t(v);
}

ScenarioOptions::ScenarioOptions(CLI::App& app) {
    module_ = app.add_option("--module", modules_, "a gauge module to load (repeatable)")->type_name("PATH");
    place_ = app.add_option("--place", places_, "place a gauge; the text after the first colon is its parameter string")
                 ->type_name("NAME[:PARAM]");
    set_ = app.add_option("--set",
                          sets_,
                          "set a host variable: TOKEN a positive decimal integer, VALUE a C number, nan, inf or 0x-hex")
               ->type_name("TOKEN=VALUE");
    fail_ = app.add_option("--fail", fails_, "activate a host failure")->type_name("KEY");
    clear_ = app.add_option("--clear", clears_, "clear a host failure")->type_name("KEY");
    time_ = app.add_option("--time", times_, "set the simulation time (token 604)")->type_name("SECONDS");
    frames_opt_ = app.add_option("--frames", frames_, "run N frames (N at most " + std::to_string(kMaxFrames) + ")")
                      ->type_name("N");
    click_ = app.add_option("--click", clicks_, "left click at a pixel of instance I")->type_name("I:X,Y");
    hold_ = app.add_option("--hold",
                           holds_,
                           "press at X,Y then N repeats while held (N at most " + std::to_string(kMaxHoldRepeats) + ")")
                ->type_name("I:X,Y,N");
    drag_ = app.add_option("--drag", drags_, "move with the button held at X,Y")->type_name("I:X,Y");
    service_ =
        app.add_option("--service", services_, "call instance I's gauge callback with CODE")->type_name("I:CODE");
    kill_ = app.add_option("--kill", kills_, "kill instance I (codes 12 then 13)")->type_name("I");
    sound_fault_ = app.add_option("--sound-fault",
                                  sound_faults_,
                                  "make a sound operation fail from here on (before the first --place: from "
                                  "install on): device, cooperative, resource, buffer, lock, unlock, play, memory")
                       ->type_name("OPERATION");
    window_class_opt_ =
        app.add_option(
               "--window-class", window_class_, "class of the host's main window (default FS98MAIN; none: no window)")
            ->type_name("NAME|none");
    app.add_flag("--no-effects",
                 no_effects_,
                 "record the key events and panel-window toggles the gauges send, but apply none of their "
                 "effects (variables, panel windows, clock)");
    for (CLI::Option* option : {module_,
                                place_,
                                set_,
                                fail_,
                                clear_,
                                time_,
                                frames_opt_,
                                click_,
                                hold_,
                                drag_,
                                service_,
                                kill_,
                                sound_fault_})
        option->allow_extra_args(false);
}

Scenario ScenarioOptions::scenario(const CLI::App& app, std::vector<Placement> placed_first) const {
    Scenario scenario;
    scenario.modules = modules_;
    scenario.no_effects = no_effects_;
    scenario.placements = std::move(placed_first);
    for (const std::string& place : places_) {
        Placement placement;
        if (auto colon = place.find(':'); colon != std::string::npos) {
            placement.name = place.substr(0, colon);
            placement.parameters = place.substr(colon + 1);
        } else {
            placement.name = place;
        }
        if (placement.name.empty()) bad("--place", place, "no gauge name");
        scenario.placements.push_back(std::move(placement));
    }
    const size_t instances = scenario.placements.size();
    auto check_instance = [&](const std::string& option, const std::string& text, long index) {
        if (index < 0 || size_t(index) >= instances)
            bad(option, text, "no instance " + std::to_string(index) + " (" + std::to_string(instances) + " placed)");
        return size_t(index);
    };

    if (window_class_opt_->count()) {
        if (window_class_.empty()) bad("--window-class", "''", "expected a class name or none");
        scenario.window_class = window_class_ == "none" ? "" : window_class_;
    }
    bool placed = false;
    std::map<const CLI::Option*, size_t> used;
    for (const CLI::Option* option : app.parse_order()) {
        const size_t n = used[option]++;
        Action action{};
        if (option == place_) placed = true;
        if (option == sound_fault_) {
            const std::string& name = sound_faults_[n];
            const auto& names = sound_fault_names();
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                std::string known;
                for (const std::string& k : names) known += (known.empty() ? "" : ", ") + k;
                bad("--sound-fault", name, "not a sound operation (" + known + ")");
            }
            if (!placed) {
                scenario.install_sound_faults.push_back(name);
                continue;
            }
            action.kind = Action::SoundFault;
            action.operation = name;
        } else if (option == set_) {
            const std::string& text = sets_[n];
            const auto eq = text.find('=');
            if (eq == std::string::npos) bad("--set", text, "expected TOKEN=VALUE");
            auto token = parse_token(text.substr(0, eq));
            if (!token) bad("--set", text, "'" + text.substr(0, eq) + "' is not a variable token");
            auto value = parse_number(text.substr(eq + 1));
            if (!value) bad("--set", text, "'" + text.substr(eq + 1) + "' is not a number");
            action.kind = Action::Set;
            action.token = int32_t(*token);
            action.value = *value;
        } else if (option == fail_ || option == clear_) {
            const std::string& text = option == fail_ ? fails_[n] : clears_[n];
            const char* name = option == fail_ ? "--fail" : "--clear";
            auto key = parse_integer(text);
            if (!key || *key <= 0 || *key > INT32_MAX) bad(name, text, "not a failure key");
            action.kind = option == fail_ ? Action::Fail : Action::Clear;
            action.key = uint32_t(*key);
        } else if (option == time_) {
            auto value = parse_number(times_[n]);
            if (!value) bad("--time", times_[n], "not a number of seconds");
            action.kind = Action::Time;
            action.value = *value;
        } else if (option == frames_opt_) {
            auto count = parse_integer(frames_[n]);
            if (!count || *count < 0) bad("--frames", frames_[n], "not a frame count");
            if (*count > kMaxFrames)
                bad("--frames", frames_[n], "more than " + std::to_string(kMaxFrames) + " frames at once");
            action.kind = Action::Frames;
            action.count = *count;
        } else if (option == click_ || option == drag_) {
            const std::string& text = option == click_ ? clicks_[n] : drags_[n];
            const char* name = option == click_ ? "--click" : "--drag";
            auto v = instance_and_numbers(name, text, 2, "I:X,Y");
            action.kind = option == click_ ? Action::Click : Action::Drag;
            action.instance = check_instance(name, text, v[0]);
            action.x = int(v[1]);
            action.y = int(v[2]);
        } else if (option == hold_) {
            auto v = instance_and_numbers("--hold", holds_[n], 3, "I:X,Y,N");
            if (v[3] < 0) bad("--hold", holds_[n], "the repeat count must not be negative");
            if (v[3] > kMaxHoldRepeats)
                bad("--hold", holds_[n], "more than " + std::to_string(kMaxHoldRepeats) + " repeats");
            action.kind = Action::Hold;
            action.instance = check_instance("--hold", holds_[n], v[0]);
            action.x = int(v[1]);
            action.y = int(v[2]);
            action.count = v[3];
        } else if (option == service_) {
            auto v = instance_and_numbers("--service", services_[n], 1, "I:CODE");
            action.kind = Action::Service;
            action.instance = check_instance("--service", services_[n], v[0]);
            action.code = int32_t(v[1]);
        } else if (option == kill_) {
            auto index = parse_integer(kills_[n]);
            if (!index) bad("--kill", kills_[n], "not an instance number");
            action.kind = Action::Kill;
            action.instance = check_instance("--kill", kills_[n], *index);
        } else {
            continue;
        }
        scenario.actions.push_back(action);
    }
    return scenario;
}

void run_scenario(Host& host, const Scenario& scenario) {
    if (scenario.window_class)
        host.set_window_class(scenario.window_class->empty() ? std::nullopt : scenario.window_class);
    if (scenario.no_effects) host.set_effects_enabled(false);
    for (const std::string& operation : scenario.install_sound_faults) platform_set_fault(operation.c_str(), 1);
    for (const std::string& path : scenario.modules) host.load_module(path);
    std::vector<size_t> placed;
    for (const Placement& placement : scenario.placements)
        placed.push_back(host.place(placement.name, placement.parameters));
    for (size_t index : placed) host.install(index);
    for (size_t index : placed) host.connect(index);

    bool frame_owed = true;
    for (const Action& action : scenario.actions) {
        switch (action.kind) {
            case Action::Set:
                host.variables().set(action.token, action.value);
                frame_owed = true;
                break;
            case Action::Fail:
                host.variables().set_failure(action.key, true);
                frame_owed = true;
                break;
            case Action::Clear:
                host.variables().set_failure(action.key, false);
                frame_owed = true;
                break;
            case Action::Time:
                Clock(host.variables()).set_simulation_time(action.value);
                frame_owed = true;
                break;
            case Action::Frames:
                for (long i = 0; i < action.count; ++i) host.frame();
                frame_owed = false;
                break;
            case Action::Click:
                host.click(action.instance, action.x, action.y);
                frame_owed = true;
                break;
            case Action::Hold:
                host.hold(action.instance, action.x, action.y, int(action.count));
                frame_owed = true;
                break;
            case Action::Drag:
                host.click(action.instance, action.x, action.y, ClickKind::Drag);
                frame_owed = true;
                break;
            case Action::Service: host.service(action.instance, action.code); break;
            case Action::Kill: host.kill(action.instance); break;
            case Action::SoundFault: platform_set_fault(action.operation.c_str(), 1); break;
        }
    }
    if (frame_owed) host.frame();
}

}  // namespace gaugehost
