// The NAV control heads: "Tervalin_NAV1" (VOR.ILS faceplate) and
// "Tervalin_NAV2" (TACAN faceplate). Their power flags are also what the
// navigation indicators, the ILS and TACAN switches and the audio panel read.
#include "core/gauges.h"
#include "host_numbers.h"
#include "radios/small_head.h"

namespace tervalin {
namespace {

constexpr uint32_t kFailNav1Receiver = 14;  // bound on both heads

constexpr SmallHeadLayout nav_layout = {
    .avionics_failure = failure::avionics,
    .receiver_failure = kFailNav1Receiver,
    .hundredths_strip = 410,  // the plain digit strip: D0 shows as itself
    .hundredths_at = {91, 38},
    .digit_strip = 410,  // 0 ... 9 and 0 again; window 411
    .tenths_at = {78, 38},
    .units_at = {65, 38},
    .tens_strip = 420,  // 0 and 1; window 421
    .tens_at = {52, 38},
    .tens_max = 1,
    .leading_one = 430,
    .leading_one_at = {39, 38},
    .fraction_knob = 400,
    .fraction_knob_at = {125, 116},
    .whole_knob = 390,
    .whole_knob_at = {35, 116},
    .knob_pivot = {25, 25},
    .pointer_mark = 440,  // image 0 at OFF, 1 at ON
    .pointer_mark_at = {0, 89},
    .lamp = 450,
    .lamp_at = {71, 128},
    .window_box = {39, 38, 65, 25},
    .whole_knob_box = {10, 91, 50, 50},
    .fraction_knob_box = {100, 91, 50, 50},
    .down_half = {0, 0, 25, 50},
    .up_half = {25, 0, 25, 50},
    .knob_clicks = kClickLeft,  // one step per click, no repeat while held
    .off_box = {10, 78, 20, 20},
    .on_box = {39, 78, 20, 20},
};

// Both heads turn their knobs through the same tables.
CalibrationPoint nav_fraction_table[] = {{.x = 35, .y = 91, .value = 0}, {.x = 35, .y = 141, .value = 50}};
CalibrationPoint nav_whole_table[] = {{.x = 35, .y = 91, .value = 108}, {.x = 35, .y = 141, .value = 112}};

constexpr double kNavUpperMhz = 117;
constexpr double kNavLowerMhz = 108;

// "Tervalin_NAV1"
SoundSet tervalin_nav1_sound;
constexpr RadioBinding tervalin_nav1_binding = {.head = &nav1_head,
                                                .sound = &tervalin_nav1_sound,
                                                .frequency = token::nav1_frequency,
                                                .decoder = nav_whole_mhz,
                                                .upper_mhz = kNavUpperMhz,
                                                .lower_mhz = kNavLowerMhz,
                                                .whole_up = event::nav1_whole_up,
                                                .whole_down = event::nav1_whole_down,
                                                .fraction_up = event::nav1_fraction_up,
                                                .fraction_down = event::nav1_fraction_down,
                                                .off_sends_event = true};
constexpr SmallHeadFace tervalin_nav1_face = {.gauge = &tervalin_nav1_gauge,
                                              .binding = &tervalin_nav1_binding,
                                              .face = 380,
                                              .fraction_table = nav_fraction_table,
                                              .whole_table = nav_whole_table,
                                              .gauge_help = 42752,
                                              .window_help = 42773,
                                              .knob_help = 42772};
using TervalinNav1 = SmallHead<nav_layout, tervalin_nav1_face>;

// "Tervalin_NAV2"
SoundSet tervalin_nav2_sound;
constexpr RadioBinding tervalin_nav2_binding = {.head = &nav2_head,
                                                .sound = &tervalin_nav2_sound,
                                                .frequency = token::nav2_frequency,
                                                .decoder = nav_whole_mhz,
                                                .upper_mhz = kNavUpperMhz,
                                                .lower_mhz = kNavLowerMhz,
                                                .whole_up = event::nav2_whole_up,
                                                .whole_down = event::nav2_whole_down,
                                                .fraction_up = event::nav2_fraction_up,
                                                .fraction_down = event::nav2_fraction_down,
                                                .off_sends_event = true};
constexpr SmallHeadFace tervalin_nav2_face = {.gauge = &tervalin_nav2_gauge,
                                              .binding = &tervalin_nav2_binding,
                                              .face = 460,
                                              .fraction_table = nav_fraction_table,
                                              .whole_table = nav_whole_table,
                                              .gauge_help = 42754,
                                              .window_help = 42775,
                                              .knob_help = 42774};
using TervalinNav2 = SmallHead<nav_layout, tervalin_nav2_face>;

}  // namespace
}  // namespace tervalin

Gauge tervalin_nav1_gauge = {.version = kGaugeHeaderVersion,
                             .name = "Tervalin_NAV1",
                             .elements = tervalin::TervalinNav1::chain.root(),
                             .width_mm = 100,
                             .mouse_areas = tervalin::TervalinNav1::mouse_areas,
                             .callback = tervalin::radio_gauge_callback<tervalin::tervalin_nav1_binding>};

Gauge tervalin_nav2_gauge = {.version = kGaugeHeaderVersion,
                             .name = "Tervalin_NAV2",
                             .elements = tervalin::TervalinNav2::chain.root(),
                             .width_mm = 100,
                             .mouse_areas = tervalin::TervalinNav2::mouse_areas,
                             .callback = tervalin::radio_gauge_callback<tervalin::tervalin_nav2_binding>};
