#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "common/result_text.h"

// Random doubles for holding the result texts against the C library's own printf. A quarter
// are any bit pattern at all (every exponent, subnormals, both zeros, infinities and
// not-a-numbers with their signs and payloads); a quarter lie on or beside a decimal rounding
// boundary (a half-way point of 1 to 17 significant digits) at any power of ten; the other
// half are the same two kinds with a magnitude from 1e-25 to 1e20, where the calculators'
// numbers mostly are.
class PrintfComparisonValues {
 public:
  explicit PrintfComparisonValues(uint64_t seed) : random_(seed) {}

  double Next() {
    const uint64_t bits = random_();
    const bool ordinary = (bits >> 30) & 1;
    if (bits & 1) {
      uint64_t pattern = random_();
      if (ordinary)  // a biased exponent from 940 to 1090: 2^-83 to 2^67
        pattern = (pattern & 0x800fffffffffffffULL) | ((940 + (bits >> 40) % 151) << 52);
      return std::bit_cast<double>(pattern);
    }
    // d.dd...d5e<exponent> with `digits` digits before the 5, read to the nearest double,
    // then maybe moved one step to either side.
    const int digits = 1 + static_cast<int>((bits >> 1) % 17);
    const int exponent = ordinary ? static_cast<int>((bits >> 8) % 46) - 25
                                  : static_cast<int>((bits >> 8) % 640) - 330;
    std::string number = (bits >> 20) & 1 ? "-" : "";
    number += static_cast<char>('1' + random_() % 9);
    number += '.';
    for (int i = 1; i < digits; ++i)
      number += static_cast<char>('0' + random_() % 10);
    number += "5e" + std::to_string(exponent);
    double value = std::strtod(number.c_str(), nullptr);
    switch ((bits >> 21) % 3) {
      case 0:
        break;
      case 1:
        value = std::nextafter(value, INFINITY);
        break;
      default:
        value = std::nextafter(value, -INFINITY);
    }
    return value;
  }

 private:
  std::mt19937_64 random_;
};

// Where a result text and printf disagree.
struct PrintfMismatch {
  std::string format;
  double value;
  std::string ours;
  std::string printf;
};

// ResultText of " x = %11.5g|%12.5g " with `value` in both fields, under `digits` significant
// digits, against what printf makes of the same format with the fields widened and the
// precision changed as ResultDigits says.
inline std::optional<PrintfMismatch> CompareWithPrintf(double value, int digits) {
  std::string ours;
  {
    const ResultDigits scope(digits);
    ours = ResultText(" x = %11.5g|%12.5g ", value, value);
  }
  const int widen = digits - ResultDigits::kStandard;
  char expected[128];
  std::snprintf(expected, sizeof expected, " x = %*.*g|%*.*g ", 11 + widen, digits, value,
                12 + widen, digits, value);
  if (ours == expected)
    return std::nullopt;
  char format[16];
  std::snprintf(format, sizeof format, "%%%d.%dg", 11 + widen, digits);
  return PrintfMismatch{format, value, ours, expected};
}
