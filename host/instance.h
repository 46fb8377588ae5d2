// A placed gauge: its own deep copy of the Gauge record, its element tree
// and its mouse areas, with every pointer fixed up to the copy, and its
// own parameter string.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "gauge.h"

namespace gaugehost {

// Storage large enough for any element kind.
union AnyElement {
    Element header;
    StaticImage static_image;
    Needle needle;
    StringElement string;
    Slider slider;
    Icon icon;
    MovingImage moving_image;
    Sprite sprite;
};

inline constexpr size_t kTextCapacity = 128;

class GaugeInstance {
public:
    // Throws HostError on a malformed definition (unknown element kind,
    // a tree or mouse list without end).
    GaugeInstance(const Gauge& definition, std::optional<std::string> parameters);
    GaugeInstance(const GaugeInstance&) = delete;
    GaugeInstance& operator=(const GaugeInstance&) = delete;

    Gauge& gauge() { return gauge_; }
    const Gauge& gauge() const { return gauge_; }
    const Gauge& definition() const { return *definition_; }
    const std::optional<std::string>& parameters() const { return parameters_; }
    // Elements in chain order: each element before the elements that follow it.
    const std::vector<Element*>& elements() const { return order_; }
    Element* root() const { return order_.empty() ? nullptr : order_.front(); }
    MouseArea* mouse_areas() { return mouse_.empty() ? nullptr : mouse_.data(); }
    const std::vector<MouseArea>& mouse_list() const { return mouse_; }

private:
    Element** copy_list(Element* const* list, int depth);
    Element* copy_element(const Element* source, int depth);

    const Gauge* definition_;
    Gauge gauge_;
    std::optional<std::string> parameters_;
    std::vector<char> parameter_buffer_;
    std::deque<AnyElement> elements_;
    std::deque<std::vector<Element*>> lists_;
    std::deque<std::vector<char>> text_buffers_;
    std::vector<Element*> order_;
    std::vector<MouseArea> mouse_;
};

}  // namespace gaugehost
