#include "common/general_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

double Up(double x, int steps = 1) {
  for (int i = 0; i < steps; ++i)
    x = std::nextafter(x, kInf);
  return x;
}
double Down(double x, int steps = 1) {
  for (int i = 0; i < steps; ++i)
    x = std::nextafter(x, -kInf);
  return x;
}

// Whether the two ends print alike in printf's own texts: by monotony of the rounding, then
// everything between them does too.
bool PrintfAlike(double low, double high, int precision) {
  char low_text[64], high_text[64];
  std::snprintf(low_text, sizeof low_text, "%.*g", precision, low);
  std::snprintf(high_text, sizeof high_text, "%.*g", precision, high);
  return std::string(low_text) == high_text;
}

enum class Cheap { Yes, CannotTell };

struct AlikeCase {
  double low, high;
  int precision;
  Cheap cheap;
};

// 1.23455 is just above the double nearest to it, 2.5 is exactly half-way at one digit, and
// 9.99995 rounds up into the next power of ten at five digits.
const AlikeCase kAlikeCases[] = {
    {1.5, 1.5000001, 5, Cheap::Yes},
    {-1.5000001, -1.5, 5, Cheap::Yes},
    {0.86602540378, Up(0.86602540378, 1000), 5, Cheap::Yes},
    {12345.4, 12345.49, 5, Cheap::Yes},
    {12345.4, 12345.5, 5, Cheap::CannotTell},  // the tie goes to even: 12346 against 12345
    {Down(1.23455), 1.23455, 5, Cheap::CannotTell},
    {1.23455, Up(1.23455), 5, Cheap::CannotTell},  // both above the edge, within reach of it
    {1.2345, 1.23455, 5, Cheap::CannotTell},
    {2.4, 2.5, 1, Cheap::CannotTell},
    {2.5, 2.5, 1, Cheap::CannotTell},  // a tie itself, printed "2"
    {2.6, 3.4, 1, Cheap::Yes},
    {9.99995, Up(9.99995), 5, Cheap::CannotTell},
    {9.9999, 9.99994, 5, Cheap::Yes},
    {Up(10.0), 10.0004, 5, Cheap::Yes},
    {10.0, 10.0004, 5, Cheap::Yes},             // the bound below a power of ten rounds up to it
    {Down(1.0, 2), Up(1.0, 2), 5, Cheap::Yes},  // a root of 1, as the ordinary quartic's
    {-Up(1.0, 2), -Down(1.0, 2), 5, Cheap::Yes},
    {0.9999951, 1.000001, 5, Cheap::Yes},
    {0.999995, 1.000001, 5, Cheap::CannotTell},  // 0.99999 and 1
    {0.99994, 1.0, 5, Cheap::CannotTell},
    {Down(10.0), 10.0, 5, Cheap::Yes},  // the bound below rounds up into the power
    {0.0010001, 0.00100014, 5, Cheap::Yes},
    {1e-300, Up(1e-300), 5, Cheap::CannotTell},  // beyond the exact powers of ten
    {1e300, Up(1e300), 5, Cheap::CannotTell},
    {1.5e-17, Up(1.5e-17, 100), 5, Cheap::Yes},
    {1.5e-20, Up(1.5e-20, 100), 5, Cheap::CannotTell},  // 10^24 is not a double
    {1.5e20, Up(1.5e20, 100), 5, Cheap::Yes},
    {DBL_TRUE_MIN, 2 * DBL_TRUE_MIN, 1, Cheap::CannotTell},
    {0.0, 1e-9, 5, Cheap::CannotTell},
    {-1.0, 1.0, 5, Cheap::CannotTell},
    {1.5, 1.4, 5, Cheap::CannotTell},  // reversed, and apart
    {1.0, kInf, 5, Cheap::CannotTell},
    {kNaN, 1.0, 5, Cheap::CannotTell},
    {0.1, 0.1, 17, Cheap::CannotTell},  // 17 digits lie below a unit in the last place
    {0.3, 0.3, 15, Cheap::Yes},
    {1.2345678901234561, 1.2345678901234561, 16, Cheap::Yes},
    {1.0 / 3, Up(1.0 / 3), 0, Cheap::Yes},
};

TEST(SurelyPrintAlike, TellsOnlyWhereTheEndsPrintAlike) {
  for (const AlikeCase& c : kAlikeCases) {
    const int precision = c.precision == 0 ? 1 : c.precision;
    const bool cheap = SurelyPrintAlike(c.low, c.high, c.precision);
    EXPECT_EQ(PrintAlike(c.low, c.high, c.precision), PrintfAlike(c.low, c.high, precision))
        << std::hexfloat << c.low << " to " << c.high << " at " << c.precision;
    EXPECT_EQ(cheap, c.cheap == Cheap::Yes)
        << std::hexfloat << c.low << " to " << c.high << " at " << c.precision;
    if (cheap) {
      EXPECT_TRUE(PrintfAlike(c.low, c.high, precision))
          << std::hexfloat << c.low << " to " << c.high << " at " << c.precision;
    }
  }
}

// Intervals from a few units in the last place to wider than the number, at and beside decimal
// rounding edges and powers of ten of every precision, and anywhere: "alike" must never be
// said of ends that print differently, and PrintAlike, which decides the rest exactly, must
// agree with printf everywhere. And "alike" must be said of nearly all that print alike among
// the roots' ordinary numbers, from 1e-8 to 1e15 at up to 15 digits, away from the edges.
TEST(SurelyPrintAlike, NeverSaysAlikeWherePrintfDiffers) {
  std::mt19937_64 random(20261209);
  int alike = 0, ordinary_alike = 0, ordinary_said = 0;
  for (int i = 0; i < 60000; ++i) {
    const int precision = 1 + static_cast<int>(random() % 17);
    const int exponent = static_cast<int>(random() % 60) - 30;
    double centre;
    bool ordinary = false;
    switch (random() % 3) {
      case 0: {  // a rounding edge at this precision: d.5 * 10^exponent, d of its digits
        const auto least = static_cast<uint64_t>(std::pow(10.0, precision - 1));
        const uint64_t d = least + random() % (9 * least);
        char text[64];
        std::snprintf(text, sizeof text, "%llu.5e%d", static_cast<unsigned long long>(d), exponent);
        centre = std::strtod(text, nullptr);
        break;
      }
      case 1:  // a power of ten
        centre = std::pow(10.0, exponent);
        break;
      default:
        centre = std::ldexp(1.0 + static_cast<double>(random() >> 12) * 0x1p-52,
                            static_cast<int>(random() % 200) - 100);
        ordinary = precision <= 15 && centre >= 1e-8 && centre <= 1e15;
    }
    if (random() % 2)
      centre = -centre;
    double low, high;
    if (random() % 2) {
      low = Down(centre, static_cast<int>(random() % 4));
      high = Up(centre, static_cast<int>(random() % 4));
    } else {
      const double width = std::fabs(centre) * std::ldexp(1.0, -static_cast<int>(random() % 50));
      low = centre - width * static_cast<double>(random() % 3);
      high = centre + width * static_cast<double>(random() % 3);
    }
    const bool printf_alike = PrintfAlike(low, high, precision);
    const bool cheap = SurelyPrintAlike(low, high, precision);
    ASSERT_EQ(PrintAlike(low, high, precision), printf_alike)
        << std::hexfloat << low << " to " << high << " at " << precision;
    alike += printf_alike;
    ordinary_alike += ordinary && printf_alike;
    ordinary_said += ordinary && cheap;
    if (cheap) {
      ASSERT_TRUE(printf_alike) << std::hexfloat << low << " to " << high << " at " << precision;
      // The exact decimals agree wherever exact arithmetic has them.
      RoundedDecimal a, b;
      if (RoundToDigits(low, precision, a) && RoundToDigits(high, precision, b)) {
        ASSERT_EQ(a, b) << std::hexfloat << low << " to " << high << " at " << precision;
      }
    }
  }
  EXPECT_GT(alike, 60000 / 4);
  EXPECT_GT(ordinary_alike, 60000 / 20);
  EXPECT_GT(ordinary_said, ordinary_alike - ordinary_alike / 20);
}

}  // namespace
