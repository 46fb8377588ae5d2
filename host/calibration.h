// Needle directions: degrees clockwise from straight up (screen y grows
// downward), 0 <= angle < 360.
#pragma once

#include <cstdint>
#include <optional>

#include "gauge.h"

namespace gaugehost {

// The direction from the needle's position to a point.
double direction_to(int32_t from_x, int32_t from_y, int32_t to_x, int32_t to_y);

// The needle direction for a value through a calibration table: linear in
// the value between neighbouring entries, turning clockwise from the first
// entry's direction to the second's; beyond the ends the end segment's rate
// goes on. Without a usable table the value is taken as degrees. Null for
// a value that is not a number.
std::optional<double> needle_angle(int32_t x, int32_t y, const CalibrationPoint* table, uint32_t count, double value);

double normalize_degrees(double degrees);

}  // namespace gaugehost
