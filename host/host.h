// The host: loads modules, places gauge instances and drives them as the
// simulator's panel system does, through the services table it hands the
// modules.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "error.h"
#include "events.h"
#include "instance.h"
#include "module.h"
#include "mouse.h"
#include "sounds.h"
#include "value_flow.h"
#include "variables.h"

namespace gaugehost {

struct Placed {
    std::unique_ptr<GaugeInstance> instance;
    LoadedModule* module = nullptr;  // null for a gauge defined outside a module
    const BitmapSource* bitmaps = nullptr;
    uintptr_t module_handle = 0;
    std::vector<ElementState> states;  // one per element, in chain order
    bool killed = false;
};

class Host {
public:
    // One host at a time drives the modules of a process.
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    LoadedModule& load_module(const std::string& path);
    const std::vector<std::unique_ptr<LoadedModule>>& modules() const { return modules_; }

    // NAME, or MODULE!NAME to pick the module; throws HostError listing the
    // names the modules offer.
    std::pair<LoadedModule*, Gauge*> find_gauge(const std::string& name) const;

    size_t place(const std::string& name, std::optional<std::string> parameters);
    size_t place(const Gauge& definition, std::optional<std::string> parameters, const BitmapSource* bitmaps = nullptr,
                 uintptr_t module_handle = 0, LoadedModule* module = nullptr);

    // Service code 2 with the module handle, then the install routines.
    void install(size_t index);
    // Service code 14.
    void connect(size_t index);
    // Any service code (the module handle as extra word with code 2).
    void service(size_t index, int32_t code);
    // Service codes 12 then 13; the instance is gone from then on.
    void kill(size_t index);
    // One frame: per live instance in order, code 6 then the element update.
    void frame();
    void update(size_t index);

    // A click at a pixel of the instance's root bitmap. Returns whether an
    // area took it.
    bool click(size_t index, int x, int y, ClickKind kind = ClickKind::Press);
    // A press, then repeats while held (to the pressed area only, if it
    // takes repeats).
    void hold(size_t index, int x, int y, int repeats);

    // Kills every live instance, then unloads the modules.
    void unload();

    VariableStore& variables() { return variables_; }
    const VariableStore& variables() const { return variables_; }
    EventEffects& effects() { return effects_; }
    // Off: every key event and window toggle is still recorded, but none
    // changes variables, panel windows or clocks.
    void set_effects_enabled(bool enabled) { effects_enabled_ = enabled; }
    bool effects_enabled() const { return effects_enabled_; }
    // The effects applied so far, in order.
    const std::vector<AppliedEffect>& applied_effects() const { return applied_; }
    const std::vector<SentEvent>& events() const { return events_; }
    const std::vector<WindowToggle>& window_toggles() const { return window_toggles_; }
    // Panel windows the host has opened or closed, by identifier.
    const std::set<uint32_t>& closed_windows() const { return closed_windows_; }

    size_t instance_count() const { return placed_.size(); }
    const Placed& placed(size_t index) const;
    std::optional<BitmapSize> size(size_t index) const;

    // The host's side of the services, for the static entry points.
    void lookup_var(ModuleVariable* variable) const;
    void trigger_key_event(KeyEvent event, uint32_t value);
    void panel_window_toggle(uint32_t window);
    uint32_t element_list(int stage, Element* root, uint32_t argument);

    const HostServices* services() const;

    // Sound: the host's main window is registered under this class
    // ("FS98MAIN" unless changed; none = no window), and every play the
    // modules make is heard through the recording backend.
    void set_window_class(std::optional<std::string> class_name);
    const std::vector<PlayedSound>& sounds() const { return sounds_; }
    void heard(const PlatformPlayRecord& record);

    // Sends a key event as the host itself (an area without callback).
    void send_event(KeyEvent event, uint32_t value);

private:
    friend class HostRunner;
    Placed& live(size_t index);
    template <class F>
    auto in_callback(size_t index, F&& call);
    void flush_events();
    void update_elements(size_t index);

    VariableStore variables_;
    EventEffects effects_;
    bool effects_enabled_ = true;
    std::vector<AppliedEffect> applied_;
    std::vector<std::unique_ptr<LoadedModule>> modules_;
    std::vector<Placed> placed_;
    std::vector<SentEvent> events_;
    std::vector<SentEvent> pending_;
    std::vector<WindowToggle> window_toggles_;
    std::set<uint32_t> closed_windows_;
    std::optional<size_t> current_;
    int depth_ = 0;
    std::vector<PlayedSound> sounds_;
    PlatformWindow main_window_ = nullptr;
};

}  // namespace gaugehost
