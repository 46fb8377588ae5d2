#include "checks.h"

#include <cmath>
#include <map>
#include <optional>
#include <sstream>

#include "element_kinds.h"

namespace gaugehost {
namespace {

// The same bounds the instance copy keeps.
constexpr int kMaxDepth = 64;
constexpr size_t kMaxElements = 4096;
constexpr size_t kMaxListLength = 1024;
constexpr size_t kMaxMouseEntries = 4096;
constexpr int kMaxParentDepth = 2;

std::string hex(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << value;
    return out.str();
}

std::string size_text(BitmapSize size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::string box_text(int x, int y, int w, int h) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(w) + ", " + std::to_string(h) +
           ")";
}

struct Box {
    long x = 0, y = 0, width = 0, height = 0;
    bool whole_gauge = false;
    bool meets(const Box& other) const {
        return other.x < x + width && other.y < y + height && other.x + other.width > x && other.y + other.height > y;
    }
    bool holds(const Box& inner) const {
        return inner.x >= x && inner.y >= y && inner.x + inner.width <= x + width &&
               inner.y + inner.height <= y + height;
    }
    std::string text() const { return box_text(int(x), int(y), int(width), int(height)); }
};

class GaugeChecker {
public:
    GaugeChecker(const Gauge& gauge, const BitmapSource& bitmaps, const std::string& module,
                 std::vector<Finding>& findings)
        : gauge_(gauge), bitmaps_(bitmaps), module_(module), findings_(findings), name_(gauge.name ? gauge.name : "") {}

    void run() {
        check_root();
        if (gauge_.elements) walk(gauge_.elements, 0);
        check_mouse_list();
    }

private:
    void add(Finding::Place place, size_t index, std::string kind, std::string what, std::string value) {
        findings_.push_back({module_, name_, place, index, std::move(kind), std::move(what), std::move(value)});
    }
    void gauge_finding(std::string what, std::string value) {
        add(Finding::Place::Gauge, 0, "", std::move(what), std::move(value));
    }
    void element_finding(std::string what, std::string value) {
        add(Finding::Place::Element, number_, kind_, std::move(what), std::move(value));
    }
    void area_finding(size_t index, std::string what, std::string value) {
        add(Finding::Place::MouseArea, index, "", std::move(what), std::move(value));
    }

    std::optional<BitmapSize> bitmap(uint32_t id, const char* role) {
        auto size = id == kNoBitmap ? std::nullopt : bitmaps_.size(id);
        if (!size) element_finding(std::string(role) + " is missing", id == kNoBitmap ? "none" : std::to_string(id));
        return size;
    }

    // The root is a StaticImage at (0, 0), alone in the gauge's list.
    void check_root() {
        const Element* root = gauge_.elements ? gauge_.elements[0] : nullptr;
        if (!root) {
            gauge_finding("no root element", "none");
            return;
        }
        if (gauge_.elements[1])
            gauge_finding("more than one root element", "second of kind " + std::to_string(gauge_.elements[1]->kind));
        if (root->kind != kKindStaticImage) {
            const ElementKind* kind = element_kind(root->kind);
            gauge_finding("root element is not a StaticImage", kind ? kind->name : std::to_string(root->kind));
        }
        if (root->x != 0 || root->y != 0)
            gauge_finding("root element is not at (0, 0)",
                          "(" + std::to_string(root->x) + ", " + std::to_string(root->y) + ")");
        if (root->kind == kKindStaticImage && root->bitmap != kNoBitmap) gauge_size_ = bitmaps_.size(root->bitmap);
    }

    // Chain order, as the host numbers elements.
    void walk(Element* const* list, int depth) {
        if (depth > kMaxDepth) {
            gauge_finding("element tree nests deeper than " + std::to_string(kMaxDepth), std::to_string(depth));
            return;
        }
        for (size_t i = 0; list[i]; ++i) {
            if (i == kMaxListLength) {
                gauge_finding("element list has no null end", "more than " + std::to_string(kMaxListLength));
                return;
            }
            if (number_ == kMaxElements) {
                gauge_finding("too many elements", "more than " + std::to_string(kMaxElements));
                return;
            }
            ++number_;
            check_element(*list[i]);
            if (list[i]->following) walk(list[i]->following, depth + 1);
        }
    }

    void check_element(const Element& element) {
        const ElementKind* kind = element_kind(element.kind);
        kind_ = kind ? kind->name : "";
        switch (element.kind) {
            case kKindStaticImage:
            case kKindSlider: bitmap(element.bitmap, "bitmap"); break;
            case kKindNeedle: check_needle(reinterpret_cast<const Needle&>(element)); break;
            case kKindString: break;  // drawn from its text, no bitmap
            case kKindIcon: check_icon(reinterpret_cast<const Icon&>(element)); break;
            case kKindMovingImage: check_moving_image(reinterpret_cast<const MovingImage&>(element)); break;
            case kKindSprite:
                bitmap(element.bitmap, "texture bitmap");
                if (element.bitmap != kNoBitmap) bitmap(element.bitmap + 1, "mask bitmap (texture + 1)");
                break;
            default: element_finding("unknown element kind", std::to_string(element.kind)); break;
        }
    }

    void check_needle(const Needle& needle) {
        const Element& e = needle.header;
        if (auto size = bitmap(e.bitmap, "bitmap")) {
            // The pivot is the turning point inside the needle bitmap.
            if (e.pivot_x < 0 || e.pivot_y < 0 || e.pivot_x > size->width || e.pivot_y > size->height)
                element_finding(
                    "pivot outside the needle bitmap",
                    "(" + std::to_string(e.pivot_x) + ", " + std::to_string(e.pivot_y) + ") in " + size_text(*size));
        }
        if (!needle.table) {
            if (needle.table_count != 0)
                element_finding("calibration entry count without a table", std::to_string(needle.table_count));
            return;
        }
        if (needle.table_count < 2) {
            element_finding("calibration table has fewer than 2 entries", std::to_string(needle.table_count));
            return;
        }
        for (uint32_t i = 0; i < needle.table_count && i < kMaxListLength; ++i)
            if (std::isnan(needle.table[i].value))
                element_finding("calibration value is not a number", "entry " + std::to_string(i));
    }

    void check_icon(const Icon& icon) {
        const uint32_t first = icon.header.bitmap;
        const uint32_t count = icon.image_count > 0 ? icon.image_count : 1;
        if (first == kNoBitmap) {
            bitmap(first, "bitmap");
            return;
        }
        for (uint32_t k = 0; k < count && k < kMaxListLength; ++k)
            if (!bitmaps_.size(first + k))
                element_finding("image " + std::to_string(k) + " of " + std::to_string(count) + " is missing",
                                std::to_string(first + k));
    }

    void check_moving_image(const MovingImage& image) {
        const auto strip = bitmap(image.header.bitmap, "strip bitmap");
        if (image.header.bitmap == kNoBitmap) return;
        const auto window = bitmap(image.header.bitmap + 1, "window bitmap (strip + 1)");
        if (!strip || !window) return;
        const std::string sizes = "strip " + size_text(*strip) + ", window " + size_text(*window);
        if (strip->width < window->width || strip->height < window->height)
            element_finding("strip smaller than its window", sizes);
        // An axis no value moves shows the whole strip: the two are as
        // large as each other on it.
        else if ((image.x_min == image.x_max && strip->width != window->width) ||
                 (image.y_min == image.y_max && strip->height != window->height))
            element_finding("strip and window differ on an axis whose minimum equals its maximum", sizes);
    }

    // Inside an area's own box; the whole-gauge parent has none, and the
    // gauge's edge merely clips a box that reaches past it (the standby
    // attitude knob's halves end a row below the face), so there a box
    // need only reach into the gauge.
    bool fits(const Box& box, const Box& enclosing) const {
        return enclosing.whole_gauge ? enclosing.meets(box) : enclosing.holds(box);
    }

    void check_mouse_list() {
        const MouseArea* list = gauge_.mouse_areas;
        if (!list) return;
        const Box whole =
            gauge_size_ ? Box{0, 0, gauge_size_->width, gauge_size_->height, true} : Box{0, 0, 0, 0, true};
        std::vector<Box> parents;
        bool closed = false;  // the gauge's own parent has ended
        for (size_t i = 0;; ++i) {
            if (i == kMaxMouseEntries) {
                area_finding(i, "mouse list has no end entry", "more than " + std::to_string(kMaxMouseEntries));
                return;
            }
            const MouseArea& a = list[i];
            if (a.cursor != kCursorNone && a.cursor != kCursorUp && a.cursor != kCursorDown && a.cursor != kCursorPush)
                area_finding(i, "unknown cursor", std::to_string(a.cursor));
            const std::string box = box_text(a.x, a.y, a.width, a.height);
            if (i == 0 && !(a.kind == kMouseParent && a.x == 0 && a.y == 0 && a.width == 0 && a.height == 0)) {
                area_finding(i,
                             "mouse list does not start with a parent of box (0, 0, 0, 0)",
                             "kind " + std::to_string(a.kind) + " " + box);
            } else if (closed && a.kind != kMouseEnd) {
                area_finding(i, "entry after the gauge's parent has ended", "kind " + std::to_string(a.kind));
            }
            if (a.width < 0 || a.height < 0) area_finding(i, "box of negative size", box);
            const Box* enclosing = parents.empty() ? nullptr : &parents.back();
            const Box absolute{
                (enclosing ? enclosing->x : 0) + a.x, (enclosing ? enclosing->y : 0) + a.y, a.width, a.height};
            switch (a.kind) {
                case kMouseEnd:
                    if (!parents.empty())
                        area_finding(i, "list ends inside a parent", std::to_string(parents.size()) + " open");
                    return;
                case kMouseParent: {
                    if (parents.size() == size_t(kMaxParentDepth)) {
                        area_finding(i, "parents nest deeper than " + std::to_string(kMaxParentDepth), box);
                    }
                    const bool whole_gauge = a.x == 0 && a.y == 0 && a.width == 0 && a.height == 0;
                    const Box placed = whole_gauge ? whole : absolute;
                    if (gauge_size_ && !whole_gauge && enclosing && !fits(placed, *enclosing))
                        area_finding(i, "parent box outside its enclosing box", box + " in " + enclosing->text());
                    parents.push_back(placed);
                    break;
                }
                case kMouseChild:
                    if (!enclosing) {
                        area_finding(i, "child outside any parent", box);
                    } else if (gauge_size_ && !fits(absolute, *enclosing)) {
                        area_finding(i, "child box outside its parent", box + " in " + enclosing->text());
                    }
                    if (a.click_flags != 0 && a.click_flags != kClickLeft && a.click_flags != kClickLeftRepeat &&
                        a.click_flags != kClickLeftDrag)
                        area_finding(i, "unknown click flags", hex(a.click_flags));
                    break;
                case kMouseEndParent:
                    if (parents.empty())
                        area_finding(i, "end of parent without a parent", "");
                    else
                        parents.pop_back();
                    if (parents.empty()) closed = true;
                    break;
                default: area_finding(i, "unknown entry kind", std::to_string(a.kind)); break;
            }
        }
    }

    const Gauge& gauge_;
    const BitmapSource& bitmaps_;
    const std::string& module_;
    std::vector<Finding>& findings_;
    std::string name_;
    std::optional<BitmapSize> gauge_size_;
    size_t number_ = 0;  // the element being checked, from 1
    std::string kind_;
};

}  // namespace

std::vector<Finding> check_gauge(const Gauge& gauge, const BitmapSource& bitmaps, const std::string& module) {
    std::vector<Finding> findings;
    GaugeChecker(gauge, bitmaps, module, findings).run();
    return findings;
}

std::vector<Finding> check_module(const LoadedModule& module) {
    std::vector<Finding> findings;
    std::map<std::string, size_t> seen;
    for (size_t i = 0; i < module.gauges().size(); ++i) {
        const Gauge& gauge = *module.gauges()[i];
        const std::string name = gauge.name ? gauge.name : "";
        if (name.empty())
            findings.push_back({module.path(),
                                name,
                                Finding::Place::Gauge,
                                0,
                                "",
                                "gauge has no name",
                                "table index " + std::to_string(i)});
        else if (auto [it, fresh] = seen.emplace(name, i); !fresh)
            findings.push_back({module.path(),
                                name,
                                Finding::Place::Gauge,
                                0,
                                "",
                                "gauge name repeated",
                                "table indices " + std::to_string(it->second) + " and " + std::to_string(i)});
        auto more = check_gauge(gauge, module.bitmaps(), module.path());
        findings.insert(findings.end(), more.begin(), more.end());
    }
    return findings;
}

}  // namespace gaugehost
