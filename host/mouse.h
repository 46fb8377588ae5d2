// Hit testing of a gauge's nested mouse areas.
#pragma once

#include <optional>
#include <vector>

#include "bitmaps.h"
#include "gauge.h"

namespace gaugehost {

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// A child area with its box in pixels of the gauge's root bitmap.
struct PlacedArea {
    MouseArea* area = nullptr;
    size_t index = 0;  // position in the mouse list
    Box box;
};

enum class ClickKind {
    Press,   // a left click
    Repeat,  // the button held down: reaches areas that repeat
    Drag,    // a move with the button held: reaches areas that take drags
};

uint32_t click_flags(ClickKind kind);
bool area_takes(const MouseArea& area, ClickKind kind);

// Child areas in list order with absolute boxes. A child's box counts from
// the top-left of its enclosing parent; a parent box of (0, 0, 0, 0) is the
// whole gauge (unbounded when the gauge's size is not known).
std::vector<PlacedArea> place_areas(MouseArea* list, std::optional<BitmapSize> gauge_size);

// The first child area holding the point that takes this kind of click.
std::optional<PlacedArea> hit_test(MouseArea* list, std::optional<BitmapSize> gauge_size, int x, int y, ClickKind kind);

}  // namespace gaugehost
