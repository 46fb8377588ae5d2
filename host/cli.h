#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace gaugehost {

// The `gaugehost` command and its subcommands. Returns the exit status (2
// for bad arguments).
int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace gaugehost
