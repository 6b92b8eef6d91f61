#pragma once

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// The numbers a result text shows, in order: every number that follows an '=', a '(' or a
// " +" and its blanks. Words such as "X^2" or "omega x" in the same places are not numbers,
// and the '+' of an exponent has no blank before it.
inline std::vector<double> PrintedNumbers(std::string_view text) {
  std::vector<double> numbers;
  const std::string copy(text);
  for (size_t at = 0; at < copy.size(); ++at) {
    const bool plus = copy[at] == '+' && at > 0 && copy[at - 1] == ' ';
    if (copy[at] != '=' && copy[at] != '(' && !plus)
      continue;
    size_t start = at + 1;
    while (start < copy.size() && (copy[start] == ' ' || copy[start] == '\t'))
      ++start;
    char* end = nullptr;
    const double value = std::strtod(copy.c_str() + start, &end);
    if (end != copy.c_str() + start)
      numbers.push_back(value);
  }
  return numbers;
}

// Whether `printed`, a number shown with five significant digits, is the true value rounded
// to five digits. A true value within 1e-9 of a rounding midpoint may round either way; one
// beyond the largest double must show as infinity of its sign.
inline bool ShowsTrueValue(double printed, long double truth) {
  if (std::fabs(truth) > static_cast<long double>(DBL_MAX))
    return std::isinf(printed) && std::signbit(printed) == std::signbit(truth);
  if (truth == 0)
    return printed == 0;
  const long double unit = std::pow(10.0L, std::floor(std::log10(std::fabs(truth))) - 4);
  return std::fabs(printed - truth) <= unit * (0.5L + 1e-9L);
}
