// Load-time checks of a module's records: what the host would otherwise
// find out only by drawing a gauge wrong or clicking it in vain.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "gauge.h"
#include "module.h"

namespace gaugehost {

struct Finding {
    std::string module;  // the module file
    std::string gauge;   // empty for none
    enum class Place { Gauge, Element, MouseArea } place = Place::Gauge;
    // Elements count from 1 in chain order (probe's "index"); mouse-list
    // entries from 0 (their position in probe's "mouse_areas").
    size_t index = 0;
    std::string kind;  // the element's kind name, if known
    std::string what;
    std::string value;  // the offending value
};

// Every gauge of a loaded module.
std::vector<Finding> check_module(const LoadedModule& module);

// One gauge definition against the bitmaps of its module.
std::vector<Finding> check_gauge(const Gauge& gauge, const BitmapSource& bitmaps, const std::string& module);

}  // namespace gaugehost
