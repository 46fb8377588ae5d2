#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace gaugehost {

// The `gaugehost` command: subcommands list and probe. Returns the exit
// status (2 for bad arguments).
int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace gaugehost
