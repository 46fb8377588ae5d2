// The records kit: how gauges are written. Everything here builds the
// plain records of gauge.h as constant data, at compile time, so a module
// keeps its records in its data section with no constructor run at load.
//
//   constinit kit::Chain chain{&airspeed_gauge,
//       StaticImage{.header = {.bitmap = kFace, .image_flags = kDrawLit}},
//       Needle{.header = {...}, .variable = {.token = token::indicated_airspeed}, ...},
//       StaticImage{.header = {.bitmap = kBezel, .image_flags = kDrawPlain}}};
//   constinit auto mouse_areas = kit::tooltip(kHelpAirspeed);
//   Gauge airspeed_gauge = {..., .elements = chain.root(), .mouse_areas = mouse_areas.areas};
//
//   constinit MouseArea mouse_areas[] = {
//       kit::parent(kHelpAltimeter),
//       kit::parent(kHelpPressureKnob, {0, 230, 24, 48}),
//       kit::child_event({0, 0, 24, 48}, kCursorDown, kClickLeftRepeat, event::pressure_setting_down),
//       kit::end_parent(),
//       ...
//       kit::end(),
//   };
//
// - A chain lists a gauge's elements in table order, root first; each is
//   the only follower of the one before. The chain writes every element's
//   kind from its record type, its gauge and its `following` list, so
//   none of those is typed by hand and a kind cannot disagree with its
//   record.
// - Mouse lists are tables of parent, child and end entries, one a line;
//   the common lists (a tooltip only, one group of children) are one call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>

#include "gauge.h"

namespace kit {

// The kind value of each element record type.
template <class Kind>
inline constexpr uint32_t kind_of = ~0u;
template <>
inline constexpr uint32_t kind_of<StaticImage> = kKindStaticImage;
template <>
inline constexpr uint32_t kind_of<Needle> = kKindNeedle;
template <>
inline constexpr uint32_t kind_of<StringElement> = kKindString;
template <>
inline constexpr uint32_t kind_of<Slider> = kKindSlider;
template <>
inline constexpr uint32_t kind_of<Icon> = kKindIcon;
template <>
inline constexpr uint32_t kind_of<MovingImage> = kKindMovingImage;
template <>
inline constexpr uint32_t kind_of<Sprite> = kKindSprite;

// A gauge's element chain. `lists` holds, in pairs, the root list (the
// gauge's `elements`) and each element's list of followers, every list
// one element and its null end.
template <class... Kinds>
struct Chain {
    static_assert(sizeof...(Kinds) > 0, "a gauge has at least its root element");
    static_assert(((kind_of<Kinds> != ~0u) && ...), "every link of a chain is an element record");
    static constexpr size_t kCount = sizeof...(Kinds);

    std::tuple<Kinds...> records;
    Element* lists[2 * kCount];

    constexpr Chain(Gauge* gauge, Kinds... elements) : records{elements...}, lists{} {
        link(gauge, std::index_sequence_for<Kinds...>{});
    }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;

    // The gauge's element list: the root and its null end.
    constexpr Element** root() { return &lists[0]; }
    // The element at table position I (0 the root).
    template <size_t I>
    constexpr auto& at() {
        return std::get<I>(records);
    }

private:
    template <size_t... I>
    constexpr void link(Gauge* gauge, std::index_sequence<I...>) {
        (link_one<I>(gauge), ...);
    }
    template <size_t I>
    constexpr void link_one(Gauge* gauge) {
        using Kind = std::tuple_element_t<I, std::tuple<Kinds...>>;
        Element& header = std::get<I>(records).header;
        header.kind = kind_of<Kind>;
        header.gauge = gauge;
        header.following = I + 1 < kCount ? &lists[2 * (I + 1)] : nullptr;
        lists[2 * I] = &header;
        lists[2 * I + 1] = nullptr;
    }
};

template <class... Kinds>
Chain(Gauge*, Kinds...) -> Chain<Kinds...>;

// The number of entries of a calibration table, for a Needle's table_count.
template <size_t N>
constexpr uint32_t count(const CalibrationPoint (&)[N]) {
    return uint32_t(N);
}

// ---------------------------------------------------------------------------
// Mouse lists

// A box in pixels of the gauge's root bitmap, relative to the enclosing
// parent for a child; (0, 0, 0, 0) as a parent box is the whole gauge.
struct Box {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Opens a group with its tooltip.
constexpr MouseArea parent(uint32_t help, Box box = {}) {
    return {.kind = kMouseParent,
            .x = box.x,
            .y = box.y,
            .width = box.width,
            .height = box.height,
            .cursor = kCursorNone,
            .help_id = help};
}
// A clickable box handled by a mouse callback.
constexpr MouseArea child(Box box, int32_t cursor, uint32_t clicks, MouseCallback callback) {
    return {.kind = kMouseChild,
            .x = box.x,
            .y = box.y,
            .width = box.width,
            .height = box.height,
            .cursor = cursor,
            .click_flags = clicks,
            .callback = callback};
}
// A clickable box whose key event the host sends itself.
constexpr MouseArea child_event(Box box, int32_t cursor, uint32_t clicks, KeyEvent event) {
    return {.kind = kMouseChild,
            .x = box.x,
            .y = box.y,
            .width = box.width,
            .height = box.height,
            .cursor = cursor,
            .click_flags = clicks,
            .event = event};
}
// Closes the current group.
constexpr MouseArea end_parent() {
    return {.kind = kMouseEndParent, .cursor = kCursorNone};
}

// Ends the list.
constexpr MouseArea end() {
    return {.kind = kMouseEnd, .cursor = kCursorNone};
}

// A mouse list made by one call, for the lists every other gauge has.
template <size_t N>
struct MouseList {
    MouseArea areas[N];
};

// A gauge that only shows its tooltip.
constexpr MouseList<3> tooltip(uint32_t help) {
    return {{parent(help), end_parent(), end()}};
}

// The whole gauge as one group holding the children given.
template <class... Children>
constexpr MouseList<sizeof...(Children) + 3> one_group(uint32_t help, Children... children) {
    return {{parent(help), children..., end_parent(), end()}};
}

}  // namespace kit
