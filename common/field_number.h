#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The value of an edit box, read the way the C library's atof reads text in the "C" locale:
// leading white space, an optional sign, digits with an optional '.', an optional exponent.
// Reading stops at the first character that does not fit; text that does not start with a
// number (an empty or blank box included) reads as 0. Hexadecimal and the words "inf" and
// "nan" are not numbers here, and the decimal point is '.' whatever the process locale.
double FieldNumber(std::string_view text);

// Reads the unsigned decimal number that starts at `first`: digits with an optional '.' (at
// least one digit in all), then an exponent only when digits follow its 'e' and optional
// sign. Returns the end of the number, or `first` when none starts there. The value is
// rounded as strtod rounds it in the "C" locale: beyond the range of doubles it is infinite,
// below it 0 or the nearest subnormal.
const char* ReadUnsignedDecimal(const char* first, const char* last, double& value);

// Whether the whole of `text` is a short plain decimal: an optional sign, then at most 15
// digits in all with an optional '.' among or around them, and nothing else (no exponent, no
// blanks). If so `value` is its value, exactly the double that FieldNumber, ReadUnsignedDecimal
// and from_chars read from it, and the result is true; otherwise `value` is left as it was.
// This is what nearly every number word and box holds, read without any general machinery.
inline bool ReadShortDecimalWord(std::string_view text, double& value);

// The white space of the "C" locale, which a box may hold around its number.
constexpr bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

namespace field_number_detail {

inline constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
inline constexpr std::ptrdiff_t kMostShortDigits = 15;

// The unsigned decimal of at most 15 digits and no exponent that starts at `first`, read with
// the value from_chars gives it: its digits as an integer are below 2^53 and so exact in a
// double, as is every power of ten up to 10^15, and one division of exact operands is the
// correctly rounded quotient. Returns its end, or nullptr for any other text (no digit, more
// digits, an exponent), which from_chars then reads.
inline const char* ReadShortDecimal(const char* first, const char* last, double& value) {
  std::uint64_t digits = 0;  // wraps beyond 19 digits, which are refused below anyway
  const char* point = nullptr;
  const char* p = first;
  for (; p != last; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit <= 9)
      digits = 10 * digits + digit;
    else if (*p == '.' && point == nullptr)
      point = p;
    else
      break;
  }
  const std::ptrdiff_t count = (p - first) - (point != nullptr);
  if (count == 0 || count > kMostShortDigits || (p != last && (*p == 'e' || *p == 'E')))
    return nullptr;
  value = static_cast<double>(static_cast<std::int64_t>(digits));  // below 10^15 here
  if (point != nullptr && p - point > 1)
    value /= kPowersOfTen[p - point - 1];
  return p;
}

}  // namespace field_number_detail

// Inline, as the batch calls it for every number word of every line.
inline bool ReadShortDecimalWord(std::string_view text, double& value) {
  const char* first = text.data();
  const char* const last = first + text.size();
  const bool negative = first != last && *first == '-';
  if (first != last && (negative || *first == '+'))
    ++first;
  double read;
  const char* const end = field_number_detail::ReadShortDecimal(first, last, read);
  if (end == nullptr || end != last)
    return false;
  // Rounding to nearest is symmetric, so the negated number is the number with its sign.
  value = negative ? -read : read;
  return true;
}
