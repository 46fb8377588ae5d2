// "Skyra_HUD_R": the red head-up display. Its routine slots hand the root
// element to the host's element-list services, its gauge callback refreshes
// four values that the whole module shares, and its element chain draws the
// tapes, the pitch ladder, the markers and the readouts.
#include <cstdio>

#include "gauges.h"
#include "host.h"
#include "host_numbers.h"
#include "records.h"

namespace {

// Host variables only the display reads, by role, in table order.
constexpr VariableToken kTokenHeading = 81;       // degrees 0 ... 360
constexpr VariableToken kTokenRadarHeight = 614;  // metres
constexpr VariableToken kTokenVerticalSpeed = 65;
constexpr VariableToken kTokenVMarker = 849;
constexpr VariableToken kTokenSpeedCaret = 850;
constexpr VariableToken kTokenMarkerBank = 794;       // degrees
constexpr VariableToken kTokenMarkerPitch = 793;      // degrees
constexpr VariableToken kTokenGLoad = 351;            // g x 624
constexpr VariableToken kTokenOptionalReadout = 860;  // -1 = no value
constexpr VariableToken kTokenReadout118 = 118;
constexpr VariableToken kTokenReadout116 = 116;
constexpr VariableToken kTokenReadout107 = 107;
constexpr VariableToken kTokenReadout109 = 109;
constexpr VariableToken kTokenReadout120 = 120;
constexpr VariableToken kTokenReadout138 = 138;

// Key events only the display sends, from its click areas.
constexpr KeyEvent kEventPairFirst = 65907;
constexpr KeyEvent kEventPairSecond = 65908;

// The display shows no tooltip.
constexpr uint32_t kHelpNone = 0;

// Every element of the display carries the same drawing bits.
constexpr uint32_t kHudImageFlags = kDrawMoving;

// Colours are Windows colour values: red in the low byte.
constexpr uint32_t kRed = 255;
constexpr uint32_t kWhite = 16777215;

// Settings every text element shares after its font weight.
constexpr uint32_t kCharSet = 1;
constexpr uint32_t kFontSetting = 0;
constexpr uint32_t kTextFlags = 16960;  // 0x4240

// Text boxes all end at this x.
constexpr int32_t kTextRight = 402;

constexpr double kFeetPerMetre = 3.281;
constexpr double kRadarHeightBias = 6;         // feet taken off the radar height
constexpr double kRadarReadoutCeiling = 3000;  // feet; above it the readouts hide
constexpr double kMachUnits = 20480;
constexpr double kGUnits = 624;

constexpr double kSpeedTapeTop = 900;
constexpr double kAltitudeTapeTop = 59170;
constexpr double kCaretLimit = 4000;
constexpr double kBankPointerLimit = 60;
constexpr double kMarkerLimit = 20;

}  // namespace

// ---------------------------------------------------------------------------
// Shared host values: one set for the whole module, refreshed once a frame
// by the gauge callback, so every instance reads the same four.

ModuleVariable hud_radar_height = {.token = kTokenRadarHeight};
ModuleVariable hud_low_altitude_setting = {.token = token::low_altitude_setting};
ModuleVariable hud_bank = {.token = token::bank};
ModuleVariable hud_pitch = {.token = token::pitch};

namespace {

// ---------------------------------------------------------------------------
// Element-list routines: the host processes the element tree at each stage.

Element* root_element();

uint32_t hud_query() {
    return skyra_hud::host().element_list_query(root_element());
}
uint32_t hud_install(uint32_t argument) {
    return skyra_hud::host().element_list_install(root_element(), argument);
}
uint32_t hud_initialize() {
    return skyra_hud::host().element_list_initialize(root_element());
}
uint32_t hud_update() {
    return skyra_hud::host().element_list_update(root_element());
}
uint32_t hud_generate(uint32_t argument) {
    return skyra_hud::host().element_list_generate(root_element(), argument);
}
uint32_t hud_draw() {
    return skyra_hud::host().element_list_draw(root_element());
}
uint32_t hud_kill() {
    return skyra_hud::host().element_list_kill(root_element());
}

void hud_gauge_callback(Gauge*, int32_t service, uintptr_t) {
    if (service != kServicePreUpdate) return;
    const HostServices& host = skyra_hud::host();
    host.lookup_var(&hud_radar_height);
    host.lookup_var(&hud_low_altitude_setting);
    host.lookup_var(&hud_bank);
    host.lookup_var(&hud_pitch);
}

// ---------------------------------------------------------------------------
// Mouse callbacks

int32_t hud_low_altitude_up(ClickRecord*, uint32_t) {
    skyra_hud::send_event(event::low_altitude_up, 0);
    return 0;
}

int32_t hud_low_altitude_down(ClickRecord*, uint32_t) {
    skyra_hud::send_event(event::low_altitude_down, 0);
    return 0;
}

int32_t hud_event_pair(ClickRecord*, uint32_t) {
    skyra_hud::send_event(kEventPairFirst, 0);
    skyra_hud::send_event(kEventPairSecond, 0);
    return 0;
}

// ---------------------------------------------------------------------------
// Value callbacks

double limited(double value, double low, double high) {
    if (value > high) return high;
    if (value < low) return low;
    return value;
}

double hud_raw_x(Element* element) {
    switch (element->kind) {
        case kKindSlider: return element_as<Slider>(element)->x_variable.value;
        case kKindMovingImage: return element_as<MovingImage>(element)->x_variable.value;
        case kKindSprite: return element_as<Sprite>(element)->x_variable.value;
        default: return 0;
    }
}

double hud_raw_y(Element* element) {
    switch (element->kind) {
        case kKindSlider: return element_as<Slider>(element)->y_variable.value;
        case kKindMovingImage: return element_as<MovingImage>(element)->y_variable.value;
        case kKindSprite: return element_as<Sprite>(element)->y_variable.value;
        default: return 0;
    }
}

double hud_raw_rotation(Element* element) {
    return element->kind == kKindSprite ? element_as<Sprite>(element)->rotation_variable.value : 0;
}

double hud_speed_tape(Element* element) {
    const double y = element_as<MovingImage>(element)->y_variable.value;
    return y > kSpeedTapeTop ? kSpeedTapeTop : y;
}

double hud_altitude_tape(Element* element) {
    const double y = element_as<MovingImage>(element)->y_variable.value;
    return y > kAltitudeTapeTop ? kAltitudeTapeTop : y;
}

double hud_vs_caret(Element* element) {
    return limited(element_as<Slider>(element)->y_variable.value, -kCaretLimit, kCaretLimit);
}

double hud_bank_pointer(Element* element) {
    return limited(element_as<Needle>(element)->variable.value, -kBankPointerLimit, kBankPointerLimit);
}

double hud_marker_x(Element* element) {
    return limited(element_as<Slider>(element)->x_variable.value - hud_bank.value, -kMarkerLimit, kMarkerLimit);
}

double hud_marker_y(Element* element) {
    return limited(element_as<Slider>(element)->y_variable.value - hud_pitch.value, -kMarkerLimit, kMarkerLimit);
}

double radar_height_feet() {
    return hud_radar_height.value * kFeetPerMetre - kRadarHeightBias;
}

double hud_low_altitude_flag(Element*) {
    return radar_height_feet() < hud_low_altitude_setting.value ? 1 : 0;
}

// Text callbacks: the value becomes a 32-bit float, the arithmetic runs on
// it and its result is a float again, which is formatted and returned.

float text_value(Element* element) {
    return float(element_as<StringElement>(element)->variables[0].value);
}

void set_hidden(Element* element, bool hidden) {
    if (hidden)
        element->image_flags |= kImageHidden;
    else
        element->image_flags &= ~kImageHidden;
}

// Formats into the host's buffer within its size, so that no value (a huge
// altitude, infinity) can write past it.
double write_text(Element* element, const char* format, float value) {
    StringElement* e = element_as<StringElement>(element);
    if (e->text && e->text_capacity > 0) std::snprintf(e->text, e->text_capacity, format, double(value));
    return value;
}

constexpr const char* kFormatThreeDigits = "%0003.0f";
constexpr const char* kFormatFourDigits = "%00004.0f";
constexpr const char* kFormatFiveDigits = "%000005.0f";
constexpr const char* kFormatMach = "M%.2f";
constexpr const char* kFormatLowAltitude = "AL%.0f";
constexpr const char* kFormatOneDecimal = "%.1f";
constexpr const char* kFormatTwoDecimals = "%.2f";
constexpr const char* kFormatWhole = "%.0f";

double hud_airspeed_text(Element* element) {
    return write_text(element, kFormatThreeDigits, text_value(element));
}

double hud_altitude_text(Element* element) {
    return write_text(element, kFormatFiveDigits, text_value(element));
}

double hud_heading_text(Element* element) {
    float v = text_value(element);
    if (v < 1) v = 360;  // north reads 360, never 000
    return write_text(element, kFormatThreeDigits, v);
}

double hud_radar_altitude_text(Element* element) {
    float h = float(text_value(element) * kFeetPerMetre - kRadarHeightBias);
    if (h < 0) h = 0;
    set_hidden(element, h > kRadarReadoutCeiling);
    return write_text(element, kFormatFourDigits, h);
}

double hud_mach_text(Element* element) {
    const float mach = float(text_value(element) * (1 / kMachUnits));
    return write_text(element, kFormatMach, mach);
}

double hud_low_altitude_text(Element* element) {
    const float v = text_value(element);
    set_hidden(element, radar_height_feet() > kRadarReadoutCeiling);
    return write_text(element, kFormatLowAltitude, v);
}

double hud_g_text(Element* element) {
    const float g = float(text_value(element) * (1 / kGUnits));
    return write_text(element, kFormatOneDecimal, g);
}

double hud_optional_text(Element* element) {
    const float v = text_value(element);
    set_hidden(element, v == -1);
    return write_text(element, kFormatOneDecimal, v);
}

double hud_two_decimal_text(Element* element) {
    return write_text(element, kFormatTwoDecimals, text_value(element));
}

double hud_whole_text(Element* element) {
    return write_text(element, kFormatWhole, text_value(element));
}

// ---------------------------------------------------------------------------
// Element chain

CalibrationPoint bank_pointer_table[] = {
    {.x = 263, .y = 268, .value = -45},
    {.x = 196, .y = 301, .value = 0},
    {.x = 128, .y = 273, .value = 45},
};

// The chain, root first: background, airspeed tape, altitude tape, pitch
// ladder, heading tape, airspeed, altitude, heading, radar altitude and Mach
// readouts, low-altitude alert, low-altitude readout, vertical speed caret,
// bank pointer, V marker, airspeed caret, diamond marker, g readout, lower
// right readout, top readouts 118, 116, 107, 109 and 120, readout above the
// altitude.
constinit kit::Chain chain{
    &skyra_hud_r_gauge,
    StaticImage{.header = {.bitmap = 256, .x = 0, .y = 0, .image_flags = kHudImageFlags}},

    MovingImage{.header = {.bitmap = 4608, .x = 36, .y = 88, .image_flags = kHudImageFlags},
                .x_variable = {},
                .x_min = 0,
                .x_max = 0,
                .y_variable = {.token = token::indicated_airspeed},
                .y_min = 900,
                .y_max = 0,
                .x_callback = hud_raw_x,
                .y_callback = hud_speed_tape},

    MovingImage{.header = {.bitmap = 8704, .x = 328, .y = 88, .image_flags = kHudImageFlags},
                .x_variable = {},
                .x_min = 0,
                .x_max = 0,
                .y_variable = {.token = token::indicated_altitude},
                .y_min = 59170,
                .y_max = -500,
                .x_callback = hud_raw_x,
                .y_callback = hud_altitude_tape},

    Sprite{.header = {.bitmap = 4864, .x = 0, .y = 0, .pivot_x = 195, .pivot_y = 136, .image_flags = kHudImageFlags},
           .x_variable = {},
           .x_scale = 0,
           .y_variable = {.token = token::pitch},
           .y_scale = 16,
           .rotation_variable = {.token = token::bank},
           .rotation_scale = -1,
           .texture_scale_x = 1,
           .texture_scale_y = 1,
           .x_callback = hud_raw_x,
           .y_callback = hud_raw_y,
           .rotation_callback = hud_raw_rotation},

    MovingImage{.header = {.bitmap = 5376, .x = 140, .y = 200, .image_flags = kHudImageFlags},
                .x_variable = {.token = kTokenHeading},
                .x_min = 0,
                .x_max = 360,
                .y_variable = {},
                .y_min = 0,
                .y_max = 0,
                .x_callback = hud_raw_x,
                .y_callback = hud_raw_y},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 22, .y = 133, .image_flags = kHudImageFlags},
                  .variables = {{.token = token::indicated_airspeed}},
                  .box_width = kTextRight - 22,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_airspeed_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 354, .y = 133, .image_flags = kHudImageFlags},
                  .variables = {{.token = token::indicated_altitude}},
                  .box_width = kTextRight - 354,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_altitude_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 188, .y = 213, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenHeading}},
                  .box_width = kTextRight - 188,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_heading_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 312, .y = 202, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenRadarHeight}},
                  .box_width = kTextRight - 312,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_radar_altitude_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 30, .y = 202, .image_flags = kHudImageFlags},
                  .variables = {{.token = token::mach}},
                  .box_width = kTextRight - 30,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_mach_text},

    // Two images (empty, then the R and its frame), chosen by the value itself
    // under switch setting 3; the scale is 0.
    Icon{.header = {.bitmap = 5632, .x = 289, .y = 201, .image_flags = kHudImageFlags},
         .variable = {},
         .switch_setting = 3,
         .scale = 0,
         .image_count = 2,
         .callback = hud_low_altitude_flag},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 308, .y = 226, .image_flags = kHudImageFlags},
                  .variables = {{.token = token::low_altitude_setting}},
                  .box_width = kTextRight - 308,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_low_altitude_text},

    Slider{.header = {.bitmap = 5120, .x = 312, .y = 134, .image_flags = kHudImageFlags},
           .x_variable = {},
           .x_scale = 0,
           .y_variable = {.token = kTokenVerticalSpeed},
           .y_scale = -0.0137179487179487,
           .x_callback = hud_raw_x,
           .y_callback = hud_vs_caret},

    Needle{.header = {.bitmap = 6144, .x = 198, .y = 221, .pivot_x = 13, .pivot_y = 7, .image_flags = kHudImageFlags},
           .variable = {.token = token::bank},
           .table = bank_pointer_table,
           .table_count = kit::count(bank_pointer_table),
           .callback = hud_bank_pointer},

    Slider{.header = {.bitmap = 6400, .x = 191, .y = 185, .image_flags = kHudImageFlags},
           .x_variable = {.token = kTokenVMarker},
           .x_scale = 57.5,
           .y_variable = {},
           .y_scale = 0,
           .x_callback = hud_raw_x,
           .y_callback = hud_raw_y},

    Slider{.header = {.bitmap = 8192, .x = 70, .y = 134, .image_flags = kHudImageFlags},
           .x_variable = {},
           .x_scale = 0,
           .y_variable = {.token = kTokenSpeedCaret},
           .y_scale = 53,
           .x_callback = hud_raw_x,
           .y_callback = hud_raw_y},

    Slider{.header = {.bitmap = 8448, .x = 190, .y = 130, .image_flags = kHudImageFlags},
           .x_variable = {.token = kTokenMarkerBank},
           .x_scale = -3.73333333333333,
           .y_variable = {.token = kTokenMarkerPitch},
           .y_scale = 5.4,
           .x_callback = hud_marker_x,
           .y_callback = hud_marker_y},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 40, .y = 222, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenGLoad}},
                  .box_width = kTextRight - 40,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_g_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 312, .y = 245, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenOptionalReadout}},
                  .box_width = kTextRight - 312,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Glass Gauge",
                  .font_weight = 400,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_optional_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 10, .y = 4, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenReadout118}},
                  .box_width = kTextRight - 10,
                  .box_height = 22,
                  .text_colour = kWhite,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Courier New",
                  .font_weight = 100,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_two_decimal_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 57, .y = 3, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenReadout116}},
                  .box_width = kTextRight - 57,
                  .box_height = 22,
                  .text_colour = kWhite,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Courier New",
                  .font_weight = 100,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_two_decimal_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 101, .y = 3, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenReadout107}},
                  .box_width = kTextRight - 101,
                  .box_height = 22,
                  .text_colour = kWhite,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Courier New",
                  .font_weight = 100,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_two_decimal_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 149, .y = 5, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenReadout109}},
                  .box_width = kTextRight - 149,
                  .box_height = 22,
                  .text_colour = kWhite,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Courier New",
                  .font_weight = 100,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_two_decimal_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 209, .y = 5, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenReadout120}},
                  .box_width = kTextRight - 209,
                  .box_height = 22,
                  .text_colour = kWhite,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Courier New",
                  .font_weight = 100,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_two_decimal_text},

    StringElement{.header = {.bitmap = kNoBitmap, .x = 348, .y = 112, .image_flags = kHudImageFlags},
                  .variables = {{.token = kTokenReadout138}},
                  .box_width = kTextRight - 348,
                  .box_height = 24,
                  .text_colour = kRed,
                  .background_colour = 0,
                  .highlight_colour = 0,
                  .font_name = "Quartz",
                  .font_weight = 500,
                  .char_set = kCharSet,
                  .font_setting = kFontSetting,
                  .text_flags = kTextFlags,
                  .callback = hud_whole_text},
};

Element* root_element() {
    return chain.root()[0];
}

// ---------------------------------------------------------------------------
// Mouse areas: the two halves of the low-altitude setting readout step it,
// the area under the g readout sends its pair of events.

constinit auto hud_mouse_areas =
    kit::one_group(kHelpNone, kit::child({327, 224, 32, 27}, kCursorUp, kClickLeft, hud_low_altitude_up),
                   kit::child({301, 221, 24, 31}, kCursorDown, kClickLeft, hud_low_altitude_down),
                   kit::child({29, 241, 39, 17}, kCursorPush, kClickLeft, hud_event_pair));

}  // namespace

Gauge skyra_hud_r_gauge = {
    .version = kGaugeHeaderVersion,
    .name = "Skyra_HUD_R",
    .elements = chain.root(),
    .query = hud_query,
    .install = hud_install,
    .initialize = hud_initialize,
    .update = hud_update,
    .generate = hud_generate,
    .draw = hud_draw,
    .kill = hud_kill,
    .reserved = 0,
    .width_mm = 100,
    .height = 0,
    .mouse_areas = hud_mouse_areas.areas,
    .callback = hud_gauge_callback,
    .user_data = 0,
    .parameters = nullptr,
};
