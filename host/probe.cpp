#include "probe.h"

#include <cmath>

#include "element_kinds.h"

namespace gaugehost {
namespace {

using nlohmann::json;

json number(double v) {
    return std::isfinite(v) ? json(v) : json(nullptr);
}

json pair(double a, double b) {
    return json::array({number(a), number(b)});
}

const char* mouse_kind(uint32_t kind) {
    switch (kind) {
        case kMouseEnd: return "end";
        case kMouseParent: return "parent";
        case kMouseChild: return "child";
        case kMouseEndParent: return "end_parent";
        default: return "unknown";
    }
}

// An element's kind fields, written into its JSON object.
class JsonFields : public FieldSink {
public:
    JsonFields(json& element, json& tokens) : element_(element), tokens_(tokens) {}
    void number(const char* key, double value) override { element_[key] = gaugehost::number(value); }
    void integer(const char* key, int64_t value) override { element_[key] = value; }
    void null(const char* key) override { element_[key] = nullptr; }
    void pair(const char* key, double a, double b) override { element_[key] = gaugehost::pair(a, b); }
    void string(const char* key, const std::string& value) override { element_[key] = value; }
    void token(const char* key, VariableToken token) override { tokens_[key] = token; }

private:
    json& element_;
    json& tokens_;
};

json element_json(size_t index, Element* element, const ElementState& state) {
    const ElementKind* kind = element_kind(element->kind);
    json e;
    e["index"] = index + 1;
    e["kind"] = kind ? kind->name : "unknown";
    e["bitmap"] = element->bitmap == kNoBitmap ? json(nullptr) : json(element->bitmap);
    e["flags"] = element->image_flags;
    e["hidden"] = state.hidden;
    json tokens = json::object();
    JsonFields fields(e, tokens);
    if (kind) kind->describe(element, state, fields);
    e["tokens"] = tokens;
    return e;
}

}  // namespace

json probe_document(const Host& host) {
    json instances = json::array();
    for (size_t i = 0; i < host.instance_count(); ++i) {
        const Placed& p = host.placed(i);
        const GaugeInstance& instance = *p.instance;
        json entry;
        entry["gauge"] = instance.definition().name ? instance.definition().name : "";
        entry["param"] = instance.parameters() ? json(*instance.parameters()) : json(nullptr);
        const auto size = host.size(i);
        entry["size"] = size ? json::array({size->width, size->height}) : json(nullptr);
        entry["killed"] = p.killed;
        json elements = json::array();
        for (size_t k = 0; k < instance.elements().size(); ++k)
            elements.push_back(element_json(k, instance.elements()[k], p.states[k]));
        entry["elements"] = elements;
        json areas = json::array();
        for (const MouseArea& area : instance.mouse_list()) {
            json a;
            a["kind"] = mouse_kind(area.kind);
            a["box"] = json::array({area.x, area.y, area.width, area.height});
            a["cursor"] = area.cursor;
            a["help"] = area.help_id;
            a["flags"] = area.click_flags;
            a["event"] = area.event;
            a["callback"] = area.callback != nullptr;
            areas.push_back(a);
        }
        entry["mouse_areas"] = areas;
        instances.push_back(entry);
    }
    json events = json::array();
    for (const SentEvent& sent : host.events()) {
        json e{{"id", sent.id}, {"value", sent.value}};
        if (sent.instance) e["instance"] = *sent.instance;
        events.push_back(e);
    }
    json toggles = json::array();
    for (const WindowToggle& toggle : host.window_toggles()) {
        json t{{"window", toggle.window}};
        if (toggle.instance) t["instance"] = *toggle.instance;
        toggles.push_back(t);
    }
    json sounds = json::array();
    for (const PlayedSound& sound : host.sounds()) {
        json entry{{"wave", sound.wave ? json(*sound.wave) : json(nullptr)}, {"bytes", sound.bytes}};
        entry["instance"] = sound.instance ? json(*sound.instance) : json(nullptr);
        sounds.push_back(entry);
    }
    return json{{"instances", instances}, {"events", events}, {"window_toggles", toggles}, {"sounds", sounds}};
}

std::string dump_json(const json& document) {
    return document.dump(2, ' ', false, json::error_handler_t::replace);
}

}  // namespace gaugehost
