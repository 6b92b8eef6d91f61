#include "common/field_number.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

#include "common/c_locale.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

size_t NumberPrefixLength(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i]))
    ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i]))
      ++i, ++digits;
  }
  if (digits == 0)
    return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t e = i + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-'))
      ++e;
    if (e < text.size() && IsDigit(text[e])) {
      while (e < text.size() && IsDigit(text[e]))
        ++e;
      i = e;
    }
  }
  return i;
}

double FieldNumber(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start])))
    ++start;
  text.remove_prefix(start);
  const std::string_view number = text.substr(0, NumberPrefixLength(text));
  if (number.empty())
    return 0.0;
  // Only the decimal prefix is converted, so hexadecimal, "inf" and "nan" never are.
  // from_chars rounds it as strtod does, in no locale at all and without a copy; a number
  // beyond the range of a double goes to strtod in the "C" locale, for the infinities and
  // zeros that atof gives it.
  const size_t sign = number[0] == '+' ? 1 : 0;  // from_chars takes no plus sign
  double value = 0.0;
  if (std::from_chars(number.data() + sign, number.data() + number.size(), value).ec == std::errc())
    return value;
  return strtod_l(std::string(number).c_str(), nullptr, CLocale());
}
