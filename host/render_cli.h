// `gaugehost render`: pictures of placed gauges, or of the panel windows of
// a panel.cfg, after the same actions probe takes.
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "panel_config.h"
#include "render.h"
#include "scenario.h"

namespace gaugehost {

// A state file: "token=value" lines; '#' or ';' starts a comment. Tokens
// and values follow --set's rules. Throws HostError "FILE:LINE: ..." on a
// malformed line.
std::vector<std::pair<int32_t, double>> parse_state(const std::string& text, const std::string& path);
std::vector<std::pair<int32_t, double>> read_state_file(const std::string& path);

// A panel window's picture before its gauges: its file name, size in
// panel units and background (colour, and the decoded file= picture, which
// `background.image` is not yet pointed at). Throws HostError naming the
// panel file and line.
struct WindowPicture {
    std::string name;
    double width = 0, height = 0;
    Renderer::Background background;
    std::optional<Image> background_image;
};
WindowPicture window_picture(const PanelConfig& panel, const PanelWindow& window);

// `render`'s options, on its subcommand.
class RenderCommand {
public:
    explicit RenderCommand(CLI::App& app);
    // Runs after parsing; prints the pictures written, one path a line.
    int run(std::ostream& out, std::ostream& err);

private:
    CLI::App* app_;
    std::optional<ScenarioOptions> options_;
    CLI::Option *panel_opt_ = nullptr, *state_opt_ = nullptr;
    std::string panel_;
    std::string state_;
    std::string output_ = ".";
    double scale_ = 1.0;
};

}  // namespace gaugehost
