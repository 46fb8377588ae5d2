#include "mouse.h"

#include <climits>

namespace gaugehost {
namespace {

constexpr size_t kMaxEntries = 4096;

}  // namespace

uint32_t click_flags(ClickKind kind) {
    switch (kind) {
        case ClickKind::Repeat: return kClickLeftRepeat;
        case ClickKind::Drag: return kClickLeftDrag;
        default: return kClickLeft;
    }
}

bool area_takes(const MouseArea& area, ClickKind kind) {
    if (!(area.click_flags & kClickLeft)) return false;
    switch (kind) {
        case ClickKind::Repeat: return (area.click_flags & kClickRepeatBit) != 0;
        case ClickKind::Drag: return (area.click_flags & kClickMoveBit) != 0;
        default: return true;
    }
}

std::vector<PlacedArea> place_areas(MouseArea* list, std::optional<BitmapSize> gauge_size) {
    std::vector<PlacedArea> placed;
    if (!list) return placed;
    const Box whole =
        gauge_size ? Box{0, 0, gauge_size->width, gauge_size->height} : Box{0, 0, INT_MAX / 2, INT_MAX / 2};
    std::vector<Box> parents;
    for (size_t i = 0; i < kMaxEntries && list[i].kind != kMouseEnd; ++i) {
        MouseArea& area = list[i];
        const int ox = parents.empty() ? 0 : parents.back().x;
        const int oy = parents.empty() ? 0 : parents.back().y;
        const bool whole_gauge = area.x == 0 && area.y == 0 && area.width == 0 && area.height == 0;
        switch (area.kind) {
            case kMouseParent:
                parents.push_back(whole_gauge ? whole : Box{ox + area.x, oy + area.y, area.width, area.height});
                break;
            case kMouseEndParent:
                if (!parents.empty()) parents.pop_back();
                break;
            case kMouseChild:
                placed.push_back({&area, i, Box{ox + area.x, oy + area.y, area.width, area.height}});
                break;
            default: break;
        }
    }
    return placed;
}

std::optional<PlacedArea> hit_test(MouseArea* list, std::optional<BitmapSize> gauge_size, int x, int y,
                                   ClickKind kind) {
    for (const PlacedArea& placed : place_areas(list, gauge_size))
        if (placed.box.contains(x, y) && area_takes(*placed.area, kind)) return placed;
    return std::nullopt;
}

}  // namespace gaugehost
