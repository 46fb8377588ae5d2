#include "core/engine_index.h"

#include "core/param_find.h"

namespace tervalin {

namespace {

// The host numbers per-engine items in blocks: engine 1's run of `stride`
// numbers from `first`, then the same run for engines 2, 3 and 4. Each row
// covers engine 1's run only, so a number already moved lies in no row and
// a second pass changes nothing. Rows are tested in this order.
struct TokenRun {
    VariableToken first;
    int32_t stride;
};

constexpr TokenRun kTokenRuns[] = {
    {.first = 127, .stride = 35},
    {.first = 390, .stride = 39},
    {.first = 558, .stride = 10},  // throttle, fuel lever, oil pressure, starter, generator switch
    {.first = 608, .stride = 1},
    {.first = 624, .stride = 19},  // N1, N2, turbine temperature, fuel flow
    {.first = 700, .stride = 8},
    {.first = 732, .stride = 2},  // hydraulic pressure
    {.first = 761, .stride = 2},  // generator voltage
    {.first = 801, .stride = 1},
};

struct EventRun {
    KeyEvent first;
    uint32_t stride;
};

constexpr EventRun kEventRuns[] = {
    {.first = 65538, .stride = 1},
    {.first = 65820, .stride = 1},  // set throttle of engine 1
    {.first = 65919, .stride = 1},  // set fuel lever of engine 1
    {.first = 65923, .stride = 1},
    {.first = 65927, .stride = 6},
    {.first = 65963, .stride = 5},
    {.first = 65983, .stride = 5},
    {.first = 66003, .stride = 5},
    {.first = 66081, .stride = 3},
    {.first = 66126, .stride = 2},
    {.first = 66300, .stride = 1},  // starter of engine 1
    {.first = 66313, .stride = 1},
    {.first = 66329, .stride = 2},
    {.first = 66340, .stride = 1},
    {.first = 66345, .stride = 1},
    {.first = 66349, .stride = 1},
    {.first = 66359, .stride = 1},
    {.first = 66363, .stride = 1},  // toggle generator switch of engine 1
};

constexpr const char* kEngineDigits[] = {"1", "2", "3", "4"};

void retarget_variable(ModuleVariable& variable, const Gauge* gauge) {
    variable.token = retarget_token(variable.token, gauge);
}

}  // namespace

int engine_index(const Gauge* gauge) {
    if (!gauge || !gauge->parameters) return 1;
    for (int engine = 1; engine <= 4; ++engine)
        if (param_find(gauge->parameters, kEngineDigits[engine - 1])) return engine;
    return 1;
}

int32_t token_engine_stride(VariableToken token) {
    for (const TokenRun& run : kTokenRuns)
        if (token >= run.first && token < run.first + run.stride) return run.stride;
    return 0;
}

uint32_t event_engine_stride(KeyEvent event) {
    for (const EventRun& run : kEventRuns)
        if (event >= run.first && event < run.first + run.stride) return run.stride;
    return 0;
}

VariableToken retarget_token(VariableToken token, const Gauge* gauge) {
    return token + (engine_index(gauge) - 1) * token_engine_stride(token);
}

KeyEvent retarget_event(KeyEvent event, const Gauge* gauge) {
    return event + uint32_t(engine_index(gauge) - 1) * event_engine_stride(event);
}

void retarget_element(Element* element, const Gauge* gauge) {
    if (!element || !gauge) return;
    switch (element->kind) {
        case kKindNeedle: retarget_variable(element_as<Needle>(element)->variable, gauge); break;
        case kKindString:
            for (ModuleVariable& variable : element_as<StringElement>(element)->variables)
                retarget_variable(variable, gauge);
            break;
        case kKindSlider:
            retarget_variable(element_as<Slider>(element)->x_variable, gauge);
            retarget_variable(element_as<Slider>(element)->y_variable, gauge);
            break;
        case kKindIcon: retarget_variable(element_as<Icon>(element)->variable, gauge); break;
        case kKindMovingImage:
            retarget_variable(element_as<MovingImage>(element)->x_variable, gauge);
            retarget_variable(element_as<MovingImage>(element)->y_variable, gauge);
            break;
        case kKindSprite:
            retarget_variable(element_as<Sprite>(element)->x_variable, gauge);
            retarget_variable(element_as<Sprite>(element)->y_variable, gauge);
            retarget_variable(element_as<Sprite>(element)->rotation_variable, gauge);
            break;
        default:  // a StaticImage has no variable
            break;
    }
}

void retarget_element_list(Element** list, const Gauge* gauge) {
    if (!gauge || !list) return;
    // Siblings in a loop, children by recursion: every element once.
    for (Element** entry = list; *entry; ++entry) {
        retarget_element_list((*entry)->following, gauge);
        retarget_element(*entry, gauge);
    }
}

void retarget_mouse_areas(MouseArea* first, const Gauge* gauge) {
    if (!gauge || !first) return;
    // Parents, ends and anything else keep their event: only a child area
    // sends one.
    for (MouseArea* area = first; area->kind != kMouseEnd; ++area)
        if (area->kind == kMouseChild) area->event = retarget_event(area->event, gauge);
}

void engine_gauge_callback(Gauge* gauge, int32_t service, uintptr_t) {
    if (service != kServiceInstall || !gauge) return;
    retarget_mouse_areas(gauge->mouse_areas, gauge);
    if (gauge->elements && gauge->elements[0]) retarget_element_list(gauge->elements, gauge);
}

}  // namespace tervalin
