#include "render_text.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <map>
#include <string>
#include <utility>

namespace gaugehost {
namespace {

// The faces the gauges name are Windows fonts; the closest installed faces
// stand in for them. Others go to fontconfig as named.
const char* installed_family(const char* face) {
    struct Substitute {
        const char* face;
        const char* family;
    };
    static constexpr Substitute kSubstitutes[] = {
        {"Courier New", "Liberation Mono"},
        {"Glass Gauge", "Liberation Sans Narrow"},  // a narrow display face
        {"Quartz", "DejaVu Sans Mono"},             // a digital-clock face
    };
    if (!face || !*face) return "DejaVu Sans";
    for (const Substitute& s : kSubstitutes)
        if (strcasecmp(face, s.face) == 0) return s.family;
    return face;
}

// Font faces by (face, weight), matched once and kept for the process.
cairo_font_face_t* font_face(const char* face, int weight) {
    static std::map<std::pair<std::string, int>, cairo_font_face_t*> cache;
    const char* family = installed_family(face);
    const auto key = std::make_pair(std::string(family), weight);
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    // Windows weights run 100 ... 900 like OpenType's; 0 means normal.
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight > 0 ? weight : 400));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    cairo_font_face_t* font = nullptr;
    if (match) {
        font = cairo_ft_font_face_create_for_pattern(match);
        FcPatternDestroy(match);
        if (cairo_font_face_status(font) != CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(font);
            font = nullptr;
        }
    }
    cache.emplace(key, font);
    return font;
}

// Windows colour values: red in the low byte, then green, then blue.
void set_windows_colour(cairo_t* cr, uint32_t colour) {
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour >> 16 & 0xFF) / 255.0);
}

// The characters fill most of the box height, as the simulator sizes them.
constexpr double kFontSizeOfBox = 0.7;

}  // namespace

void draw_string_element(cairo_t* cr, const StringElement& element, const ElementState& state) {
    if (state.hidden || !state.has_drawn) return;
    const double x = element.header.x, y = element.header.y;
    const double width = element.box_width, height = element.box_height;
    if (width <= 0 || height <= 0) return;

    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    // Black is the transparent colour, for the box and for the text.
    if (element.background_colour != 0) {
        set_windows_colour(cr, element.background_colour);
        cairo_paint(cr);
    }
    cairo_font_face_t* font = font_face(element.font_name, element.font_weight);
    if (element.text_colour != 0 && font && !state.text.empty()) {
        cairo_set_font_face(cr, font);
        cairo_set_font_size(cr, height * kFontSizeOfBox);
        cairo_font_extents_t extents;
        cairo_font_extents(cr, &extents);
        // Left-aligned, the line centred in the box.
        const double baseline = y + (height - (extents.ascent + extents.descent)) / 2 + extents.ascent;
        set_windows_colour(cr, element.text_colour);
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, state.text.c_str());
    }
    cairo_restore(cr);
}

}  // namespace gaugehost
