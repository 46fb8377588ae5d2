// `gaugehost validate`: the load-time checks of every gauge of the modules
// given, as a report or a JSON document.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>

namespace gaugehost {

inline constexpr const char* kValidateHelp =
    "check every gauge of the modules given: bitmaps the elements name, calibration tables, mouse lists, "
    "names and roots; one line per finding (exit status 1 on any, 0 when clean)";

// Adds validate's options to its subcommand; returns what runs it.
std::function<int(std::ostream& out, std::ostream& err)> add_validate(CLI::App& app);

}  // namespace gaugehost
