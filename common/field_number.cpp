#include "common/field_number.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/c_locale.h"

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr int kMostShortDigits = 15;

// The numbers typed most, at most 15 digits with no exponent, read without from_chars'
// general machinery and with the same value: their digits as an integer are below 2^53 and
// so exact in a double, as is every power of ten up to 10^15, and one division of exact
// operands is the correctly rounded quotient. Returns nullptr for any other text, which
// from_chars then reads.
const char* ReadShortDecimal(const char* first, const char* last, double& value) {
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = -1;  // no point yet
  const char* p = first;
  for (; p != last; ++p) {
    if (*p >= '0' && *p <= '9') {
      if (++count > kMostShortDigits)
        return nullptr;
      digits = 10 * digits + static_cast<std::uint64_t>(*p - '0');
      if (decimals >= 0)
        ++decimals;
    } else if (*p == '.' && decimals < 0) {
      decimals = 0;
    } else {
      break;
    }
  }
  if (count == 0 || (p != last && (*p == 'e' || *p == 'E')))
    return nullptr;
  value = static_cast<double>(digits);
  if (decimals > 0)
    value /= kPowersOfTen[decimals];
  return p;
}

}  // namespace

const char* ReadUnsignedDecimal(const char* first, const char* last, double& value) {
  // from_chars finds the number and converts it in the same pass, in no locale at all. Only a
  // digit or a point may start it, so that "inf" and "nan" are never taken; its general
  // format has no hexadecimal.
  if (first == last || !((*first >= '0' && *first <= '9') || *first == '.'))
    return first;
  if (const char* const end = ReadShortDecimal(first, last, value))
    return end;
  const std::from_chars_result read = std::from_chars(first, last, value);
  if (read.ec == std::errc::invalid_argument)
    return first;
  // Beyond the range of a double from_chars gives no value: strtod gives the infinity or
  // the zero that atof gives.
  if (read.ec == std::errc::result_out_of_range)
    value = strtod_l(std::string(first, read.ptr).c_str(), nullptr, CLocale());
  return read.ptr;
}

double FieldNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsBlank(*p))
    ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-'))
    negative = *p++ == '-';
  double value = 0.0;
  if (ReadUnsignedDecimal(p, end, value) == p)
    return 0.0;
  // Rounding to nearest is symmetric, so the negated number is the number with its sign.
  return negative ? -value : value;
}
