#pragma once

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstddef>
#include <initializer_list>
#include <string>

// printf-style formatting, the same text byte for byte as the C library's in the "C" locale,
// whatever the process locale: '.' decimals, and infinities and not-a-numbers spelled "inf",
// "-inf", "nan", "-nan". The conversions are those the result texts use: %g, %d, %c, %s and
// %%, each with an optional '-' flag and field width, and %g and %s with a precision. Any other
// conversion is a fault of the caller and ends the program.
std::string ResultText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same, with the arguments already gathered by the caller's own variadic function.
std::string ResultTextV(const char* format, va_list args);

// The calculators write every number with five significant digits, %W.5g. While an object of
// this class lives, the result texts of its thread use `digits` significant digits instead,
// each such field widened by digits - 5 so that the layout keeps its columns; other
// conversions are left alone. The command line's --digits is its only user.
class ResultDigits {
 public:
  static constexpr int kStandard = 5;
  static constexpr int kMost = 17;  // enough for every double to read back to itself

  explicit ResultDigits(int digits);
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

// The numbers of one result text, held in place rather than on the heap: no result shows
// more than six. Adding a seventh throws std::out_of_range.
class ShownNumbers {
 public:
  static constexpr size_t kMost = 6;

  ShownNumbers() = default;
  ShownNumbers(std::initializer_list<ShownNumber> numbers) {
    for (const ShownNumber& number : numbers)
      push_back(number);
  }

  void push_back(const ShownNumber& number) {
    numbers_.at(size_) = number;
    ++size_;
  }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const ShownNumber& operator[](size_t i) const { return numbers_[i]; }
  const ShownNumber* begin() const { return numbers_.data(); }
  const ShownNumber* end() const { return numbers_.data() + size_; }

  bool operator==(const ShownNumbers& other) const { return std::ranges::equal(*this, other); }

 private:
  std::array<ShownNumber, kMost> numbers_{};
  size_t size_ = 0;
};

// A result text and the numbers it shows, in the order it shows them.
struct ResultWithNumbers {
  std::string text;
  ShownNumbers numbers;

  bool operator==(const ResultWithNumbers&) const = default;
};
