#include "common/field_number.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/c_locale.h"

namespace {

// Beyond the range of a double from_chars gives no value: strtod gives the infinity or the
// zero that atof gives. Kept apart, as its string would cost every call a larger frame.
[[gnu::noinline]] double OutOfRangeValue(const char* first, const char* last) {
  return strtod_l(std::string(first, last).c_str(), nullptr, CLocale());
}

}  // namespace

const char* ReadUnsignedDecimal(const char* first, const char* last, double& value) {
  // from_chars finds the number and converts it in the same pass, in no locale at all. Only a
  // digit or a point may start it, so that "inf" and "nan" are never taken; its general
  // format has no hexadecimal.
  if (first == last || !((*first >= '0' && *first <= '9') || *first == '.'))
    return first;
  if (const char* const end = field_number_detail::ReadShortDecimal(first, last, value))
    return end;
  const std::from_chars_result read = std::from_chars(first, last, value);
  if (read.ec == std::errc::invalid_argument)
    return first;
  if (read.ec == std::errc::result_out_of_range)
    value = OutOfRangeValue(first, read.ptr);
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
