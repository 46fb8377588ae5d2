// The COM heads: the wide "Tervalin_COM1" plate with its selectors and
// switches, the small "Brinvale_COM1" and "Tervalin_COM2" plates, and the
// drums, knobs, marks and lamps of both sizes.
#include "host_numbers.h"
#include "radios/radio_parts.h"

namespace {

using art::ArtBitmap;
using art::Canvas;
using art::Depth;
using art::draw_tick;
using namespace radio_art;

// --- "Tervalin_COM1": 15 x 19 drum cells ---------------------------------

constexpr double kWideCell = 19;
// The two toggle switches, pivot at (20, 25).
constexpr Toggle kCom1Toggle = {.x = 20, .y = 25, .nut = 9, .hole = 5, .length = 20};

// Five-position rotary selector: centre of the 60 x 60 picture, and the
// directions of its positions, lower left to lower right.
constexpr double kSelectorSweep[] = {225, 292.5, 0, 67.5, 135};

// Legends of a selector around (cx, cy): a tick at every position and a
// name where there is room on the plate.
void selector_legend(cairo_t* cr, double cx, double cy, const char* const (&names)[5]) {
    for (int k = 0; k < 5; ++k) {
        art::set_colour(cr, kLabel);
        draw_tick(cr, cx, cy, kSelectorSweep[k], 28, 32, 1.5);
        if (!*names[k]) continue;
        const double t = kSelectorSweep[k] * kPi / 180;
        const double r = k == 2 ? 38 : 36;
        const double dx = k == 0 ? -10 : k == 4 ? 10 : 0;
        label(cr, names[k], cx + dx + r * std::sin(t), cy - r * std::cos(t), 7.5);
    }
}

void toggle_seat(cairo_t* cr, double x, double y) {
    rounded_rect(cr, x + 6, y + 4, 28, 42, 4);
    art::set_colour(cr, {0.11, 0.11, 0.12});
    cairo_fill(cr);
}

ArtBitmap com1_face{{.module = "tervalin",
                     .id = 3110,
                     .width = 380,
                     .height = 194,
                     .depth = Depth::Palette8,
                     .what = "Tervalin_COM1 plate: frequency window, channel window, lamp, selectors, switches",
                     .draw = [](Canvas& c) {
                         cairo_t* cr = c.cr;
                         plate(cr, c.width, c.height, 8);
                         for (auto [x, y] : {std::pair{9.0, 9.0}, {371.0, 9.0}, {9.0, 185.0}, {371.0, 185.0}})
                             screw(cr, x, y, 3.5);
                         label(cr, "UHF COMM 1", 60, 22, 12);
                         // Frequency window: drums from x 79 to 222 at y 73.
                         window_bezel(cr, 79, 73, 143, 19);
                         art::set_colour(cr, kDigit);
                         cairo_arc(cr, 166.5, 88, 1.6, 0, 2 * kPi);  // decimal point between units and tenths
                         cairo_fill(cr);
                         label(cr, "FREQUENCY  MHz", 150, 62, 8);
                         // The fixed preset channel window.
                         label(cr, "CHAN", 300, 62, 8);
                         window_bezel(cr, 292, 73, 16, 19);
                         cairo_save(cr);
                         cairo_translate(cr, 292, 0);
                         cell_text(cr, "6", 16, 73, kWideCell);
                         cairo_restore(cr);
                         // Lamp seat and legend.
                         label(cr, "TEST", 298.5, 38, 7);
                         // Toggle switch seats (switches at (119,6) and (119,133)).
                         toggle_seat(cr, 119, 6);
                         toggle_seat(cr, 119, 133);
                         label(cr, "SQL", 172, 20, 7.5);
                         label(cr, "TONE", 139, 189, 7);
                         // Selector legends around (76,159) and (201,159).
                         static const char* const mode[5] = {"OFF", "T/R", "T/R+G", "", "ON"};
                         static const char* const chan[5] = {"MNL", "", "PRESET", "", "GRD"};
                         selector_legend(cr, 76, 159, mode);
                         selector_legend(cr, 201, 159, chan);
                         label(cr, "VOL", 330, 150, 8);
                         cairo_arc(cr, 330, 172, 13, 0, 2 * kPi);
                         art::set_colour(cr, {0.09, 0.09, 0.10});
                         cairo_fill(cr);
                         cairo_arc(cr, 330, 172, 10, 0, 2 * kPi);
                         art::set_colour(cr, {0.30, 0.30, 0.32});
                         cairo_fill(cr);
                     }}};

template <int position>
void selector(Canvas& c) {
    cairo_t* cr = c.cr;
    cairo_arc(cr, 30, 30, 26, 0, 2 * kPi);
    art::set_colour(cr, {0.30, 0.31, 0.33});
    cairo_fill(cr);
    cairo_arc(cr, 30, 30, 22, 0, 2 * kPi);
    art::set_colour(cr, {0.13, 0.13, 0.14});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 30, 30);
    cairo_rotate(cr, kSelectorSweep[position] * kPi / 180);
    rounded_rect(cr, -6, -25, 12, 50, 5);  // the bar handle
    art::set_colour(cr, {0.24, 0.24, 0.26});
    cairo_fill(cr);
    art::set_colour(cr, kDigit);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, 0, -8);
    cairo_line_to(cr, 0, -23);
    cairo_stroke(cr);
    cairo_restore(cr);
}

ArtBitmap com1_selector_0{{.module = "tervalin",
                           .id = 3130,
                           .width = 60,
                           .height = 60,
                           .depth = Depth::Palette8,
                           .what = "five-position selector, lower left",
                           .draw = selector<0>}};
ArtBitmap com1_selector_1{{.module = "tervalin",
                           .id = 3131,
                           .width = 60,
                           .height = 60,
                           .depth = Depth::Palette8,
                           .what = "five-position selector, left",
                           .draw = selector<1>}};
ArtBitmap com1_selector_2{{.module = "tervalin",
                           .id = 3132,
                           .width = 60,
                           .height = 60,
                           .depth = Depth::Palette8,
                           .what = "five-position selector, up",
                           .draw = selector<2>}};
ArtBitmap com1_selector_3{{.module = "tervalin",
                           .id = 3133,
                           .width = 60,
                           .height = 60,
                           .depth = Depth::Palette8,
                           .what = "five-position selector, right",
                           .draw = selector<3>}};
ArtBitmap com1_selector_4{{.module = "tervalin",
                           .id = 3134,
                           .width = 60,
                           .height = 60,
                           .depth = Depth::Palette8,
                           .what = "five-position selector, lower right",
                           .draw = selector<4>}};

ArtBitmap com1_tenths_strip{{.module = "tervalin",
                             .id = 3140,
                             .width = 15,
                             .height = 209,
                             .depth = Depth::Palette8,
                             .what = "COM1 digit drum 0-9,0 (19 px cells)",
                             .draw = [](Canvas& c) { strip(c, digits(0, 9, true), kWideCell); }}};
ArtBitmap com1_tenths_window{{.module = "tervalin",
                              .id = 3141,
                              .width = 15,
                              .height = 19,
                              .depth = Depth::Palette8,
                              .what = "COM1 digit drum window",
                              .draw = window_mask}};
ArtBitmap com1_hundredths_strip{{.module = "tervalin",
                                 .id = 3150,
                                 .width = 15,
                                 .height = 209,
                                 .depth = Depth::Palette8,
                                 .what = "COM1 hundredths drum 00/25/50/75 with dashes",
                                 .draw = [](Canvas& c) { strip(c, channel_pairs(), kWideCell); }}};
ArtBitmap com1_hundredths_window{{.module = "tervalin",
                                  .id = 3151,
                                  .width = 15,
                                  .height = 19,
                                  .depth = Depth::Palette8,
                                  .what = "COM1 hundredths window",
                                  .draw = window_mask}};

ArtBitmap com1_switch_first{{.module = "tervalin",
                             .id = 3160,
                             .width = 40,
                             .height = 50,
                             .depth = Depth::Palette8,
                             .what = "toggle switch, up",
                             .draw = [](Canvas& c) { toggle(c, kCom1Toggle, -1); }}};
ArtBitmap com1_switch_second{{.module = "tervalin",
                              .id = 3161,
                              .width = 40,
                              .height = 50,
                              .depth = Depth::Palette8,
                              .what = "toggle switch, down",
                              .draw = [](Canvas& c) { toggle(c, kCom1Toggle, +1); }}};
ArtBitmap com1_lamp_dark{{.module = "tervalin",
                          .id = 3170,
                          .width = 13,
                          .height = 13,
                          .depth = Depth::Palette8,
                          .what = "COM1 lamp, dark",
                          .draw = [](Canvas& c) { lamp(c, false); }}};
ArtBitmap com1_lamp_lit{{.module = "tervalin",
                         .id = 3171,
                         .width = 13,
                         .height = 13,
                         .depth = Depth::Palette8,
                         .what = "COM1 lamp, lit",
                         .draw = [](Canvas& c) { lamp(c, true); }}};
ArtBitmap com1_tens_strip{{.module = "tervalin",
                           .id = 3190,
                           .width = 15,
                           .height = 76,
                           .depth = Depth::Palette8,
                           .what = "COM1 tens drum 0-3",
                           .draw = [](Canvas& c) { strip(c, digits(0, 3, false), kWideCell); }}};
ArtBitmap com1_tens_window{{.module = "tervalin",
                            .id = 3191,
                            .width = 15,
                            .height = 19,
                            .depth = Depth::Palette8,
                            .what = "COM1 tens window",
                            .draw = window_mask}};
ArtBitmap com1_leading_one{{.module = "tervalin",
                            .id = 3200,
                            .width = 15,
                            .height = 19,
                            .depth = Depth::Palette8,
                            .what = "COM1 leading 1",
                            .draw = [](Canvas& c) { digit_cell(c, "1"); }}};

// --- "Brinvale_COM1" and "Tervalin_COM2": 13 x 25 drum cells -------------

constexpr double kSmallCell = 25;

std::vector<uint32_t> com_whole_codes() {
    std::vector<uint32_t> codes;
    for (int mhz = 118; mhz <= 136; ++mhz) codes.push_back(mhz_code(mhz));
    return codes;
}

std::vector<uint32_t> com_channel_codes() {
    std::vector<uint32_t> codes;
    for (int khz = 0; khz < 1000; khz += 25) codes.push_back(decimals_code(118, khz / 10));
    return codes;
}

SmallPlate com_plate(const std::string& gauge, int32_t token, const std::string& title) {
    return {.title = title,
            .power_marks = {"OFF", "ON", "TEST"},
            .mark_at = {{9, 82}, {31, 79}, {53, 84}},
            .right_knob_label = "VOL",
            .whole_detents = knob_detents(gauge, 8, token, com_whole_codes()),
            .fraction_detents = knob_detents(gauge, 7, token, com_channel_codes())};
}

ArtBitmap brinvale_face{
    {.module = "tervalin",
     .id = 1240,
     .width = 155,
     .height = 153,
     .depth = Depth::Palette8,
     .what = "Brinvale_COM1 plate",
     .draw = [](Canvas& c) { small_plate(c, com_plate("Brinvale_COM1", token::com1_frequency, "COM 1")); }}};
ArtBitmap com_whole_knob{{.module = "tervalin",
                          .id = 1250,
                          .width = 50,
                          .height = 50,
                          .depth = Depth::Palette8,
                          .what = "COM left knob (MHz)",
                          .draw = [](Canvas& c) {
                              knob(c, {0.16, 0.16, 0.17}, 12);
                          }}};
ArtBitmap com_fraction_knob{{.module = "tervalin",
                             .id = 1260,
                             .width = 50,
                             .height = 50,
                             .depth = Depth::Palette8,
                             .what = "COM right knob (kHz)",
                             .draw = [](Canvas& c) {
                                 knob(c, {0.20, 0.20, 0.21}, 12);
                             }}};
ArtBitmap com_digit_strip{{.module = "tervalin",
                           .id = 1270,
                           .width = 13,
                           .height = 275,
                           .depth = Depth::Palette8,
                           .what = "COM digit drum 0-9,0 (25 px cells)",
                           .draw = [](Canvas& c) { strip(c, digits(0, 9, true), kSmallCell); }}};
ArtBitmap com_digit_window{{.module = "tervalin",
                            .id = 1271,
                            .width = 13,
                            .height = 25,
                            .depth = Depth::Palette8,
                            .what = "COM digit window",
                            .draw = window_mask}};
ArtBitmap com_tens_strip{{.module = "tervalin",
                          .id = 1280,
                          .width = 13,
                          .height = 100,
                          .depth = Depth::Palette8,
                          .what = "COM tens drum 0-3",
                          .draw = [](Canvas& c) { strip(c, digits(0, 3, false), kSmallCell); }}};
ArtBitmap com_tens_window{{.module = "tervalin",
                           .id = 1281,
                           .width = 13,
                           .height = 25,
                           .depth = Depth::Palette8,
                           .what = "COM tens window",
                           .draw = window_mask}};
ArtBitmap com_leading_one{{.module = "tervalin",
                           .id = 1290,
                           .width = 13,
                           .height = 25,
                           .depth = Depth::Palette8,
                           .what = "COM leading 1",
                           .draw = [](Canvas& c) { digit_cell(c, "1"); }}};
ArtBitmap com_hundredths_strip{{.module = "tervalin",
                                .id = 1300,
                                .width = 13,
                                .height = 275,
                                .depth = Depth::Palette8,
                                .what = "COM hundredths drum 00/25/50/75 with dashes",
                                .draw = [](Canvas& c) { strip(c, channel_pairs(), kSmallCell); }}};
ArtBitmap com_hundredths_window{{.module = "tervalin",
                                 .id = 1301,
                                 .width = 13,
                                 .height = 25,
                                 .depth = Depth::Palette8,
                                 .what = "COM hundredths window",
                                 .draw = window_mask}};
ArtBitmap com_mark_off{{.module = "tervalin",
                        .id = 1310,
                        .width = 39,
                        .height = 11,
                        .depth = Depth::Palette8,
                        .what = "COM pointer mark at OFF",
                        .draw = [](Canvas& c) { pointer_mark(c, 24, 12); }}};
ArtBitmap com_mark_on{{.module = "tervalin",
                       .id = 1311,
                       .width = 39,
                       .height = 11,
                       .depth = Depth::Palette8,
                       .what = "COM pointer mark at ON",
                       .draw = [](Canvas& c) { pointer_mark(c, 24, 31); }}};
ArtBitmap com_lamp{{.module = "tervalin",
                    .id = 1320,
                    .width = 13,
                    .height = 13,
                    .depth = Depth::Palette8,
                    .what = "COM lamp, lit",
                    .draw = [](Canvas& c) { lamp(c, true); }}};
ArtBitmap com2_face{
    {.module = "tervalin",
     .id = 1330,
     .width = 155,
     .height = 153,
     .depth = Depth::Palette8,
     .what = "Tervalin_COM2 plate",
     .draw = [](Canvas& c) { small_plate(c, com_plate("Tervalin_COM2", token::com2_frequency, "COM 2")); }}};

}  // namespace
