#pragma once

#include <array>
#include <cstdarg>
#include <span>
#include <string>
#include <type_traits>

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
// after another into the same string allocates nothing once the string is large enough. No
// argument may point into `text`.
void AssignResultText(std::string& text, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

namespace result_text_detail {

// One conversion of a format, %[-][width][.precision]<letter>.
struct Conversion {
  bool left = false;
  int width = 0;
  int precision = -1;  // none given
  char letter = '\0';
};

constexpr int ReadCount(const char*& p) {
  int count = 0;
  for (; *p >= '0' && *p <= '9'; ++p)
    count = 10 * count + (*p - '0');
  return count;
}

// The conversion that starts just past a '%' at `p`, which ends past it.
constexpr Conversion ReadConversion(const char*& p) {
  Conversion c;
  if (*p == '-') {
    c.left = true;
    ++p;
  }
  c.width = ReadCount(p);
  if (*p == '.') {
    ++p;
    c.precision = ReadCount(p);
  }
  c.letter = *p;
  if (*p != '\0')
    ++p;
  return c;
}

}  // namespace result_text_detail

// A format whose conversions are all %[-][width].<precision>g, read once when the program is
// compiled, for the texts that a batch writes over and over (a format that holds anything
// else does not compile). AssignNumberText of it writes the same text as AssignResultText of
// the format itself, without reading the format again for each text.
class NumberFormat {
 public:
  static constexpr int kMostFields = 8;

  // One conversion and the literal text before it.
  struct Field {
    int literal_begin = 0, literal_length = 0;
    result_text_detail::Conversion conversion;
  };

  // The format from its character `skip` on.
  consteval NumberFormat(const char* format, int skip = 0) : format_(format) {
    const char* p = format + skip;
    int literal_begin = skip;
    while (*p != '\0') {
      if (*p++ != '%')
        continue;
      if (count_ == kMostFields)
        throw "a number format has too many conversions";
      Field& field = fields_[count_++];
      field.literal_begin = literal_begin;
      field.literal_length = static_cast<int>(p - 1 - format) - literal_begin;
      field.conversion = result_text_detail::ReadConversion(p);
      if (field.conversion.precision < 0)
        throw "a number format's conversions need a precision";
      if (field.conversion.letter != 'g')
        throw "a number format converts numbers with %g only";
      literal_begin = static_cast<int>(p - format);
    }
    tail_begin_ = literal_begin;
    tail_length_ = static_cast<int>(p - format) - literal_begin;
  }

  const char* text() const { return format_; }
  std::span<const Field> fields() const { return std::span(fields_, static_cast<size_t>(count_)); }
  int tail_begin() const { return tail_begin_; }
  int tail_length() const { return tail_length_; }

 private:
  const char* format_;
  Field fields_[kMostFields] = {};
  int count_ = 0;
  int tail_begin_ = 0, tail_length_ = 0;
};

// The text of `format` with one number for each of its conversions, in place of what `text`
// held; too few or too many numbers are a fault of the caller and end the program.
void AssignNumberText(std::string& text, const NumberFormat& format,
                      std::span<const double> numbers);
template <typename... Numbers>
void AssignNumberText(std::string& text, const NumberFormat& format, Numbers... numbers) {
  static_assert((std::is_same_v<Numbers, double> && ...), "a number format takes doubles only");
  const std::array<double, sizeof...(Numbers)> values = {numbers...};
  AssignNumberText(text, format, std::span<const double>(values));
}

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
