// The module's entry records: ImportTable, through which the host hands us
// its services, and Linkage, which publishes the gauge table.
#include "core/gauges.h"
#include "core/host.h"

namespace {

void module_init() {}
void module_deinit() {}

// The gauge table, in its final order of 71; a gauge's line is enabled
// once the gauge is built (and declared in gauges.h).
constinit Gauge* const gauge_table[] = {
    // &map_toggle_gauge,  // 0 "Map_Toggle"
    // &kneeboard_toggle_gauge,  // 1 "Kneeboard_Toggle"
    // &atc_toggle_gauge,  // 2 "ATC_Toggle"
    // &invisible_toggle_gauge,  // 3 "Invisible_Toggle"
    // &radios_toggle_gauge,  // 4 "Radios_Toggle"
    // &gps_toggle_gauge,  // 5 "GPS_Toggle"
    // &throttle_toggle_gauge,  // 6 "Throttle_Toggle"
    // &compass_toggle_gauge,  // 7 "Compass_Toggle"
    // &close_subpanel_gauge,  // 8 "Close_Subpanel"
    // &landing_view_toggle_gauge,  // 9 "Landing_View_Toggle"
    // &electricity_toggle_gauge,  // 10 "Electricity_Toggle"
    // &hud_toggle_gauge,  // 11 "HUD_Toggle"
    // &adf_toggle_gauge,  // 12 "ADF_Toggle"
    &panel_lights_switch_gauge,       // 13 "Panel_Lights_Switch"
    &landing_lights_switch_gauge,     // 14 "Landing_Lights_Switch"
    &navigation_lights_switch_gauge,  // 15 "Navigation_Lights_Switch"
    &strobe_lights_switch_gauge,      // 16 "Strobe_Lights_Switch"
    &beacon_lights_switch_gauge,      // 17 "Beacon_Lights_Switch"
    &tervalin_nav1_gauge,             // 18 "Tervalin_NAV1"
    &tervalin_nav2_gauge,             // 19 "Tervalin_NAV2"
    &tervalin_adf_gauge,              // 20 "Tervalin_ADF"
    &brinvale_com1_gauge,             // 21 "Brinvale_COM1"
    &tervalin_com2_gauge,             // 22 "Tervalin_COM2"
    &tervalin_xpdr_gauge,             // 23 "Tervalin_XPDR"
    &standby_attitude_gauge,          // 24 "Standby_Attitude"
    &altimeter_gauge,                 // 25 "Altimeter"
    &engine_n1_gauge,                 // 26 "Engine_N1"
    // &homing_indicator_gauge,  // 27 "Homing_Indicator"
    &airspeed_gauge,            // 28 "Airspeed"
    &fuel_flow_gauge,           // 29 "Fuel_Flow"
    &turbine_temp_gauge,        // 30 "Turbine_Temp"
    &adi_gauge,                 // 31 "ADI"
    &hydraulic_pressure_gauge,  // 32 "Hydraulic_Pressure"
    // &fuel_quantity_gauge,  // 33 "Fuel_Quantity"
    // &breguet_timer_gauge,  // 34 "Breguet_Timer"
    // &vertical_speed_gauge,  // 35 "Vertical_Speed"
    // &tank_warning_light_left_main_gauge,  // 36 "Tank_Warning_Light_Left_Main"
    // &tank_warning_light_right_main_gauge,  // 37 "Tank_Warning_Light_Right_Main"
    // &tank_warning_light_left_tip_gauge,  // 38 "Tank_Warning_Light_Left_Tip"
    // &tank_warning_light_right_tip_gauge,  // 39 "Tank_Warning_Light_Right_Tip"
    // &tank_warning_light_center_gauge,  // 40 "Tank_Warning_Light_Center"
    &smoke_switch_gauge,  // 41 "Smoke_Switch"
    // &smoke_light_green_gauge,  // 42 "Smoke_Light_Green"
    // &smoke_light_red_gauge,  // 43 "Smoke_Light_Red"
    // &smoke_light_white_gauge,  // 44 "Smoke_Light_White"
    // &accelerometer_gauge,  // 45 "Accelerometer"
    // &gear_flaps_annunciator_gauge,  // 46 "Gear_Flaps_Annunciator"
    // &whiskey_compass_gauge,  // 47 "Whiskey_Compass"
    // &vor1_gauge,  // 48 "VOR1"
    &tervalin_com1_gauge,  // 49 "Tervalin_COM1"
    // &gear_lever_gauge,  // 50 "Gear_Lever"
    // &throttle_levers_gauge,  // 51 "Throttle_Levers"
    // &adf_indicator_gauge,  // 52 "ADF_Indicator"
    // &flaps_lever_gauge,  // 53 "Flaps_Lever"
    // &parking_brake_gauge,  // 54 "Parking_Brake"
    // &audiopanel_gauge,  // 55 "Audiopanel"
    // &elec_annunciator_gauge,  // 56 "Elec_Annunciator"
    // &fire_light_gauge,  // 57 "Fire_Light"
    // &yellow_failure_light_gauge,  // 58 "Yellow_Failure_Light"
    // &red_failure_light_gauge,  // 59 "Red_Failure_Light"
    &ils_switch_gauge,    // 60 "ILS_Switch"
    &tacan_switch_gauge,  // 61 "TACAN_Switch"
    // &discharge_valve_light_gauge,  // 62 "Discharge_Valve_Light"
    &nav_gps_switch_gauge,  // 63 "NAV_GPS_Switch"
    // &starter_board_gauge,  // 64 "Starter_Board"
    // &light_10000ft_light_gauge,  // 65 "10000ft_Light"
    // &shut_down_engines_gauge,  // 66 "Shut_Down_Engines"
    // &pitch_trim_gauge,  // 67 "Pitch_Trim"
    &engine_n2_gauge,  // 68 "Engine_N2"
    // &angle_of_attack_gauge,  // 69 "Angle_Of_Attack"
    &voltmeter_gauge,  // 70 "Voltmeter"
    nullptr,
};

}  // namespace

extern "C" {

__attribute__((visibility("default"))) constinit ImportTableRecord ImportTable = {{
    {.id = kImportPanelServices, .pointer = nullptr},
    {.id = 0, .pointer = nullptr},
}};

__attribute__((visibility("default"))) constinit Linkage Linkage = {
    .module_id = kLinkageModuleId,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .priority = 0,
    .version = kLinkageVersion,
    .gauge_table = gauge_table,
};

}  // extern "C"

static_assert(sizeof gauge_table / sizeof gauge_table[0] >= 1, "the table ends with a null reference");
