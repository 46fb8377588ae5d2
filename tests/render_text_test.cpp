// Drawing a text element: its colour (red in the low byte), its box as a
// clip, black as the transparent colour, and the hidden state.
#include "render_text.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Counts {
    int inside = 0, outside = 0;
    uint32_t last = 0;  // the last fully painted pixel, 0x00RRGGBB
};

// Draws the element on a transparent 120 x 40 picture and counts painted
// pixels inside and outside its box.
Counts draw(const StringElement& element, const gaugehost::ElementState& state) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 120, 40);
    cairo_t* cr = cairo_create(surface);
    gaugehost::draw_string_element(cr, element, state);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    Counts counts;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            if ((p >> 24) < 200) continue;
            const bool in = x >= element.header.x && x < element.header.x + element.box_width &&
                            y >= element.header.y && y < element.header.y + element.box_height;
            ++(in ? counts.inside : counts.outside);
            if ((p >> 24) == 255) counts.last = p & 0xFFFFFF;
        }
    cairo_surface_destroy(surface);
    return counts;
}

StringElement text_element(const char* font, uint32_t colour, int width = 60) {
    StringElement e{};
    e.header.kind = kKindString;
    e.header.x = 10;
    e.header.y = 8;
    e.box_width = width;
    e.box_height = 24;
    e.text_colour = colour;
    e.font_name = font;
    e.font_weight = 400;
    return e;
}

gaugehost::ElementState with_text(const std::string& text, bool hidden = false) {
    gaugehost::ElementState state;
    state.has_drawn = true;
    state.text = text;
    state.hidden = hidden;
    return state;
}

}  // namespace

TEST(TextDrawing, ColourBoxAndHiddenState) {
    // Red (255) and white, in the faces that stand in for the display's fonts.
    for (const char* font : {"Glass Gauge", "Courier New", "Quartz", "No Such Face"}) {
        const Counts red = draw(text_element(font, 255), with_text("8888"));
        EXPECT_GT(red.inside, 40) << font;
        EXPECT_EQ(red.outside, 0) << font;
        EXPECT_EQ(red.last, 0xFF0000u) << font;
    }
    EXPECT_EQ(draw(text_element("Courier New", 0x00FF00), with_text("88")).last, 0x00FF00u);  // green byte
    EXPECT_EQ(draw(text_element("Courier New", 16777215), with_text("88")).last, 0xFFFFFFu);

    // A long line is clipped to its box.
    const Counts clipped = draw(text_element("Courier New", 255, 20), with_text("0123456789012"));
    EXPECT_GT(clipped.inside, 0);
    EXPECT_EQ(clipped.outside, 0);

    // Nothing shows when hidden, in black, without text or before any update.
    EXPECT_EQ(draw(text_element("Glass Gauge", 255), with_text("8888", true)).inside, 0);
    EXPECT_EQ(draw(text_element("Glass Gauge", 0), with_text("8888")).inside, 0);
    EXPECT_EQ(draw(text_element("Glass Gauge", 255), with_text("")).inside, 0);
    gaugehost::ElementState never;
    never.text = "8888";
    EXPECT_EQ(draw(text_element("Glass Gauge", 255), never).inside, 0);
    StringElement no_font = text_element(nullptr, 255);
    EXPECT_GT(draw(no_font, with_text("88")).inside, 0);
}
