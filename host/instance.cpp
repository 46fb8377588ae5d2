#include "instance.h"

#include <cstring>

#include "element_kinds.h"
#include "error.h"

namespace gaugehost {
namespace {

constexpr int kMaxDepth = 64;
constexpr size_t kMaxElements = 4096;
constexpr size_t kMaxListLength = 1024;
constexpr size_t kMaxMouseEntries = 4096;

}  // namespace

GaugeInstance::GaugeInstance(const Gauge& definition, std::optional<std::string> parameters)
    : definition_(&definition), gauge_(definition), parameters_(std::move(parameters)) {
    const std::string name = definition.name ? definition.name : "(unnamed)";
    if (parameters_) {
        parameter_buffer_.assign(parameters_->begin(), parameters_->end());
        parameter_buffer_.push_back('\0');
        gauge_.parameters = parameter_buffer_.data();
    } else {
        gauge_.parameters = nullptr;
    }
    gauge_.host_instance = this;

    try {
        gauge_.elements = definition.elements ? copy_list(definition.elements, 0) : nullptr;
    } catch (const HostError& e) {
        throw HostError("gauge " + name + ": " + e.what());
    }

    if (definition.mouse_areas) {
        const MouseArea* entry = definition.mouse_areas;
        for (size_t i = 0;; ++i, ++entry) {
            if (i == kMaxMouseEntries) throw HostError("gauge " + name + ": mouse area list has no end entry");
            mouse_.push_back(*entry);
            if (entry->kind == kMouseEnd) break;
        }
    }
    gauge_.mouse_areas = mouse_.empty() ? nullptr : mouse_.data();
}

Element** GaugeInstance::copy_list(Element* const* list, int depth) {
    if (depth > kMaxDepth) throw HostError("element tree nests deeper than " + std::to_string(kMaxDepth));
    std::vector<Element*>& copy = lists_.emplace_back();
    for (size_t i = 0; list[i]; ++i) {
        if (i == kMaxListLength) throw HostError("element list has no null end");
        Element* element = copy_element(list[i], depth);
        copy.push_back(element);
    }
    copy.push_back(nullptr);
    return copy.data();
}

Element* GaugeInstance::copy_element(const Element* source, int depth) {
    const ElementKind* kind = element_kind(source->kind);
    if (!kind)
        throw HostError("element " + std::to_string(order_.size() + 1) + " has unknown kind " +
                        std::to_string(source->kind));
    if (order_.size() == kMaxElements) throw HostError("more than 4096 elements");
    AnyElement& slot = elements_.emplace_back();
    std::memset(&slot, 0, sizeof slot);
    std::memcpy(&slot, source, kind->record_size);
    Element* element = &slot.header;
    element->gauge = &gauge_;
    order_.push_back(element);
    if (element->kind == kKindString) {
        std::vector<char>& text = text_buffers_.emplace_back(kTextCapacity, '\0');
        slot.string.text = text.data();
        slot.string.text_capacity = uint32_t(text.size());
    }
    if (source->following) element->following = copy_list(source->following, depth + 1);
    return element;
}

}  // namespace gaugehost
