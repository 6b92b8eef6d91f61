#include "common/angle.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "tests/support/true_real.h"

namespace {

// Angles too small for a normal double, whose radians and degrees come out subnormal, and
// ordinary ones: both show the true angle's five digits.
TEST(AngleOfPoint, TinyAnglesKeepTheirDigitsInRadiansAndDegrees) {
  std::mt19937_64 random(4);
  std::uniform_real_distribution<double> mantissa(0.5, 1.0);
  std::uniform_int_distribution<int> y_power(-1050, -1000), x_power(-20, 20);
  int subnormal = 0;
  for (int round = 0; round < 2000; ++round) {
    const double y = std::ldexp(mantissa(random), y_power(random)) * (round % 2 ? 1 : -1);
    const double x = std::ldexp(mantissa(random), x_power(random));
    const TrueReal radians = Atan2(TrueReal(y), x);
    const Angle angle = AngleOfPoint(y, x);
    subnormal += std::fabs(angle.radians) < DBL_MIN;
    EXPECT_TRUE(PrintsTrueDigits(angle.radians, radians)) << std::hexfloat << y << " " << x;
    EXPECT_TRUE(PrintsTrueDigits(angle.degrees, radians * 180 / TrueReal::Pi()))
        << std::hexfloat << y << " " << x;
  }
  EXPECT_GT(subnormal, 1000);
}

// y * 2^y_exponent may lie beyond the range of doubles either way.
TEST(AngleOfPoint, TheExponentOfYMayLeaveTheRangeOfDoubles) {
  const struct {
    double y, x;
    int y_exponent;
    double radians, degrees;
  } cases[] = {
      {0.5, 0.5, 0, M_PI / 4, 45},     {0.5, 0.5, 3000, M_PI / 2, 90},
      {0.5, -0.5, 3000, M_PI / 2, 90}, {0.5, 0.5, -3000, 0, 0},
      {0.5, -0.5, -3000, M_PI, 180},   {-0.5, 0.5, -1060, -0x1p-1060, -0x1p-1060 * 180 / M_PI},
  };
  for (const auto& c : cases) {
    const Angle angle = AngleOfPoint(c.y, c.x, c.y_exponent);
    EXPECT_DOUBLE_EQ(angle.radians, c.radians) << c.y << " " << c.x << " " << c.y_exponent;
    EXPECT_NEAR(angle.degrees, c.degrees, std::fabs(c.degrees) * 1e-15 + 1e-323);
  }
}

}  // namespace
