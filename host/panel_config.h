// The simulator's panel configuration (panel.cfg): panel windows with their
// size, background and the gauges placed on them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace gaugehost {

// A window's size_mm and a gauge's position and size stay within this
// many panel units (a window is drawn one pixel a unit, times --scale).
inline constexpr double kMaxPanelUnits = 16384;

// gaugeNN=Module!Gauge, x, y[, w[, h[, parameters]]]
struct PanelGauge {
    std::string key;  // "gauge00"
    std::string module;
    std::string gauge;
    double x = 0, y = 0;
    std::optional<double> width, height;  // panel units
    std::optional<std::string> parameters;
    int line = 0;
};

struct PanelWindow {
    std::string section;                        // "Window00"
    std::string title;                          // from [Window Titles], or empty
    std::optional<std::string> file;            // background bitmap
    std::optional<std::array<double, 2>> size;  // size_mm: the panel units
    std::string position;
    bool visible = true;
    std::string ident;
    std::optional<std::array<int, 3>> background_colour;
    std::vector<PanelGauge> gauges;
    int line = 0;
};

struct PanelConfig {
    std::string path;
    std::vector<PanelWindow> windows;  // in the order of their sections
};

// Throws HostError "FILE:LINE: ..." on a malformed entry.
PanelConfig parse_panel_config(const std::string& text, const std::string& path);
PanelConfig read_panel_config(const std::string& path);

}  // namespace gaugehost
