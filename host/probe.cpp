#include "probe.h"

#include <cmath>

namespace gaugehost {
namespace {

using nlohmann::json;

json number(double v) { return std::isfinite(v) ? json(v) : json(nullptr); }

json pair(double a, double b) { return json::array({number(a), number(b)}); }

const char* mouse_kind(uint32_t kind) {
    switch (kind) {
        case kMouseEnd: return "end";
        case kMouseParent: return "parent";
        case kMouseChild: return "child";
        case kMouseEndParent: return "end_parent";
        default: return "unknown";
    }
}

json element_json(size_t index, Element* element, const ElementState& state) {
    json e;
    e["index"] = index + 1;
    e["kind"] = element_kind_name(element->kind);
    e["bitmap"] = element->bitmap == kNoBitmap ? json(nullptr) : json(element->bitmap);
    e["flags"] = element->image_flags;
    e["hidden"] = state.hidden;
    json tokens = json::object();
    const AxisValues& v = state.drawn;
    switch (element->kind) {
        case kKindNeedle: {
            tokens["value"] = element_as<Needle>(element)->variable.token;
            e["value"] = number(v.value);
            e["angle"] = state.angle ? json(*state.angle) : json(nullptr);
            break;
        }
        case kKindIcon: {
            const Icon* icon = element_as<Icon>(element);
            tokens["value"] = icon->variable.token;
            e["value"] = number(v.value);
            e["image"] = state.image ? json(*state.image) : json(nullptr);
            e["drawn_bitmap"] = state.image ? json(element->bitmap + uint32_t(*state.image)) : json(nullptr);
            break;
        }
        case kKindMovingImage: {
            const MovingImage* m = element_as<MovingImage>(element);
            tokens["x"] = m->x_variable.token;
            tokens["y"] = m->y_variable.token;
            e["x"] = number(v.x);
            e["y"] = number(v.y);
            e["offset"] = pair(state.offset_x, state.offset_y);
            break;
        }
        case kKindSlider: {
            const Slider* s = element_as<Slider>(element);
            tokens["x"] = s->x_variable.token;
            tokens["y"] = s->y_variable.token;
            e["x"] = number(v.x);
            e["y"] = number(v.y);
            e["offset"] = pair(state.offset_x, state.offset_y);
            break;
        }
        case kKindSprite: {
            const Sprite* s = element_as<Sprite>(element);
            tokens["x"] = s->x_variable.token;
            tokens["y"] = s->y_variable.token;
            tokens["rotation"] = s->rotation_variable.token;
            e["x"] = number(v.x);
            e["y"] = number(v.y);
            e["rotation"] = number(v.rotation);
            e["shift"] = pair(state.shift_x, state.shift_y);
            e["angle"] = number(state.sprite_angle);
            break;
        }
        case kKindString: {
            tokens["value"] = element_as<StringElement>(element)->variables[0].token;
            e["value"] = number(v.value);
            e["text"] = state.has_drawn ? json(state.text) : json(nullptr);
            break;
        }
        default:
            break;
    }
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
    return json{{"instances", instances}, {"events", events}, {"window_toggles", toggles},
                {"sounds", sounds}};
}

}  // namespace gaugehost
