// The gauge definition the display module offers.
#pragma once

#include "gauge.h"

extern Gauge skyra_hud_r_gauge;
