// The host numbers more than one file uses: the variable tokens, key events
// and failure keys that a gauge reads or sends and that the host's event
// effects, the picture generator or a second gauge file also name. A number
// that only one gauge uses stays a named constant in that gauge's file.
//
// Every number is the simulator's own, in decimal.
#pragma once

#include "gauge.h"

namespace token {

inline constexpr VariableToken panel_lights = 10;
inline constexpr VariableToken strobe_lights = 11;
inline constexpr VariableToken landing_lights = 14;
inline constexpr VariableToken smoke_system = 15;
// ADF frequency, binary-coded decimal: H T U of the kilohertz (H in bits 8
// and up), and the thousands (0x100 set for 1) with the tenths in the low byte.
inline constexpr VariableToken adf_frequency = 16;
inline constexpr VariableToken adf_extended_frequency = 18;
// Active frequencies, binary-coded decimal 1 D3 D2 . D1 D0 MHz.
inline constexpr VariableToken com1_frequency = 23;
inline constexpr VariableToken nav1_frequency = 24;
inline constexpr VariableToken nav2_frequency = 27;
inline constexpr VariableToken transponder_code = 38;    // four binary-coded-decimal digits
inline constexpr VariableToken indicated_airspeed = 61;  // knots
inline constexpr VariableToken mach = 64;                // Mach x 20480
inline constexpr VariableToken indicated_altitude = 74;  // feet
inline constexpr VariableToken pressure_setting = 75;    // millibars
inline constexpr VariableToken pitch = 78;               // degrees, nose up
inline constexpr VariableToken bank = 80;                // degrees, left wing down negative
inline constexpr VariableToken beacon_lights = 368;
inline constexpr VariableToken time_of_day = 557;      // seconds
inline constexpr VariableToken simulation_time = 604;  // seconds
inline constexpr VariableToken reference_bars = 612;
inline constexpr VariableToken low_altitude_setting = 615;  // feet
inline constexpr VariableToken navigation_lights = 619;
// Engine 1's items; the other engines' follow at their strides.
inline constexpr VariableToken engine1_n1 = 624;                   // percent
inline constexpr VariableToken engine1_n2 = 625;                   // percent
inline constexpr VariableToken engine1_turbine_temperature = 631;  // degrees Rankine
inline constexpr VariableToken engine1_fuel_flow = 638;            // pounds per hour
inline constexpr VariableToken hydraulic1_pressure = 732;          // pounds per square foot
inline constexpr VariableToken hydraulic2_pressure = 734;          // pounds per square foot
inline constexpr VariableToken bus_voltage = 753;                  // volts
inline constexpr VariableToken nav_gps_selection = 848;            // 0 NAV, 1 GPS
inline constexpr VariableToken com2_frequency = 870;

}  // namespace token

namespace event {

inline constexpr KeyEvent toggle_smoke = 65559;
inline constexpr KeyEvent toggle_strobe_lights = 65560;
inline constexpr KeyEvent com1_whole_down = 65636;
inline constexpr KeyEvent com1_whole_up = 65637;
inline constexpr KeyEvent com1_fraction_down = 65638;
inline constexpr KeyEvent com1_fraction_up = 65639;
inline constexpr KeyEvent nav1_whole_down = 65640;
inline constexpr KeyEvent nav1_whole_up = 65641;
inline constexpr KeyEvent nav1_fraction_down = 65642;
inline constexpr KeyEvent nav1_fraction_up = 65643;
inline constexpr KeyEvent nav2_whole_down = 65644;
inline constexpr KeyEvent nav2_whole_up = 65645;
inline constexpr KeyEvent nav2_fraction_down = 65646;
inline constexpr KeyEvent nav2_fraction_up = 65647;
inline constexpr KeyEvent adf_hundreds_up = 65648;
inline constexpr KeyEvent adf_tens_up = 65649;
inline constexpr KeyEvent adf_units_up = 65650;
inline constexpr KeyEvent transponder_thousands_up = 65651;
inline constexpr KeyEvent transponder_hundreds_up = 65652;
inline constexpr KeyEvent transponder_tens_up = 65653;
inline constexpr KeyEvent transponder_units_up = 65654;
inline constexpr KeyEvent adf_hundreds_down = 65666;
inline constexpr KeyEvent adf_tens_down = 65667;
inline constexpr KeyEvent adf_units_down = 65668;
inline constexpr KeyEvent toggle_panel_lights = 65750;
inline constexpr KeyEvent toggle_landing_lights = 65751;
inline constexpr KeyEvent pressure_setting_up = 65883;
inline constexpr KeyEvent pressure_setting_down = 65884;
inline constexpr KeyEvent toggle_beacon_lights = 66239;
inline constexpr KeyEvent reference_bars_up = 66318;
inline constexpr KeyEvent reference_bars_down = 66319;
inline constexpr KeyEvent low_altitude_up = 66321;
inline constexpr KeyEvent low_altitude_down = 66322;
inline constexpr KeyEvent toggle_nav_gps = 66375;
inline constexpr KeyEvent toggle_navigation_lights = 66379;
inline constexpr KeyEvent com2_whole_down = 66436;
inline constexpr KeyEvent com2_whole_up = 66437;
inline constexpr KeyEvent com2_fraction_down = 66438;
inline constexpr KeyEvent com2_fraction_up = 66440;
inline constexpr KeyEvent adf_tenths_down = 66453;
inline constexpr KeyEvent adf_tenths_up = 66454;
inline constexpr KeyEvent transponder_thousands_down = 66455;
inline constexpr KeyEvent transponder_hundreds_down = 66456;
inline constexpr KeyEvent transponder_tens_down = 66457;
inline constexpr KeyEvent transponder_units_down = 66458;
// Panel windows, by the window identifier as the value.
inline constexpr KeyEvent panel_window_toggle = 66506;
inline constexpr KeyEvent panel_window_open = 66507;
inline constexpr KeyEvent panel_window_close = 66508;

}  // namespace event

namespace failure {

inline constexpr uint32_t listed_two = 2;  // bound by several dials, changes nothing
inline constexpr uint32_t pitot_static = 3;
inline constexpr uint32_t electrical = 20;  // no power
inline constexpr uint32_t avionics = 21;

}  // namespace failure
