// Evaluation order is part of the contract: every expression keeps the grouping written
// here, and b^2 is taken with pow, so that each printed digit is reproduced.

#include "poly/quadratic.h"

#include <cmath>

#include "common/field_number.h"
#include "common/result_text.h"

PolyEffects CalculateQuadratic(std::string_view a_text, std::string_view b_text,
                               std::string_view c_text) {
  const double a = FieldNumber(a_text);
  const double b = FieldNumber(b_text);
  const double c = FieldNumber(c_text);
  const double discriminant = std::pow(b, 2.0) - 4 * a * c;

  PolyEffects effects;
  // Only an exact zero is rejected: the quadratic has no tolerance.
  if (std::fabs(a) > 0) {
    std::string text;
    if (discriminant < 0) {
      const double re = -b / (2 * a);
      double im = std::sqrt(-discriminant) / (2 * a);
      // x1 is always the root above the real axis, whatever the sign of a.
      if (im < 0)
        im = -im;
      text = ResultText(
          " Two Complex Roots: \r\n\r\n x1 = %12.5g + j (%12.5g) \r\n\r\n x2 = %12.5g -  j "
          "(%12.5g) ",
          re, im, re, im);
    } else {
      // D >= 0, or not a number when the coefficients overflow, which the real formula
      // then prints like any other overflow.
      double x1 = (-b + std::sqrt(discriminant)) / (2 * a);
      double x2 = (-b - std::sqrt(discriminant)) / (2 * a);
      // When -b and the root of D have opposite signs, their sum cancels and loses the
      // smaller root; the product of the roots, c/a, gives it from the other one. An exact
      // zero root (c = 0) is kept as the formula gives it.
      if (b > 0 && c != 0)
        x1 = c / a / x2;
      else if (b < 0 && c != 0)
        x2 = c / a / x1;
      text = ResultText(" Two Real Roots: \r\n\r\n x1 = %12.5g \r\n x2 = %12.5g", x1, x2);
    }
    effects.push_back({PolyEffect::Kind::ShowRoots, text});
  } else {
    effects.push_back({PolyEffect::Kind::Message, "\n Input Error \n"});
  }

  // A coefficient read as zero is written back as "0.", negative zero included.
  if (b == 0)
    effects.push_back({PolyEffect::Kind::WriteBack, "0.", CoefficientBox::X});
  if (c == 0)
    effects.push_back({PolyEffect::Kind::WriteBack, "0.", CoefficientBox::Constant});
  return effects;
}
