// Every gauge definition of the module, named for the gauge table.
#pragma once

#include "gauge.h"

// Gauges are declared here, and enabled in the table of module.cpp, as
// they are built; each is defined in its gauge's or its family's file as
// `Gauge <lower-case name>_gauge` ("10000ft_Light" is light_10000ft_gauge).

// Cockpit controls: switches with click sound.
extern Gauge beacon_lights_switch_gauge;
extern Gauge landing_lights_switch_gauge;
extern Gauge navigation_lights_switch_gauge;
extern Gauge panel_lights_switch_gauge;
extern Gauge strobe_lights_switch_gauge;
extern Gauge smoke_switch_gauge;
extern Gauge ils_switch_gauge;
extern Gauge tacan_switch_gauge;
extern Gauge nav_gps_switch_gauge;

// Engine and system instruments
extern Gauge engine_n1_gauge;
extern Gauge engine_n2_gauge;
extern Gauge turbine_temp_gauge;
extern Gauge fuel_flow_gauge;
extern Gauge hydraulic_pressure_gauge;
extern Gauge voltmeter_gauge;

// Radios: the COM, NAV, ADF and transponder control heads.
extern Gauge tervalin_nav1_gauge;
extern Gauge tervalin_nav2_gauge;
extern Gauge brinvale_com1_gauge;
extern Gauge tervalin_com2_gauge;
extern Gauge tervalin_com1_gauge;
extern Gauge tervalin_adf_gauge;
extern Gauge tervalin_xpdr_gauge;

// Flight instruments
extern Gauge airspeed_gauge;
extern Gauge altimeter_gauge;
extern Gauge adi_gauge;
extern Gauge standby_attitude_gauge;
