#include "art.h"

#include <cmath>
#include <numbers>

#include "error.h"
#include "host.h"

namespace art {
namespace {

std::vector<BitmapDrawing>& registry() {
    static std::vector<BitmapDrawing> bitmaps;
    return bitmaps;
}

}  // namespace

gaugehost::Host* g_probe_host = nullptr;  // set by the generator's main

void register_bitmap(BitmapDrawing drawing) {
    registry().push_back(std::move(drawing));
}

const std::vector<BitmapDrawing>& registered_bitmaps() {
    return registry();
}

GaugeProbe::GaugeProbe(const std::string& gauge, std::optional<std::string> parameters) {
    if (!g_probe_host) throw gaugehost::HostError("no records module is loaded for " + gauge);
    index_ = g_probe_host->place(gauge, std::move(parameters));
    g_probe_host->install(index_);
}

GaugeProbe::~GaugeProbe() {
    if (g_probe_host) g_probe_host->kill(index_);
}

gaugehost::Host& GaugeProbe::host() {
    return *g_probe_host;
}

std::optional<double> GaugeProbe::needle_angle(size_t element, const std::map<int32_t, double>& variables) {
    for (const auto& [token, value] : variables) g_probe_host->variables().set(token, value);
    g_probe_host->update(index_);
    const auto& states = g_probe_host->placed(index_).states;
    if (element == 0 || element > states.size()) throw gaugehost::HostError("no element " + std::to_string(element));
    return states[element - 1].angle;
}

GaugeProbe::Point GaugeProbe::point_at(size_t element, double angle_degrees, double radius) const {
    const Element* e = g_probe_host->placed(index_).instance->elements().at(element - 1);
    const double a = angle_degrees * std::numbers::pi / 180.0;
    return {e->x + radius * std::sin(a), e->y - radius * std::cos(a)};
}

void draw_text_centered(cairo_t* cr, const std::string& text, double x, double y, double size, const char* family,
                        bool bold) {
    cairo_select_font_face(
        cr, family, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing, y - extents.height / 2 - extents.y_bearing);
    cairo_show_text(cr, text.c_str());
}

void draw_tick(cairo_t* cr, double cx, double cy, double angle_degrees, double r0, double r1, double width) {
    const double a = angle_degrees * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = -std::cos(a);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, cx + r0 * s, cy + r0 * c);
    cairo_line_to(cr, cx + r1 * s, cy + r1 * c);
    cairo_stroke(cr);
}

}  // namespace art
