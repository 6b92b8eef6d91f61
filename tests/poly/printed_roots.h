#pragma once

// Reading the roots back from a Roots box text, and the test of a printed part against the
// true one.

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/result_text.h"

// The printed values of each "= re", "= re + j (im)" or quadratic "= re -  j (im)" of a text.
inline std::vector<std::complex<double>> ReadRoots(const std::string& text) {
  std::vector<std::complex<double>> roots;
  for (size_t at = text.find('='); at != std::string::npos; at = text.find('=', at)) {
    char* end;
    const double re = std::strtod(text.c_str() + at + 1, &end);
    at = end - text.c_str();
    const size_t sign = text.find_first_not_of(' ', at);
    double im = 0.0;
    if (sign != std::string::npos && text[sign] != '\r')
      im = (text[sign] == '-' ? -1 : 1) *
           std::strtod(text.c_str() + text.find('(', sign) + 1, nullptr);
    roots.push_back({re, im});
  }
  return roots;
}

// What %.5g prints a value as, read back (strtod, unlike stod, reads subnormal numbers).
inline double Printed(double value) {
  return std::strtod(ResultText("%.5g", value).c_str(), nullptr);
}

// Whether the shown value is what a value within a relative 1e-9 or `shift` of the truth
// prints as; %.5g is monotonic, so it lies between what the two extremes print as.
inline bool Agrees(double shown, double truth, double shift) {
  const double tolerance = std::max(1e-9 * std::fabs(truth), shift);
  return Printed(truth - tolerance) <= shown && shown <= Printed(truth + tolerance);
}
