#pragma once

#include <nlohmann/json.hpp>

#include "host.h"

namespace gaugehost {

// The state of every placed instance and what the host received, as the
// JSON document `gaugehost probe` prints.
nlohmann::json probe_document(const Host& host);

}  // namespace gaugehost
