#include "host.h"

#include <sstream>

#include "error.h"

namespace gaugehost {
namespace {

Host* g_host = nullptr;

// Element-list stages, as the routine slots name them.
enum Stage { kQuery, kInstall, kInitialize, kUpdate, kGenerate, kDraw, kKill };

int32_t service_lookup_var(ModuleVariable* variable) {
    if (g_host && variable) g_host->lookup_var(variable);
    return 0;
}
int32_t service_trigger_key_event(KeyEvent event, uint32_t value) {
    if (g_host) g_host->trigger_key_event(event, value);
    return 0;
}
int32_t service_panel_window_toggle(uint32_t window) {
    if (g_host) g_host->panel_window_toggle(window);
    return 0;
}
uint32_t list_query(Element* root) {
    return g_host ? g_host->element_list(kQuery, root, 0) : 0;
}
uint32_t list_install(Element* root, uint32_t a) {
    return g_host ? g_host->element_list(kInstall, root, a) : 0;
}
uint32_t list_initialize(Element* root) {
    return g_host ? g_host->element_list(kInitialize, root, 0) : 0;
}
uint32_t list_update(Element* root) {
    return g_host ? g_host->element_list(kUpdate, root, 0) : 0;
}
uint32_t list_generate(Element* root, uint32_t a) {
    return g_host ? g_host->element_list(kGenerate, root, a) : 0;
}
uint32_t list_draw(Element* root) {
    return g_host ? g_host->element_list(kDraw, root, 0) : 0;
}
uint32_t list_kill(Element* root) {
    return g_host ? g_host->element_list(kKill, root, 0) : 0;
}

constexpr HostServices kServices = {
    .lookup_var = service_lookup_var,
    .trigger_key_event = service_trigger_key_event,
    .panel_window_toggle = service_panel_window_toggle,
    .element_list_query = list_query,
    .element_list_install = list_install,
    .element_list_initialize = list_initialize,
    .element_list_update = list_update,
    .element_list_generate = list_generate,
    .element_list_draw = list_draw,
    .element_list_kill = list_kill,
};

}  // namespace

template <class F>
auto Host::in_callback(size_t index, F&& call) {
    const auto previous = current_;
    current_ = index;
    ++depth_;
    struct Restore {
        Host& host;
        std::optional<size_t> previous;
        ~Restore() {
            --host.depth_;
            host.current_ = previous;
            if (host.depth_ == 0) host.flush_events();
        }
    } restore{*this, previous};
    return call();
}

// Runs value callbacks on behalf of one instance.
class HostRunner : public CallbackRunner {
public:
    HostRunner(Host& host, size_t index) : host_(host), index_(index) {}
    double run(ValueCallback callback, Element* element) override {
        return host_.in_callback(index_, [&] { return callback(element); });
    }

private:
    Host& host_;
    size_t index_;
};

namespace {

constexpr const char* kMainWindowClass = "FS98MAIN";

void play_observer(const PlatformPlayRecord* record, void*) {
    if (g_host && record) g_host->heard(*record);
}

}  // namespace

Host::Host() : effects_(EventEffects::standard()) {
    if (g_host) throw HostError("only one host may drive the modules of a process");
    g_host = this;
    // Headless: the modules' sounds are logged, never sent to a sound card.
    platform_audio_set_backend("record");
    platform_audio_set_play_observer(play_observer, nullptr);
    set_window_class(kMainWindowClass);
}

Host::~Host() {
    try {
        unload();
    } catch (...) {
    }
    platform_audio_set_play_observer(nullptr, nullptr);
    set_window_class(std::nullopt);
    platform_clear_faults();
    g_host = nullptr;
}

void Host::set_window_class(std::optional<std::string> class_name) {
    if (main_window_) platform_unregister_window(main_window_);
    main_window_ = class_name ? platform_register_window(class_name->c_str()) : nullptr;
}

void Host::heard(const PlatformPlayRecord& record) {
    PlayedSound sound{current_, std::nullopt, record.bytes};
    const LoadedModule* owner = current_ && *current_ < placed_.size() ? placed_[*current_].module : nullptr;
    for (const auto& module : modules_) {
        if (owner && module.get() != owner) continue;
        if ((sound.wave = wave_holding(*module, record.buffer_bytes, record.content_hash))) break;
    }
    sounds_.push_back(sound);
}

const HostServices* Host::services() const {
    return &kServices;
}

LoadedModule& Host::load_module(const std::string& path) {
    modules_.push_back(std::make_unique<LoadedModule>(path, &kServices));
    return *modules_.back();
}

std::pair<LoadedModule*, Gauge*> Host::find_gauge(const std::string& name) const {
    std::string module_name, gauge_name = name;
    if (auto bang = name.find('!'); bang != std::string::npos) {
        module_name = name.substr(0, bang);
        gauge_name = name.substr(bang + 1);
    }
    for (const auto& module : modules_) {
        if (!module_name.empty() && module->name() != module_name) continue;
        if (Gauge* gauge = module->find_gauge(gauge_name)) return {module.get(), gauge};
    }
    std::ostringstream message;
    message << "unknown gauge '" << name << "'; ";
    if (modules_.empty()) {
        message << "no module is loaded";
    } else {
        message << "the modules offer:";
        bool any = false;
        for (const auto& module : modules_)
            for (const std::string& offered : module->gauge_names()) {
                message << (any ? ", " : " ") << offered;
                any = true;
            }
        if (!any) message << " none";
    }
    throw HostError(message.str());
}

size_t Host::place(const std::string& name, std::optional<std::string> parameters) {
    auto [module, gauge] = find_gauge(name);
    return place(
        *gauge, std::move(parameters), &module->bitmaps(), reinterpret_cast<uintptr_t>(module->handle()), module);
}

size_t Host::place(const Gauge& definition, std::optional<std::string> parameters, const BitmapSource* bitmaps,
                   uintptr_t module_handle, LoadedModule* module) {
    Placed placed;
    placed.instance = std::make_unique<GaugeInstance>(definition, std::move(parameters));
    placed.module = module;
    placed.bitmaps = bitmaps;
    placed.module_handle = module_handle;
    placed.states.resize(placed.instance->elements().size());
    placed_.push_back(std::move(placed));
    return placed_.size() - 1;
}

const Placed& Host::placed(size_t index) const {
    if (index >= placed_.size()) throw HostError("no instance " + std::to_string(index));
    return placed_[index];
}

Placed& Host::live(size_t index) {
    if (index >= placed_.size()) throw HostError("no instance " + std::to_string(index));
    return placed_[index];
}

std::optional<BitmapSize> Host::size(size_t index) const {
    const Placed& p = placed(index);
    const Element* root = p.instance->root();
    if (!root || !p.bitmaps) return std::nullopt;
    return p.bitmaps->size(root->bitmap);
}

void Host::service(size_t index, int32_t code) {
    Placed& p = live(index);
    if (p.killed) return;
    Gauge& gauge = p.instance->gauge();
    if (!gauge.callback) return;
    const uintptr_t extra = code == kServiceInstall ? p.module_handle : 0;
    in_callback(index, [&] { gauge.callback(&gauge, code, extra); });
}

void Host::install(size_t index) {
    service(index, kServiceInstall);
    Gauge& gauge = live(index).instance->gauge();
    if (gauge.query) in_callback(index, [&] { gauge.query(); });
    if (gauge.install) in_callback(index, [&] { gauge.install(0); });
    if (gauge.initialize) in_callback(index, [&] { gauge.initialize(); });
}

void Host::connect(size_t index) {
    service(index, kServiceConnect);
}

void Host::kill(size_t index) {
    Placed& p = live(index);
    if (p.killed) return;
    Gauge& gauge = p.instance->gauge();
    if (gauge.kill) in_callback(index, [&] { gauge.kill(); });
    service(index, kServicePreKill);
    service(index, kServiceKill);
    p.killed = true;
}

void Host::frame() {
    for (size_t i = 0; i < placed_.size(); ++i) update(i);
}

void Host::update(size_t index) {
    Placed& p = live(index);
    if (p.killed) return;
    service(index, kServicePreUpdate);
    Gauge& gauge = p.instance->gauge();
    if (gauge.update)
        in_callback(index, [&] { gauge.update(); });
    else
        update_elements(index);
}

void Host::update_elements(size_t index) {
    Placed& p = live(index);
    HostRunner runner(*this, index);
    const auto& elements = p.instance->elements();
    for (size_t i = 0; i < elements.size(); ++i)
        update_element(elements[i], p.states[i], variables_, p.bitmaps, runner);
}

uint32_t Host::element_list(int stage, Element*, uint32_t) {
    // The routine slots hand us their root; we process the instance whose
    // routine is running.
    if (!current_ || *current_ >= placed_.size()) return 0;
    if (stage == kUpdate) update_elements(*current_);
    return 0;
}

bool Host::click(size_t index, int x, int y, ClickKind kind) {
    Placed& p = live(index);
    if (p.killed) return false;
    const auto area = hit_test(p.instance->mouse_areas(), size(index), x, y, kind);
    if (!area) return false;
    MouseArea& entry = *area->area;
    if (entry.callback) {
        ClickRecord record{x - area->box.x, y - area->box.y, &p.instance->gauge()};
        const uint32_t flags = click_flags(kind);
        in_callback(index, [&] { return entry.callback(&record, flags); });
    } else if (entry.event != 0) {
        send_event(entry.event, 0);
    }
    return true;
}

void Host::hold(size_t index, int x, int y, int repeats) {
    Placed& p = live(index);
    if (p.killed) return;
    const auto pressed = hit_test(p.instance->mouse_areas(), size(index), x, y, ClickKind::Press);
    click(index, x, y, ClickKind::Press);
    if (!pressed || !area_takes(*pressed->area, ClickKind::Repeat)) return;
    for (int i = 0; i < repeats; ++i) click(index, x, y, ClickKind::Repeat);
}

void Host::lookup_var(ModuleVariable* variable) const {
    variables_.look_up(*variable);
}

void Host::trigger_key_event(KeyEvent event, uint32_t value) {
    SentEvent sent{event, value, current_};
    events_.push_back(sent);
    pending_.push_back(sent);
    if (depth_ == 0) flush_events();
}

void Host::send_event(KeyEvent event, uint32_t value) {
    events_.push_back({event, value, std::nullopt});
    pending_.push_back({event, value, std::nullopt});
    if (depth_ == 0) flush_events();
}

void Host::flush_events() {
    // Effects may queue nothing further, but take the list first all the same.
    std::vector<SentEvent> pending;
    pending.swap(pending_);
    if (!effects_enabled_) return;
    EffectContext context{variables_, closed_windows_, Clock(variables_), applied_};
    for (const SentEvent& sent : pending) effects_.apply(context, sent.id, sent.value);
}

void Host::panel_window_toggle(uint32_t window) {
    window_toggles_.push_back({window, current_});
    if (effects_enabled_) toggle_panel_window(closed_windows_, window);
}

void Host::unload() {
    for (size_t i = 0; i < placed_.size(); ++i)
        if (!placed_[i].killed) kill(i);
    for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) (*it)->unload();
    placed_.clear();
    modules_.clear();
}

}  // namespace gaugehost
