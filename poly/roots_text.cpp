#include "poly/roots_text.h"

#include <cmath>

#include "common/result_text.h"
#include "poly/cube_roots.h"

namespace {

constexpr NumberFormat kCubicRoots(
    "Complex Roots \r\n\r\n X1 = %11.5g + j ( %11.5g) \r\n\r\n X2 = %11.5g + j ( %11.5g) "
    "\r\n\r\n X3 = %11.5g + j ( %11.5g) ");

// The degenerate quartics' text, and from its second character on the others'.
constexpr const char* kQuarticRoots =
    " Complex Roots \r\n\r\n X1 = %11.5g + j ( %11.5g) \r\n\r\n X2 = %11.5g + j ( %11.5g) "
    "\r\n\r\n X3 = %11.5g + j ( %11.5g) \r\n\r\n X4 = %11.5g + j ( %11.5g)";
constexpr NumberFormat kQuarticRootsWithBlank(kQuarticRoots);
constexpr NumberFormat kQuarticRootsWithoutBlank(kQuarticRoots, 1);

}  // namespace

void CubicRootsText(const Complex (&roots)[3], std::string& text) {
  AssignNumberText(text, kCubicRoots, roots[0].re, roots[0].im, roots[1].re, roots[1].im,
                   roots[2].re, roots[2].im);
}

void QuarticRootsText(const Complex (&roots)[4], LeadingBlank leading_blank, std::string& text) {
  AssignNumberText(
      text, leading_blank == LeadingBlank::Yes ? kQuarticRootsWithBlank : kQuarticRootsWithoutBlank,
      roots[0].re, roots[0].im, roots[1].re, roots[1].im, roots[2].re, roots[2].im, roots[3].re,
      roots[3].im);
}

void CleanUpRoots(std::span<Complex> roots) {
  const auto clean = [](double& part) {
    if (std::isnan(part) || std::fabs(part) < kZeroThreshold)
      part = 0.0;
  };
  for (Complex& root : roots)
    clean(root.im);
  for (Complex& root : roots)
    clean(root.re);
}
