// The NAV heads: the VOR.ILS and TACAN plates, their drums (13 x 25 cells),
// knobs, pointer marks and lamp.
#include "host_numbers.h"
#include "radios/radio_parts.h"

namespace {

using art::ArtBitmap;
using art::Canvas;
using art::Depth;
using namespace radio_art;

constexpr double kCell = 25;

std::vector<uint32_t> nav_whole_codes() {
    std::vector<uint32_t> codes;
    for (int mhz = 108; mhz <= 117; ++mhz) codes.push_back(mhz_code(mhz));
    return codes;
}

std::vector<uint32_t> nav_channel_codes() {
    std::vector<uint32_t> codes;
    for (int decimals = 0; decimals < 100; decimals += 5) codes.push_back(decimals_code(108, decimals));
    return codes;
}

SmallPlate nav_plate(const std::string& gauge, int32_t token, const std::string& title) {
    return {.title = title,
            .power_marks = {"OFF", "ON"},
            .mark_at = {{20, 82}, {49, 82}},
            .right_knob_label = "",
            .whole_detents = knob_detents(gauge, 8, token, nav_whole_codes()),
            .fraction_detents = knob_detents(gauge, 7, token, nav_channel_codes())};
}

ArtBitmap nav1_face{
    {.module = "tervalin",
     .id = 380,
     .width = 155,
     .height = 153,
     .depth = Depth::Palette8,
     .what = "Tervalin_NAV1 plate (VOR.ILS)",
     .draw = [](Canvas& c) { small_plate(c, nav_plate("Tervalin_NAV1", token::nav1_frequency, "VOR.ILS")); }}};
ArtBitmap nav_whole_knob{{.module = "tervalin",
                          .id = 390,
                          .width = 50,
                          .height = 50,
                          .depth = Depth::Palette8,
                          .what = "NAV left knob (MHz)",
                          .draw = [](Canvas& c) {
                              knob(c, {0.16, 0.16, 0.17}, 12);
                          }}};
ArtBitmap nav_fraction_knob{{.module = "tervalin",
                             .id = 400,
                             .width = 50,
                             .height = 50,
                             .depth = Depth::Palette8,
                             .what = "NAV right knob (kHz)",
                             .draw = [](Canvas& c) {
                                 knob(c, {0.20, 0.20, 0.21}, 12);
                             }}};
ArtBitmap nav_digit_strip{{.module = "tervalin",
                           .id = 410,
                           .width = 13,
                           .height = 275,
                           .depth = Depth::Palette8,
                           .what = "NAV digit drum 0-9,0 (25 px cells)",
                           .draw = [](Canvas& c) { strip(c, digits(0, 9, true), kCell); }}};
ArtBitmap nav_digit_window{{.module = "tervalin",
                            .id = 411,
                            .width = 13,
                            .height = 25,
                            .depth = Depth::Palette8,
                            .what = "NAV digit window",
                            .draw = window_mask}};
ArtBitmap nav_tens_strip{{.module = "tervalin",
                          .id = 420,
                          .width = 13,
                          .height = 50,
                          .depth = Depth::Palette8,
                          .what = "NAV tens drum 0-1",
                          .draw = [](Canvas& c) { strip(c, digits(0, 1, false), kCell); }}};
ArtBitmap nav_tens_window{{.module = "tervalin",
                           .id = 421,
                           .width = 13,
                           .height = 25,
                           .depth = Depth::Palette8,
                           .what = "NAV tens window",
                           .draw = window_mask}};
ArtBitmap nav_leading_one{{.module = "tervalin",
                           .id = 430,
                           .width = 13,
                           .height = 25,
                           .depth = Depth::Palette8,
                           .what = "NAV leading 1",
                           .draw = [](Canvas& c) { digit_cell(c, "1"); }}};
ArtBitmap nav_mark_off{{.module = "tervalin",
                        .id = 440,
                        .width = 54,
                        .height = 7,
                        .depth = Depth::Palette8,
                        .what = "NAV pointer mark at OFF",
                        .draw = [](Canvas& c) { pointer_mark(c, 35, 21); }}};
ArtBitmap nav_mark_on{{.module = "tervalin",
                       .id = 441,
                       .width = 54,
                       .height = 7,
                       .depth = Depth::Palette8,
                       .what = "NAV pointer mark at ON",
                       .draw = [](Canvas& c) { pointer_mark(c, 35, 48); }}};
ArtBitmap nav_lamp{{.module = "tervalin",
                    .id = 450,
                    .width = 13,
                    .height = 13,
                    .depth = Depth::Palette8,
                    .what = "NAV lamp, lit",
                    .draw = [](Canvas& c) { lamp(c, true); }}};
ArtBitmap nav2_face{
    {.module = "tervalin",
     .id = 460,
     .width = 155,
     .height = 153,
     .depth = Depth::Palette8,
     .what = "Tervalin_NAV2 plate (TACAN)",
     .draw = [](Canvas& c) { small_plate(c, nav_plate("Tervalin_NAV2", token::nav2_frequency, "TACAN")); }}};

}  // namespace
