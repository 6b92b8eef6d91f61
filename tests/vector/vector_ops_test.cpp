#include "vector/vector_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/common/printed_numbers.h"

#include "tests/support/unsigned_nans.h"

namespace {

using enum VectorOperation;

struct OperationCase {
  VectorOperation operation;
  const char* text;
};

// X = (1, 2, 3), Y = (4, 5, 6) in three dimensions.
const OperationCase kThreeDimensions[] = {
    {Magnitude, "\n Magnitude X =       3.7417 \n Magnitude Y =        8.775"},
    {DirectionCosines,
     "\n Vector X:\n\n cos( omega x) =      0.26726 \n cos( omega y) =      0.53452 \n"
     " cos( omega z) =      0.80178 \n\n\n\n Vector Y: \n\n cos( omega x) =      0.45584 \n"
     " cos( omega y) =       0.5698 \n cos( omega z) =      0.68376 "},
    {Sum,
     "\n X + Y =            5 i +             7 j +             9 k \n\n\n"
     " Magnitude [ X + Y ] =        12.45"},
    {Difference,
     "\n X - Y =           -3 i +            -3 j +            -3 k \n\n\n"
     " Magnitude [ X - Y ] =       5.1962"},
    {DotProduct, "\n X dot Y =           32 "},
    {CrossProduct,
     "\n X cross Y =            -3 i +             6 j +            -3 k \n\n\n"
     " Magnitude [ X cross Y ] =       7.3485"},
    {AngleBetween,
     "\n Angle between X and Y \t=      0.22573 radians \n\n \t\t\t=       12.933 degrees"},
};

// X = (3, 4), Y = (4, -3) in two dimensions, the third components 0 as the dialog passes
// them. The cross product keeps its three components.
const OperationCase kTwoDimensions[] = {
    {Magnitude, "\n Magnitude X =            5 \n Magnitude Y =            5"},
    {DirectionCosines,
     "\n Vector X:\n\n cos( omega x) =          0.6 \n cos( omega y) =          0.8  \n\n\n\n"
     " Vector Y: \n\n cos( omega x) =          0.8 \n cos( omega y) =         -0.6 \n"},
    {Sum, "\n X + Y =            7 i +             1 j \n\n\n Magnitude [ X + Y ] =       7.0711"},
    {Difference,
     "\n X - Y =           -1 i +             7 j \n\n\n Magnitude [ X - Y ] =       7.0711"},
    {DotProduct, "\n X dot Y =            0 "},
    {CrossProduct,
     "\n X cross Y =             0 i +             0 j +           -25 k \n\n\n"
     " Magnitude [ X cross Y ] =           25"},
    {AngleBetween,
     "\n Angle between X and Y \t=       1.5708 radians \n\n \t\t\t=           90 degrees"},
};

// X = 0, Y = (1, 2, 3): only what divides by the magnitude of X is undefined.
const OperationCase kZeroX[] = {
    {Magnitude, "\n Magnitude X =            0 \n Magnitude Y =       3.7417"},
    {DirectionCosines,
     "\n Vector X:\n\n cos( omega x) =          nan \n cos( omega y) =          nan \n"
     " cos( omega z) =          nan \n\n\n\n Vector Y: \n\n cos( omega x) =      0.26726 \n"
     " cos( omega y) =      0.53452 \n cos( omega z) =      0.80178 "},
    {AngleBetween,
     "\n Angle between X and Y \t=          nan radians \n\n \t\t\t=          nan degrees"},
};

struct AngleCase {
  int dimension;
  Vector x, y;
  const char* text;
};

const AngleCase kAngles[] = {
    {1,
     {1, 0, 0},
     {-2, 0, 0},
     "\n Angle between X and Y \t=       3.1416 radians \n\n \t\t\t=          180 degrees"},
    // Parallel vectors whose cosine rounds to just beyond +-1.
    {1,
     {1, 1, 1},
     {1, 1, 1},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    {1,
     {1, 1, 1},
     {-1, -1, -1},
     "\n Angle between X and Y \t=       3.1416 radians \n\n \t\t\t=          180 degrees"},
    {0,
     {2, 3, 0},
     {4, 6, 0},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    // Two zero vectors: 0/0 stays undefined.
    {0,
     {0, 0, 0},
     {0, 0, 0},
     "\n Angle between X and Y \t=          nan radians \n\n \t\t\t=          nan degrees"},
};

TEST(VectorResult, ThreeDimensionalTextsMatchTheirFormats) {
  for (const auto& c : kThreeDimensions) {
    EXPECT_EQ(ComputeVectorResult(1, c.operation, {1, 2, 3}, {4, 5, 6}), c.text)
        << "operation " << static_cast<int>(c.operation);
  }
}

TEST(VectorResult, TwoDimensionalTextsUseTheTwoComponentLayouts) {
  for (const int dimension : {0, -1, 2}) {
    for (const auto& c : kTwoDimensions) {
      EXPECT_EQ(ComputeVectorResult(dimension, c.operation, {3, 4, 0}, {4, -3, 0}), c.text)
          << "dimension " << dimension << ", operation " << static_cast<int>(c.operation);
    }
  }
}

TEST(VectorResult, ZeroVectorGivesNaNOnlyWhereItDividesByItsMagnitude) {
  for (const auto& c : kZeroX) {
    EXPECT_EQ(WithUnsignedNaNs(ComputeVectorResult(1, c.operation, {0, 0, 0}, {1, 2, 3})), c.text)
        << "operation " << static_cast<int>(c.operation);
  }
}

TEST(VectorResult, AngleOfParallelVectorsIsClampedInsteadOfNaN) {
  for (const auto& c : kAngles) {
    EXPECT_EQ(WithUnsignedNaNs(ComputeVectorResult(c.dimension, AngleBetween, c.x, c.y)), c.text)
        << "X = (" << c.x.i << ", " << c.x.j << ", " << c.x.k << ")";
  }
}

// Squares and products that leave the range of doubles no longer turn ordinary results into
// infinities, zeros or NaNs; a magnitude beyond the largest double is still infinite.
struct WideCase {
  int dimension;
  VectorOperation operation;
  Vector x, y;
  const char* text;
};

const WideCase kWideRange[] = {
    {1,
     Magnitude,
     {1e200, 0, 0},
     {0, 0, -1e200},
     "\n Magnitude X =       1e+200 \n Magnitude Y =       1e+200"},
    {0,
     Magnitude,
     {1e160, 0, 0},
     {1e-170, 0, 0},
     "\n Magnitude X =       1e+160 \n Magnitude Y =       1e-170"},
    {1,
     Magnitude,
     {1.5e308, 0, 1.5e308},
     {1e308, 1e308, 1e308},
     "\n Magnitude X =          inf \n Magnitude Y =  1.7321e+308"},
    {0,
     DirectionCosines,
     {1e160, 1e160, 0},
     {3e-170, 4e-170, 0},
     "\n Vector X:\n\n cos( omega x) =      0.70711 \n cos( omega y) =      0.70711  \n\n\n\n"
     " Vector Y: \n\n cos( omega x) =          0.6 \n cos( omega y) =          0.8 \n"},
    {0,
     Sum,
     {1e200, 1e200, 0},
     {0, 0, 0},
     "\n X + Y =       1e+200 i +        1e+200 j \n\n\n Magnitude [ X + Y ] =  1.4142e+200"},
    {0, DotProduct, {1e200, 1e200, 0}, {1e200, -1e200, 0}, "\n X dot Y =            0 "},
    {1, DotProduct, {1e300, 1e-300, 0}, {1e-300, 1e300, 0}, "\n X dot Y =            2 "},
    {1,
     CrossProduct,
     {1e200, 1e200, 0},
     {1e200, 1e200, 0},
     "\n X cross Y =             0 i +             0 j +             0 k \n\n\n"
     " Magnitude [ X cross Y ] =            0"},
    {1,
     CrossProduct,
     {1e-170, 0, 0},
     {0, 1e170, 0},
     "\n X cross Y =             0 i +             0 j +             1 k \n\n\n"
     " Magnitude [ X cross Y ] =            1"},
    {1,
     AngleBetween,
     {1e200, 0, 0},
     {1e200, 0, 0},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    {1,
     AngleBetween,
     {1e-200, 0, 0},
     {0, 1e-200, 0},
     "\n Angle between X and Y \t=       1.5708 radians \n\n \t\t\t=           90 degrees"},
    {0,
     AngleBetween,
     {1e300, 1e300, 0},
     {1e-300, 0, 0},
     "\n Angle between X and Y \t=       0.7854 radians \n\n \t\t\t=           45 degrees"},
};

TEST(VectorResult, SquaresAndProductsBeyondTheRangeOfDoublesGiveTheTrueResult) {
  for (const auto& c : kWideRange) {
    EXPECT_EQ(ComputeVectorResult(c.dimension, c.operation, c.x, c.y), c.text)
        << "operation " << static_cast<int>(c.operation) << ", X = (" << c.x.i << ", " << c.x.j
        << ", " << c.x.k << ")";
  }
}

// Nearly parallel vectors, and products that cancel: the numbers are the true values, rounded
// to five digits, of the operation on the doubles given.
const WideCase kCancelling[] = {
    // The cosine of 1e-9 rounds to 1, where acos gave 0.
    {1,
     AngleBetween,
     {1, 0, 0},
     {1, 1e-9, 0},
     "\n Angle between X and Y \t=        1e-09 radians \n\n \t\t\t=   5.7296e-08 degrees"},
    {0,
     AngleBetween,
     {1, 1, 0},
     {1, 1, 0},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    {0,
     AngleBetween,
     {1, 0, 0},
     {1, 1e-7, 0},
     "\n Angle between X and Y \t=        1e-07 radians \n\n \t\t\t=   5.7296e-06 degrees"},
    {1,
     AngleBetween,
     {1e200, 0, 0},
     {1e200, 1e-100, 0},
     "\n Angle between X and Y \t=       1e-300 radians \n\n \t\t\t=  5.7296e-299 degrees"},
    // Infinite components still give NaN, by the cosine.
    {1,
     AngleBetween,
     {INFINITY, 0, 0},
     {1, 0, 0},
     "\n Angle between X and Y \t=          nan radians \n\n \t\t\t=          nan degrees"},
    {0,
     CrossProduct,
     {1, 1.00000001, 0},
     {1.00000002, 1.00000003, 0},
     "\n X cross Y =             0 i +             0 j +        -2e-16 k \n\n\n"
     " Magnitude [ X cross Y ] =        2e-16"},
    {1,
     CrossProduct,
     {1, 2, 3},
     {1.0000000000000002, 2, 3},
     "\n X cross Y =             0 i +    6.6613e-16 j +   -4.4409e-16 k \n\n\n"
     " Magnitude [ X cross Y ] =   8.0059e-16"},
    {0, DotProduct, {1, 1.00000001, 0}, {1.00000003, -1.00000002, 0}, "\n X dot Y =       -2e-16 "},
};

TEST(VectorResult, NearlyParallelVectorsAndCancellingProductsShowTheTrueResult) {
  for (const auto& c : kCancelling) {
    EXPECT_EQ(WithUnsignedNaNs(ComputeVectorResult(c.dimension, c.operation, c.x, c.y)), c.text)
        << "operation " << static_cast<int>(c.operation) << ", X = (" << c.x.i << ", " << c.x.j
        << ", " << c.x.k << ")";
  }
}

// A component of the whole range of doubles: a random sign and mantissa at a random power of
// ten, now and then exactly zero.
double RandomComponent(std::mt19937_64& random, int lowest_power, int highest_power) {
  if (random() % 16 == 0)
    return 0.0;
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> power(lowest_power, highest_power);
  const double component = mantissa(random) * std::pow(10.0, power(random));
  return random() % 2 ? component : -component;
}

Vector RandomVector(std::mt19937_64& random, int lowest_power, int highest_power) {
  return {RandomComponent(random, lowest_power, highest_power),
          RandomComponent(random, lowest_power, highest_power),
          RandomComponent(random, lowest_power, highest_power)};
}

struct LongVector {
  long double i, j, k;
};

long double LongDot(const LongVector& x, const LongVector& y) {
  return x.i * y.i + x.j * y.j + x.k * y.k;
}

long double LongMagnitude(const LongVector& v) {
  return std::sqrt(LongDot(v, v));
}

// The numbers an operation shows in three dimensions, in long double, whose range takes in
// every product and square of doubles. Empty where the long double reference is itself not
// good to five digits: products that cancel, or an angle near 0 or pi.
std::vector<long double> TrueNumbers(VectorOperation operation, const Vector& dx,
                                     const Vector& dy) {
  const LongVector x{dx.i, dx.j, dx.k}, y{dy.i, dy.j, dy.k};
  const auto cancels = [](long double a, long double b) {
    return std::fabs(a - b) < 1e-6L * (std::fabs(a) + std::fabs(b));
  };
  switch (operation) {
    case Magnitude:
      return {LongMagnitude(x), LongMagnitude(y)};
    case DirectionCosines: {
      const long double mx = LongMagnitude(x), my = LongMagnitude(y);
      return {x.i / mx, x.j / mx, x.k / mx, y.i / my, y.j / my, y.k / my};
    }
    case CrossProduct: {
      if (cancels(x.j * y.k, x.k * y.j) || cancels(x.k * y.i, x.i * y.k) ||
          cancels(x.i * y.j, x.j * y.i))
        return {};
      const LongVector c{x.j * y.k - x.k * y.j, x.k * y.i - x.i * y.k, x.i * y.j - x.j * y.i};
      return {c.i, c.j, c.k, LongMagnitude(c)};
    }
    case AngleBetween: {
      const long double ratio = LongDot(x, y) / (LongMagnitude(x) * LongMagnitude(y));
      if (std::fabs(ratio) > 0.999L)
        return {};
      const long double theta = std::acos(ratio);
      return {theta, theta * 180 / std::acos(-1.0L)};
    }
    default: {
      const long double terms[] = {x.i * y.i, x.j * y.j, x.k * y.k};
      long double sum = 0, size = 0;
      for (const long double term : terms)
        sum += term, size += std::fabs(term);
      if (std::fabs(sum) < 1e-6L * size)
        return {};
      return {sum};
    }
  }
}

TEST(VectorResult, EveryShownDigitIsTrueOverTheWholeRangeOfDoubles) {
  std::mt19937_64 random(20261208);
  const VectorOperation operations[] = {Magnitude, DirectionCosines, DotProduct, CrossProduct,
                                        AngleBetween};
  int compared = 0;
  for (int round = 0; round < 20000; ++round) {
    const VectorOperation operation = operations[round % 5];
    const Vector x = RandomVector(random, -300, 300);
    const Vector y = RandomVector(random, -300, 300);
    const std::vector<long double> truth = TrueNumbers(operation, x, y);
    if (truth.empty() || std::isnan(truth[0]))
      continue;
    const std::string text = ComputeVectorResult(1, operation, x, y);
    const std::vector<double> shown = PrintedNumbers(text);
    ASSERT_EQ(shown.size(), truth.size()) << text;
    for (size_t n = 0; n < truth.size(); ++n) {
      if (std::fabs(truth[n]) < 1e-290L)
        continue;  // subnormal results have fewer than five digits to show
      ++compared;
      EXPECT_TRUE(ShowsTrueValue(shown[n], truth[n]))
          << text << "\nnumber " << n << " should be " << static_cast<double>(truth[n]) << "; X = ("
          << x.i << ", " << x.j << ", " << x.k << "), Y = (" << y.i << ", " << y.j << ", " << y.k
          << ")";
    }
  }
  EXPECT_GT(compared, 40000);
}

// The plain formulas, with nothing scaled, in three dimensions.
std::vector<double> PlainNumbers(VectorOperation operation, const Vector& x, const Vector& y) {
  const auto magnitude = [](const Vector& v) {
    return std::sqrt((std::pow(v.i, 2.0) + std::pow(v.j, 2.0)) + std::pow(v.k, 2.0));
  };
  const double dot = (x.i * y.i + x.j * y.j) + x.k * y.k;
  const double mx = magnitude(x), my = magnitude(y);
  switch (operation) {
    case Magnitude:
      return {mx, my};
    case DirectionCosines:
      return {x.i / mx, x.j / mx, x.k / mx, y.i / my, y.j / my, y.k / my};
    case CrossProduct: {
      const Vector c{x.j * y.k - x.k * y.j, x.k * y.i - x.i * y.k, x.i * y.j - x.j * y.i};
      return {c.i, c.j, c.k, magnitude(c)};
    }
    case AngleBetween: {
      const double ratio = dot / (mx * my);  // NaN for a zero vector stays NaN
      const double theta = std::acos(ratio > 1.0 ? 1.0 : ratio < -1.0 ? -1.0 : ratio);
      return {theta, (theta * 180.0) / std::atan2(0.0, -1.0)};
    }
    default:
      return {dot};
  }
}

// Whether the cosine of the angle between x and y is within 0.001 of 1 or -1.
bool NearlyParallel(const Vector& x, const Vector& y) {
  const LongVector lx{x.i, x.j, x.k}, ly{y.i, y.j, y.k};
  return std::fabs(LongDot(lx, ly) / (LongMagnitude(lx) * LongMagnitude(ly))) > 0.999L;
}

std::string ResultNumbers(const std::vector<double>& numbers) {
  std::string text;
  for (const double number : numbers) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.5g|", std::isnan(number) ? NAN : number);
    text += shown;
  }
  return text;
}

TEST(VectorResult, OrdinaryOperandsGiveThePlainFormulasResults) {
  std::mt19937_64 random(8);
  const VectorOperation operations[] = {Magnitude, DirectionCosines, DotProduct, CrossProduct,
                                        AngleBetween};
  for (int round = 0; round < 20000; ++round) {
    const VectorOperation operation = operations[round % 5];
    const Vector x = RandomVector(random, -40, 40);
    const Vector y = RandomVector(random, -40, 40);
    if (operation == AngleBetween && NearlyParallel(x, y))
      continue;  // acos of the rounded cosine has lost the angle's digits
    EXPECT_EQ(ResultNumbers(PrintedNumbers(ComputeVectorResult(1, operation, x, y))),
              ResultNumbers(PlainNumbers(operation, x, y)))
        << "operation " << static_cast<int>(operation);
    const double plain = std::sqrt((std::pow(x.i, 2.0) + std::pow(x.j, 2.0)) + std::pow(x.k, 2.0));
    EXPECT_EQ(VectorMagnitude(x), plain);  // to the last bit
  }
}

// A batch writes each result into the one before it: whatever that held (a longer text, more
// numbers, the other layout, the texts of more digits), the result is the one written afresh,
// in the same room.
TEST(VectorResult, WrittenOverAnotherIsTheFreshResultInTheSameRoom) {
  const Vector x{1, -2.5e-9, 3e200}, y{-4, 5, 6};
  ResultWithNumbers result{std::string(600, 'x'),
                           {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}, {"f", 6}}};
  const char* const room = result.text.data();
  for (const int digits : {ResultDigits::kMost, ResultDigits::kStandard, 1}) {
    const ResultDigits shown(digits);
    for (int before = 2 * kVectorOperationCount - 1; before >= 0; --before) {
      for (int next = 0; next < 2 * kVectorOperationCount; ++next) {
        const int dimension = next % 2;
        const auto operation = static_cast<VectorOperation>(next / 2);
        WriteVectorResult(before % 2, static_cast<VectorOperation>(before / 2), x, y, result);
        WriteVectorResult(dimension, operation, x, y, result);
        ASSERT_EQ(result, ComputeVectorResultWithNumbers(dimension, operation, x, y))
            << before << " then " << next << " with " << digits << " digits";
      }
    }
  }
  EXPECT_EQ(result.text.data(), room);
}

TEST(VectorMagnitude, AddsTheSquaresOfIAndJBeforeK) {
  // With a large first component each small square is lost separately; added together first,
  // they survive and lift the root by one unit in the last place.
  EXPECT_EQ(VectorMagnitude({1e8, 1, 1}), 1e8);
  EXPECT_EQ(VectorMagnitude({1, 1, 1e8}), 1e8 + 0x1p-26);
}

TEST(VectorNames, AreTheListEntriesInOrder) {
  const std::string operations[] = {"Magnitude", "Direction cosines",    "X+Y", "X-Y", "X dot Y",
                                    "X cross Y", "Angle between X and Y"};
  for (int i = 0; i < kVectorOperationCount; ++i)
    EXPECT_EQ(kVectorOperationNames[i], operations[i]) << "entry " << i;
  EXPECT_STREQ(kVectorDimensionNames[0], "2D");
  EXPECT_STREQ(kVectorDimensionNames[1], "3D");
}

}  // namespace
