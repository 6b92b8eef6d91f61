#pragma once

// An angle in radians and in degrees, (radians * 180) / pi with pi taken as atan2(0, -1).
struct Angle {
  double radians, degrees;
};

// (radians * 180) / atan2(0, -1), in this order.
double Degrees(double radians);

// The angle atan2(y * 2^y_exponent, x) of the point (x, y * 2^y_exponent); y_exponent lets a
// y beyond the range of doubles be given. An angle too small for a normal double is taken of
// y scaled up and then scaled back, so that its radians and degrees are rounded once where
// they come out subnormal.
Angle AngleOfPoint(double y, double x, int y_exponent = 0);
