#include "calibration.h"

#include <cmath>
#include <numbers>

namespace gaugehost {

double normalize_degrees(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    if (a >= 360.0) a -= 360.0;  // fmod of a tiny negative can round up to 360
    return a;
}

double direction_to(int32_t from_x, int32_t from_y, int32_t to_x, int32_t to_y) {
    const double dx = double(to_x) - from_x;
    const double dy = double(to_y) - from_y;
    return normalize_degrees(std::atan2(dx, -dy) * 180.0 / std::numbers::pi);
}

std::optional<double> needle_angle(int32_t x, int32_t y, const CalibrationPoint* table, uint32_t count, double value) {
    if (std::isnan(value)) return std::nullopt;
    if (!table || count < 2) {
        if (!std::isfinite(value)) return std::nullopt;
        return normalize_degrees(value);
    }
    // The segment holding the value; past either end, the end segment.
    uint32_t segment = count;
    for (uint32_t i = 0; i + 1 < count; ++i) {
        const double a = table[i].value, b = table[i + 1].value;
        if ((a <= value && value <= b) || (b <= value && value <= a)) {
            segment = i;
            break;
        }
    }
    if (segment == count) {
        const bool ascending = table[count - 1].value >= table[0].value;
        const bool before_first = ascending ? value < table[0].value : value > table[0].value;
        segment = before_first ? 0 : count - 2;
    }
    const CalibrationPoint& p = table[segment];
    const CalibrationPoint& q = table[segment + 1];
    const double start = direction_to(x, y, p.x, p.y);
    const double end = direction_to(x, y, q.x, q.y);
    double turn = end - start;  // clockwise, 0 ... 360
    if (turn < 0) turn += 360.0;
    if (p.x == q.x && p.y == q.y) turn = 0.0;  // a dead band
    if (q.value == p.value) return start;
    const double fraction = (value - p.value) / (q.value - p.value);
    if (!std::isfinite(fraction)) return turn == 0.0 ? std::optional<double>(start) : std::nullopt;
    return normalize_degrees(start + fraction * turn);
}

}  // namespace gaugehost
