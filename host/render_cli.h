// `gaugehost render`: pictures of placed gauges, or of the panel windows of
// a panel.cfg, after the same actions probe takes.
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "scenario.h"

namespace gaugehost {

// A state file: "token=value" lines; '#' or ';' starts a comment. Throws
// HostError "FILE:LINE: ..." on a malformed line.
std::vector<std::pair<int32_t, double>> read_state_file(const std::string& path);

// `render`'s options, on its subcommand.
class RenderCommand {
public:
    explicit RenderCommand(CLI::App& app);
    // Runs after parsing; prints the pictures written, one path a line.
    int run(std::ostream& out, std::ostream& err);

private:
    CLI::App* app_;
    std::optional<ScenarioOptions> options_;
    std::string panel_;
    std::string state_;
    std::string output_ = ".";
    double scale_ = 1.0;
};

}  // namespace gaugehost
