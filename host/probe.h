#pragma once

#include <nlohmann/json.hpp>

#include "host.h"

namespace gaugehost {

// The state of every placed instance and what the host received, as the
// JSON document `gaugehost probe` prints.
nlohmann::json probe_document(const Host& host);

// A document as the host prints it, indented by 2; text that is not UTF-8
// (a parameter string, a module's gauge name or text) has each invalid
// byte replaced by U+FFFD rather than ending the program.
std::string dump_json(const nlohmann::json& document);

}  // namespace gaugehost
