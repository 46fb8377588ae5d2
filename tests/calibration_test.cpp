// Needle directions from calibration tables.
#include "calibration.h"

#include <gtest/gtest.h>

#include <cmath>

using gaugehost::needle_angle;

namespace {

double angle(const std::vector<CalibrationPoint>& table, int x, int y, double value) {
    auto a = needle_angle(x, y, table.data(), uint32_t(table.size()), value);
    EXPECT_TRUE(a.has_value());
    return a.value_or(-1);
}

// The accelerometer's table: stops at both ends, 0 at the printed 0.
const std::vector<CalibrationPoint> kAccelerometer = {
    {201, 201, -6240, 0}, {201, 201, -3120, 0}, {44, 167, 0, 0}, {223, 169, 6240, 0}, {223, 169, 12480, 0}};

// The airspeed table: dead-band pairs at both ends.
const std::vector<CalibrationPoint> kAirspeed = {
    {138, 20, -1, 0}, {138, 20, 0, 0}, {138, 250, 180, 0}, {106, 22, 345, 0}, {106, 22, 360, 0}};

}  // namespace

TEST(Calibration, AccelerometerTurns22Point5DegreesPer624Units) {
    const double zero = angle(kAccelerometer, 131, 131, 0);
    EXPECT_NEAR(zero, 247.5, 0.1);
    EXPECT_NEAR(angle(kAccelerometer, 131, 131, 624) - zero, 22.5, 0.05);
    EXPECT_NEAR(zero - angle(kAccelerometer, 131, 131, -624), 22.5, 0.05);
    EXPECT_NEAR(angle(kAccelerometer, 131, 131, 6240), 112.4, 0.1);
    // Stops: everything beyond the dead bands rests at the end points.
    EXPECT_NEAR(angle(kAccelerometer, 131, 131, 7000), angle(kAccelerometer, 131, 131, 6240), 1e-9);
    EXPECT_NEAR(angle(kAccelerometer, 131, 131, -4000), angle(kAccelerometer, 131, 131, -3120), 1e-9);
    EXPECT_NEAR(angle(kAccelerometer, 131, 131, -1e9), angle(kAccelerometer, 131, 131, -3120), 1e-9);
}

TEST(Calibration, TurbineTemperatureTurns222DegreesClockwise) {
    const std::vector<CalibrationPoint> table = {
        {27, 128, 491.67, 0}, {175, 129, 2291.67, 0}, {157, 157, 2471.67, 0}, {157, 157, 2651.67, 0}};
    const double first = angle(table, 100, 100, 491.67);
    const double second = angle(table, 100, 100, 2291.67);
    EXPECT_NEAR(gaugehost::normalize_degrees(second - first), 222.0, 0.5);
    // Half-way goes over the top, clockwise: near straight up.
    const double middle = angle(table, 100, 100, (491.67 + 2291.67) / 2);
    EXPECT_NEAR(gaugehost::normalize_degrees(middle - first), 111.0, 0.3);
    EXPECT_NEAR(angle(table, 100, 100, 2800), angle(table, 100, 100, 2471.67), 1e-9);
}

TEST(Calibration, DeadBandsAndStopsOfTheAirspeedTable) {
    EXPECT_NEAR(angle(kAirspeed, 138, 138, 0), 0.0, 1e-9);
    EXPECT_NEAR(angle(kAirspeed, 138, 138, -5), 0.0, 1e-9);
    EXPECT_NEAR(angle(kAirspeed, 138, 138, 90), 90.0, 1e-9);
    EXPECT_NEAR(angle(kAirspeed, 138, 138, 180), 180.0, 1e-9);
    EXPECT_NEAR(angle(kAirspeed, 138, 138, 345), 344.6, 0.05);
    EXPECT_NEAR(angle(kAirspeed, 138, 138, 500), angle(kAirspeed, 138, 138, 345), 1e-9);
}

TEST(Calibration, TwoEntryTableKeepsTurning) {
    // The altimeter needle: 0 up, 500 down, one turn per 1000.
    const std::vector<CalibrationPoint> table = {{150, 100, 0, 0}, {150, 200, 500, 0}};
    EXPECT_NEAR(angle(table, 150, 150, 250), 90.0, 1e-9);
    EXPECT_NEAR(angle(table, 150, 150, 1250), 90.0, 1e-9);
    EXPECT_NEAR(angle(table, 150, 150, -250), 270.0, 1e-9);
}

TEST(Calibration, OppositePointsJoinByAClockwiseHalfTurn) {
    const std::vector<CalibrationPoint> table = {{10, 0, 0, 0}, {10, 20, 100, 0}};
    EXPECT_NEAR(angle(table, 10, 10, 50), 90.0, 1e-9);  // through three o'clock
}

TEST(Calibration, DescendingTableTurnsAnticlockwiseAsTheValueGrows) {
    // The left hydraulic needle, pivot at the left edge.
    const std::vector<CalibrationPoint> table = {{116, 75, 730768.5, 0}, {117, 228, 0, 0}, {107, 236, -2087.91, 0}};
    const double zero = angle(table, 64, 150, 0);
    const double some = angle(table, 64, 150, 100000);
    const double top = angle(table, 64, 150, 730768.5);
    EXPECT_LT(some, zero);
    EXPECT_LT(top, some);
    // No stop: beyond the ends the end segments' rates go on.
    EXPECT_LT(angle(table, 64, 150, 800000), top);
    EXPECT_GT(angle(table, 64, 150, -5000), angle(table, 64, 150, -2087.91));
}

TEST(Calibration, NoTableTakesTheValueAsDegreesAndNanDrawsNothing) {
    EXPECT_NEAR(*needle_angle(0, 0, nullptr, 0, 450), 90.0, 1e-9);
    EXPECT_FALSE(needle_angle(0, 0, kAirspeed.data(), 5, std::nan("")).has_value());
    EXPECT_NEAR(*needle_angle(138, 138, kAirspeed.data(), 5, -INFINITY), 0.0, 1e-9);
}
