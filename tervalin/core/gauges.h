// Every gauge definition of the module, named for the gauge table.
#pragma once

#include "gauge.h"

// Gauges are added here, and to the table in module.cpp, as they are built.
