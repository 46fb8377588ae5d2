// "Skyra_HUD_R": the red head-up display. Its routine slots hand the root
// element to the host's element-list services, its gauge callback refreshes
// four values that the whole module shares, and its element chain draws the
// tapes, the pitch ladder, the markers and the readouts.
#include <cstdio>

#include "gauges.h"
#include "host.h"

namespace {

// Host variables the display reads, by role.
constexpr VariableToken kTokenAirspeed = 61;          // knots
constexpr VariableToken kTokenAltitude = 74;          // feet
constexpr VariableToken kTokenHeading = 81;           // degrees 0 ... 360
constexpr VariableToken kTokenPitch = 78;             // degrees
constexpr VariableToken kTokenBank = 80;              // degrees
constexpr VariableToken kTokenMach = 64;              // Mach x 20480
constexpr VariableToken kTokenGLoad = 351;            // g x 624
constexpr VariableToken kTokenRadarHeight = 614;      // metres
constexpr VariableToken kTokenLowAltitudeSet = 615;   // feet
constexpr VariableToken kTokenVerticalSpeed = 65;
constexpr VariableToken kTokenMarkerPitch = 793;      // degrees
constexpr VariableToken kTokenMarkerBank = 794;       // degrees
constexpr VariableToken kTokenVMarker = 849;
constexpr VariableToken kTokenSpeedCaret = 850;
constexpr VariableToken kTokenOptionalReadout = 860;  // -1 = no value
constexpr VariableToken kTokenReadout107 = 107;
constexpr VariableToken kTokenReadout109 = 109;
constexpr VariableToken kTokenReadout116 = 116;
constexpr VariableToken kTokenReadout118 = 118;
constexpr VariableToken kTokenReadout120 = 120;
constexpr VariableToken kTokenReadout138 = 138;

// Key events of the click areas.
constexpr KeyEvent kEventLowAltitudeUp = 66321;
constexpr KeyEvent kEventLowAltitudeDown = 66322;
constexpr KeyEvent kEventPairFirst = 65907;
constexpr KeyEvent kEventPairSecond = 65908;

// Every element of the display carries the same drawing bits.
constexpr uint32_t kHudImageFlags = kImageDraw1 | kImageDraw2 | kImageMoving;  // 0x83

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
constexpr double kRadarHeightBias = 6;        // feet taken off the radar height
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
ModuleVariable hud_low_altitude_setting = {.token = kTokenLowAltitudeSet};
ModuleVariable hud_bank = {.token = kTokenBank};
ModuleVariable hud_pitch = {.token = kTokenPitch};

namespace {

// ---------------------------------------------------------------------------
// Element-list routines: the host processes the element tree at each stage.

Element* root_element();

uint32_t hud_query() { return skyra_hud::host().element_list_query(root_element()); }
uint32_t hud_install(uint32_t argument) { return skyra_hud::host().element_list_install(root_element(), argument); }
uint32_t hud_initialize() { return skyra_hud::host().element_list_initialize(root_element()); }
uint32_t hud_update() { return skyra_hud::host().element_list_update(root_element()); }
uint32_t hud_generate(uint32_t argument) { return skyra_hud::host().element_list_generate(root_element(), argument); }
uint32_t hud_draw() { return skyra_hud::host().element_list_draw(root_element()); }
uint32_t hud_kill() { return skyra_hud::host().element_list_kill(root_element()); }

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
    skyra_hud::send_event(kEventLowAltitudeUp, 0);
    return 0;
}

int32_t hud_low_altitude_down(ClickRecord*, uint32_t) {
    skyra_hud::send_event(kEventLowAltitudeDown, 0);
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

double radar_height_feet() { return hud_radar_height.value * kFeetPerMetre - kRadarHeightBias; }

double hud_low_altitude_flag(Element*) { return radar_height_feet() < hud_low_altitude_setting.value ? 1 : 0; }

// Text callbacks: the value becomes a 32-bit float, the arithmetic runs on
// it and its result is a float again, which is formatted and returned.

float text_value(Element* element) { return float(element_as<StringElement>(element)->variables[0].value); }

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

double hud_airspeed_text(Element* element) { return write_text(element, kFormatThreeDigits, text_value(element)); }

double hud_altitude_text(Element* element) { return write_text(element, kFormatFiveDigits, text_value(element)); }

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

double hud_two_decimal_text(Element* element) { return write_text(element, kFormatTwoDecimals, text_value(element)); }

double hud_whole_text(Element* element) { return write_text(element, kFormatWhole, text_value(element)); }

// ---------------------------------------------------------------------------
// Element chain, root first; each row is the single child of the row above.

extern StaticImage background;
extern MovingImage airspeed_tape;
extern MovingImage altitude_tape;
extern Sprite pitch_ladder;
extern MovingImage heading_tape;
extern StringElement airspeed_readout;
extern StringElement altitude_readout;
extern StringElement heading_readout;
extern StringElement radar_altitude_readout;
extern StringElement mach_readout;
extern Icon low_altitude_alert;
extern StringElement low_altitude_readout;
extern Slider vertical_speed_caret;
extern Needle bank_pointer;
extern Slider v_marker;
extern Slider airspeed_caret;
extern Slider diamond_marker;
extern StringElement g_readout;
extern StringElement lower_right_readout;
extern StringElement top_readout_118;
extern StringElement top_readout_116;
extern StringElement top_readout_107;
extern StringElement top_readout_109;
extern StringElement top_readout_120;
extern StringElement readout_above_altitude;

Element* after_background[] = {&airspeed_tape.header, nullptr};
StaticImage background = {.header = {
    .kind = kKindStaticImage, .bitmap = 256, .x = 0, .y = 0,
    .gauge = &skyra_hud_r_gauge, .following = after_background, .image_flags = kHudImageFlags}};

Element* after_airspeed_tape[] = {&altitude_tape.header, nullptr};
MovingImage airspeed_tape = {
    .header = {.kind = kKindMovingImage, .bitmap = 4608, .x = 36, .y = 88,
               .gauge = &skyra_hud_r_gauge, .following = after_airspeed_tape, .image_flags = kHudImageFlags},
    .x_variable = {}, .x_min = 0, .x_max = 0,
    .y_variable = {.token = kTokenAirspeed}, .y_min = 900, .y_max = 0,
    .x_callback = hud_raw_x, .y_callback = hud_speed_tape};

Element* after_altitude_tape[] = {&pitch_ladder.header, nullptr};
MovingImage altitude_tape = {
    .header = {.kind = kKindMovingImage, .bitmap = 8704, .x = 328, .y = 88,
               .gauge = &skyra_hud_r_gauge, .following = after_altitude_tape, .image_flags = kHudImageFlags},
    .x_variable = {}, .x_min = 0, .x_max = 0,
    .y_variable = {.token = kTokenAltitude}, .y_min = 59170, .y_max = -500,
    .x_callback = hud_raw_x, .y_callback = hud_altitude_tape};

Element* after_pitch_ladder[] = {&heading_tape.header, nullptr};
Sprite pitch_ladder = {
    .header = {.kind = kKindSprite, .bitmap = 4864, .x = 0, .y = 0, .pivot_x = 195, .pivot_y = 136,
               .gauge = &skyra_hud_r_gauge, .following = after_pitch_ladder, .image_flags = kHudImageFlags},
    .x_variable = {}, .x_scale = 0,
    .y_variable = {.token = kTokenPitch}, .y_scale = 16,
    .rotation_variable = {.token = kTokenBank}, .rotation_scale = -1,
    .texture_scale_x = 1, .texture_scale_y = 1,
    .x_callback = hud_raw_x, .y_callback = hud_raw_y, .rotation_callback = hud_raw_rotation};

Element* after_heading_tape[] = {&airspeed_readout.header, nullptr};
MovingImage heading_tape = {
    .header = {.kind = kKindMovingImage, .bitmap = 5376, .x = 140, .y = 200,
               .gauge = &skyra_hud_r_gauge, .following = after_heading_tape, .image_flags = kHudImageFlags},
    .x_variable = {.token = kTokenHeading}, .x_min = 0, .x_max = 360,
    .y_variable = {}, .y_min = 0, .y_max = 0,
    .x_callback = hud_raw_x, .y_callback = hud_raw_y};

Element* after_airspeed_readout[] = {&altitude_readout.header, nullptr};
StringElement airspeed_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 22, .y = 133,
               .gauge = &skyra_hud_r_gauge, .following = after_airspeed_readout, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenAirspeed}},
    .box_width = kTextRight - 22, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_airspeed_text};

Element* after_altitude_readout[] = {&heading_readout.header, nullptr};
StringElement altitude_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 354, .y = 133,
               .gauge = &skyra_hud_r_gauge, .following = after_altitude_readout, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenAltitude}},
    .box_width = kTextRight - 354, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_altitude_text};

Element* after_heading_readout[] = {&radar_altitude_readout.header, nullptr};
StringElement heading_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 188, .y = 213,
               .gauge = &skyra_hud_r_gauge, .following = after_heading_readout, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenHeading}},
    .box_width = kTextRight - 188, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_heading_text};

Element* after_radar_altitude_readout[] = {&mach_readout.header, nullptr};
StringElement radar_altitude_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 312, .y = 202,
               .gauge = &skyra_hud_r_gauge, .following = after_radar_altitude_readout,
               .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenRadarHeight}},
    .box_width = kTextRight - 312, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_radar_altitude_text};

Element* after_mach_readout[] = {&low_altitude_alert.header, nullptr};
StringElement mach_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 30, .y = 202,
               .gauge = &skyra_hud_r_gauge, .following = after_mach_readout, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenMach}},
    .box_width = kTextRight - 30, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_mach_text};

// Two images (empty, then the R and its frame), chosen by the value itself
// under switch setting 3; the scale is 0.
Element* after_low_altitude_alert[] = {&low_altitude_readout.header, nullptr};
Icon low_altitude_alert = {
    .header = {.kind = kKindIcon, .bitmap = 5632, .x = 289, .y = 201,
               .gauge = &skyra_hud_r_gauge, .following = after_low_altitude_alert, .image_flags = kHudImageFlags},
    .variable = {}, .switch_setting = 3, .scale = 0, .image_count = 2,
    .callback = hud_low_altitude_flag};

Element* after_low_altitude_readout[] = {&vertical_speed_caret.header, nullptr};
StringElement low_altitude_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 308, .y = 226,
               .gauge = &skyra_hud_r_gauge, .following = after_low_altitude_readout,
               .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenLowAltitudeSet}},
    .box_width = kTextRight - 308, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_low_altitude_text};

Element* after_vertical_speed_caret[] = {&bank_pointer.header, nullptr};
Slider vertical_speed_caret = {
    .header = {.kind = kKindSlider, .bitmap = 5120, .x = 312, .y = 134,
               .gauge = &skyra_hud_r_gauge, .following = after_vertical_speed_caret,
               .image_flags = kHudImageFlags},
    .x_variable = {}, .x_scale = 0,
    .y_variable = {.token = kTokenVerticalSpeed}, .y_scale = -0.0137179487179487,
    .x_callback = hud_raw_x, .y_callback = hud_vs_caret};

CalibrationPoint bank_pointer_table[] = {
    {.x = 263, .y = 268, .value = -45},
    {.x = 196, .y = 301, .value = 0},
    {.x = 128, .y = 273, .value = 45},
};

Element* after_bank_pointer[] = {&v_marker.header, nullptr};
Needle bank_pointer = {
    .header = {.kind = kKindNeedle, .bitmap = 6144, .x = 198, .y = 221, .pivot_x = 13, .pivot_y = 7,
               .gauge = &skyra_hud_r_gauge, .following = after_bank_pointer, .image_flags = kHudImageFlags},
    .variable = {.token = kTokenBank},
    .table = bank_pointer_table, .table_count = sizeof bank_pointer_table / sizeof bank_pointer_table[0],
    .callback = hud_bank_pointer};

Element* after_v_marker[] = {&airspeed_caret.header, nullptr};
Slider v_marker = {
    .header = {.kind = kKindSlider, .bitmap = 6400, .x = 191, .y = 185,
               .gauge = &skyra_hud_r_gauge, .following = after_v_marker, .image_flags = kHudImageFlags},
    .x_variable = {.token = kTokenVMarker}, .x_scale = 57.5,
    .y_variable = {}, .y_scale = 0,
    .x_callback = hud_raw_x, .y_callback = hud_raw_y};

Element* after_airspeed_caret[] = {&diamond_marker.header, nullptr};
Slider airspeed_caret = {
    .header = {.kind = kKindSlider, .bitmap = 8192, .x = 70, .y = 134,
               .gauge = &skyra_hud_r_gauge, .following = after_airspeed_caret, .image_flags = kHudImageFlags},
    .x_variable = {}, .x_scale = 0,
    .y_variable = {.token = kTokenSpeedCaret}, .y_scale = 53,
    .x_callback = hud_raw_x, .y_callback = hud_raw_y};

Element* after_diamond_marker[] = {&g_readout.header, nullptr};
Slider diamond_marker = {
    .header = {.kind = kKindSlider, .bitmap = 8448, .x = 190, .y = 130,
               .gauge = &skyra_hud_r_gauge, .following = after_diamond_marker, .image_flags = kHudImageFlags},
    .x_variable = {.token = kTokenMarkerBank}, .x_scale = -3.73333333333333,
    .y_variable = {.token = kTokenMarkerPitch}, .y_scale = 5.4,
    .x_callback = hud_marker_x, .y_callback = hud_marker_y};

Element* after_g_readout[] = {&lower_right_readout.header, nullptr};
StringElement g_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 40, .y = 222,
               .gauge = &skyra_hud_r_gauge, .following = after_g_readout, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenGLoad}},
    .box_width = kTextRight - 40, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_g_text};

Element* after_lower_right_readout[] = {&top_readout_118.header, nullptr};
StringElement lower_right_readout = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 312, .y = 245,
               .gauge = &skyra_hud_r_gauge, .following = after_lower_right_readout, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenOptionalReadout}},
    .box_width = kTextRight - 312, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Glass Gauge", .font_weight = 400,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_optional_text};

Element* after_top_readout_118[] = {&top_readout_116.header, nullptr};
StringElement top_readout_118 = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 10, .y = 4,
               .gauge = &skyra_hud_r_gauge, .following = after_top_readout_118, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenReadout118}},
    .box_width = kTextRight - 10, .box_height = 22,
    .text_colour = kWhite, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Courier New", .font_weight = 100,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_two_decimal_text};

Element* after_top_readout_116[] = {&top_readout_107.header, nullptr};
StringElement top_readout_116 = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 57, .y = 3,
               .gauge = &skyra_hud_r_gauge, .following = after_top_readout_116, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenReadout116}},
    .box_width = kTextRight - 57, .box_height = 22,
    .text_colour = kWhite, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Courier New", .font_weight = 100,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_two_decimal_text};

Element* after_top_readout_107[] = {&top_readout_109.header, nullptr};
StringElement top_readout_107 = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 101, .y = 3,
               .gauge = &skyra_hud_r_gauge, .following = after_top_readout_107, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenReadout107}},
    .box_width = kTextRight - 101, .box_height = 22,
    .text_colour = kWhite, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Courier New", .font_weight = 100,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_two_decimal_text};

Element* after_top_readout_109[] = {&top_readout_120.header, nullptr};
StringElement top_readout_109 = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 149, .y = 5,
               .gauge = &skyra_hud_r_gauge, .following = after_top_readout_109, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenReadout109}},
    .box_width = kTextRight - 149, .box_height = 22,
    .text_colour = kWhite, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Courier New", .font_weight = 100,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_two_decimal_text};

Element* after_top_readout_120[] = {&readout_above_altitude.header, nullptr};
StringElement top_readout_120 = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 209, .y = 5,
               .gauge = &skyra_hud_r_gauge, .following = after_top_readout_120, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenReadout120}},
    .box_width = kTextRight - 209, .box_height = 22,
    .text_colour = kWhite, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Courier New", .font_weight = 100,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_two_decimal_text};

StringElement readout_above_altitude = {
    .header = {.kind = kKindString, .bitmap = kNoBitmap, .x = 348, .y = 112,
               .gauge = &skyra_hud_r_gauge, .following = nullptr, .image_flags = kHudImageFlags},
    .variables = {{.token = kTokenReadout138}},
    .box_width = kTextRight - 348, .box_height = 24,
    .text_colour = kRed, .background_colour = 0, .highlight_colour = 0,
    .font_name = "Quartz", .font_weight = 500,
    .char_set = kCharSet, .font_setting = kFontSetting, .text_flags = kTextFlags,
    .callback = hud_whole_text};

Element* hud_elements[] = {&background.header, nullptr};

Element* root_element() { return hud_elements[0]; }

// ---------------------------------------------------------------------------
// Mouse areas: the two halves of the low-altitude setting readout step it,
// the area under the g readout sends its pair of events.

MouseArea hud_mouse_areas[] = {
    {.kind = kMouseParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = kCursorNone, .help_id = 0},
    {.kind = kMouseChild, .x = 327, .y = 224, .width = 32, .height = 27, .cursor = kCursorUp, .help_id = 0,
     .click_flags = kClickLeft, .event = 0, .callback = hud_low_altitude_up},
    {.kind = kMouseChild, .x = 301, .y = 221, .width = 24, .height = 31, .cursor = kCursorDown, .help_id = 0,
     .click_flags = kClickLeft, .event = 0, .callback = hud_low_altitude_down},
    {.kind = kMouseChild, .x = 29, .y = 241, .width = 39, .height = 17, .cursor = kCursorPush, .help_id = 0,
     .click_flags = kClickLeft, .event = 0, .callback = hud_event_pair},
    {.kind = kMouseEndParent, .cursor = kCursorNone},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

}  // namespace

Gauge skyra_hud_r_gauge = {
    .version = kGaugeHeaderVersion,
    .name = "Skyra_HUD_R",
    .elements = hud_elements,
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
    .mouse_areas = hud_mouse_areas,
    .callback = hud_gauge_callback,
    .user_data = 0,
    .parameters = nullptr,
};
