#include "common/angle.h"

#include <cfloat>
#include <cmath>

namespace {

// 2^128 brings any angle below the smallest normal double far above it.
constexpr int kTinyAngleScale = 128;

}  // namespace

double Degrees(double radians) {
  return (radians * 180) / std::atan2(0, -1);
}

Angle AngleOfPoint(double y, double x, int y_exponent) {
  const double radians = std::atan2(std::ldexp(y, y_exponent), x);
  if (std::fabs(radians) >= DBL_MIN || y == 0 || !(x > 0))
    return {radians, Degrees(radians)};
  const double scaled = std::atan2(std::ldexp(y, y_exponent + kTinyAngleScale), x);
  return {std::ldexp(scaled, -kTinyAngleScale), std::ldexp(Degrees(scaled), -kTinyAngleScale)};
}
