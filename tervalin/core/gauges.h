// Every gauge definition of the module, named for the gauge table.
#pragma once

#include "gauge.h"

// Gauges are declared here, and enabled in the table of module.cpp, as
// they are built; each is defined in its own gauge file as
// `Gauge <lower-case name>_gauge` ("10000ft_Light" is light_10000ft_gauge).
