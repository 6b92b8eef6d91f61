#include "poly/root_polish.h"

#include <cmath>
#include <complex>
#include <numbers>

// The refinement is Aberth's iteration: a Newton step for each root, corrected by the pull
// of the other roots, so that two approximations never settle on the same root of a
// cluster. A root is settled once |p| there is within the rounding error of evaluating p.

namespace {

using Point = std::complex<double>;

constexpr int kMaxRoots = 4;
constexpr int kMaxSweeps = 16;
constexpr double kUnitRoundoff = 0x1p-53;
// Restarted roots go round their centre from this angle, which no conjugation maps onto
// another of them.
constexpr double kRestartAngle = 0.7;

struct Evaluation {
  Point value;
  Point slope;
  double rounding;  // what rounding may have added to |value|
};

Evaluation Evaluate(std::span<const double> coefficients, Point x) {
  Evaluation e{coefficients[0], 0.0, 0.0};
  const double radius = std::abs(x);
  double size = std::fabs(coefficients[0]);
  for (size_t k = 1; k < coefficients.size(); ++k) {
    e.slope = e.slope * x + e.value;
    e.value = e.value * x + coefficients[k];
    size = size * radius + std::fabs(coefficients[k]);
  }
  // Horner's rule errs by at most about two unit roundoffs a step on sum |a_k| |x|^k.
  e.rounding = 2.0 * static_cast<double>(coefficients.size()) * kUnitRoundoff * size;
  return e;
}

bool IsFinite(Point x) {
  return std::isfinite(x.real()) && std::isfinite(x.imag());
}

class Refinement {
 public:
  Refinement(std::span<const double> coefficients, std::span<Complex> roots)
      : coefficients_(coefficients), n_(roots.size()) {
    for (size_t i = 0; i < n_; ++i)
      x_[i] = {roots[i].re, roots[i].im};
  }

  // Aberth sweeps until every root is settled; returns whether they all are.
  bool Sweep() {
    for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
      bool all_settled = true;
      for (size_t i = 0; i < n_; ++i) {
        if (settled_[i])
          continue;
        // An overflow, which leaves nothing to refine, settles a root as well.
        const Evaluation e = Evaluate(coefficients_, x_[i]);
        if (!(std::abs(e.value) > e.rounding)) {
          settled_[i] = true;
          continue;
        }
        all_settled = false;
        const Point newton = e.value / e.slope;
        Point pull = 0.0;
        for (size_t j = 0; j < n_; ++j)
          if (j != i && x_[j] != x_[i])
            pull += 1.0 / (x_[i] - x_[j]);
        const Point next = x_[i] - newton / (1.0 - newton * pull);
        if (IsFinite(next))
          x_[i] = next;
      }
      if (all_settled)
        return true;
    }
    return false;
  }

  // The closed forms may hand over a conjugate pair for two close real roots. Conjugation
  // maps the iteration onto itself, so such a pair can wander for long before it splits;
  // the unsettled roots start again from points round their centre that break the symmetry.
  void RestartUnsettled() {
    Point centre = 0.0;
    size_t count = 0;
    for (size_t i = 0; i < n_; ++i) {
      if (!settled_[i]) {
        centre += x_[i];
        ++count;
      }
    }
    if (count < 2)
      return;
    centre /= static_cast<double>(count);
    double radius = 0.0;
    for (size_t i = 0; i < n_; ++i)
      if (!settled_[i])
        radius = std::fmax(radius, std::abs(x_[i] - centre));
    const double turn = 2 * std::numbers::pi / static_cast<double>(count);
    double angle = kRestartAngle;
    for (size_t i = 0; i < n_; ++i) {
      if (!settled_[i]) {
        x_[i] = centre + std::polar(radius, angle);
        angle += turn;
      }
    }
  }

  void Store(std::span<Complex> roots) const {
    for (size_t i = 0; i < n_; ++i)
      roots[i] = {x_[i].real(), x_[i].imag()};
  }

 private:
  std::span<const double> coefficients_;
  size_t n_;
  Point x_[kMaxRoots];
  bool settled_[kMaxRoots] = {};
};

}  // namespace

void PolishRoots(std::span<const double> coefficients, std::span<Complex> roots) {
  Refinement refinement(coefficients, roots);
  if (!refinement.Sweep()) {
    refinement.RestartUnsettled();
    refinement.Sweep();
  }
  refinement.Store(roots);
}
