#pragma once

#include <cstdarg>
#include <string>

#include "common/fixed_list.h"

// printf-style formatting, the same text byte for byte as the C library's in the "C" locale,
// whatever the process locale: '.' decimals, and infinities and not-a-numbers spelled "inf",
// "-inf", "nan", "-nan". The conversions are those the result texts use: %g, %d, %c, %s and
// %%, each with an optional '-' flag and field width, and %g and %s with a precision. Any other
// conversion is a fault of the caller and ends the program.
std::string ResultText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same, with the arguments already gathered by the caller's own variadic function.
std::string ResultTextV(const char* format, va_list args);

// The same text in place of what `text` held, in its room: a batch that writes one result
// after another into the same string allocates nothing once the string is large enough.
void AssignResultText(std::string& text, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// The calculators write every number with five significant digits, %W.5g. While an object of
// this class lives, the result texts of its thread use `digits` significant digits instead,
// each such field widened by digits - 5 so that the layout keeps its columns; other
// conversions are left alone. The command line's --digits is its only user.
class ResultDigits {
 public:
  static constexpr int kStandard = 5;
  static constexpr int kMost = 17;  // enough for every double to read back to itself

  explicit ResultDigits(int digits);
  // The digits that the result texts of this thread use now in place of five.
  static int InUse();
  ~ResultDigits();
  ResultDigits(const ResultDigits&) = delete;
  ResultDigits& operator=(const ResultDigits&) = delete;

 private:
  int previous_;
};

// One number that a result text shows, under a plain name ("re", "magnitude"), so that a
// script can have it at full precision beside the text.
struct ShownNumber {
  const char* name;
  double value;

  bool operator==(const ShownNumber&) const = default;
};

// The numbers of one result text: no result shows more than six.
using ShownNumbers = FixedList<ShownNumber, 6>;

// A result text and the numbers it shows, in the order it shows them.
struct ResultWithNumbers {
  std::string text;
  ShownNumbers numbers;

  bool operator==(const ResultWithNumbers&) const = default;
};
