#include "poly/original_order.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kMaxRoots = 4;
// Below this fraction of the sizes of the roots and positions at which two pairings differ,
// their totals are equal.
constexpr double kTie = 0x1p-40;

bool IsFinite(Complex x) {
  return std::isfinite(x.re) && std::isfinite(x.im);
}

// |re| + |im| of the difference: as good a nearness as the Euclidean one for telling roots
// apart, and much cheaper over the 24 orders of four roots.
double Distance(Complex x, Complex position) {
  if (!IsFinite(position))
    return 0.0;
  const double d = std::fabs(x.re - position.re) + std::fabs(x.im - position.im);
  return std::isnan(d) ? HUGE_VAL : d;
}

// |re| + |im| of the finite parts, to which the rounding of a distance is relative.
double Size(Complex x) {
  return (std::isfinite(x.re) ? std::fabs(x.re) : 0.0) +
         (std::isfinite(x.im) ? std::fabs(x.im) : 0.0);
}

bool SameRoot(Complex x, Complex y) {
  return x.re == y.re && x.im == y.im;
}

// Whether, of two equally short pairings, `order` is `best` with the two roots of a conjugate
// pair swapped so that the upper one comes first, at positions of which the original filled
// at least one: a tie between the two roots of a pair is then decided by the roots, not by the
// rounding of the distances or by the order that the refinement left them in.
bool PutsUpperRootFirst(std::span<const Complex> roots, std::span<const Complex> original,
                        const size_t* order, const size_t* best, size_t n, double tie) {
  size_t first = n, second = n;
  for (size_t k = 0; k < n; ++k) {
    if (order[k] == best[k])
      continue;
    if (second != n)
      return false;
    (first == n ? first : second) = k;
  }
  if (second == n || (!IsFinite(original[first]) && !IsFinite(original[second])))
    return false;
  const Complex upper = roots[order[first]], lower = roots[order[second]];
  return upper.im > 0 && std::fabs(upper.re - lower.re) <= tie &&
         std::fabs(upper.im + lower.im) <= tie;
}

// The largest and the smallest |re| + |im| distance of a point in `box` from `position` (a NaN
// bound gives NaN).
double Farthest(const Box& box, Complex position) {
  return std::max(std::fabs(box.re_low - position.re), std::fabs(box.re_high - position.re)) +
         std::max(std::fabs(box.im_low - position.im), std::fabs(box.im_high - position.im));
}
double Nearest(const Box& box, Complex position) {
  const auto gap = [](double low, double high, double x) {
    return x < low ? low - x : x > high ? x - high : 0.0;
  };
  return gap(box.re_low, box.re_high, position.re) + gap(box.im_low, box.im_high, position.im);
}

}  // namespace

bool KeepsGivenOrder(std::span<const Box> boxes, std::span<const Complex> original) {
  const size_t n = boxes.size();
  double largest = 0.0;
  for (size_t k = 0; k < n; ++k) {
    if (!IsFinite(original[k]))
      return false;
    const Box& b = boxes[k];
    const double box_size = std::max(std::fabs(b.re_low), std::fabs(b.re_high)) +
                            std::max(std::fabs(b.im_low), std::fabs(b.im_high));
    largest = std::max(largest, std::max(box_size, Size(original[k])));
  }
  // The placement keeps the given order where each root is nearer to its own position by
  // 3 kTie of the largest size; one kTie more covers the rounding of its distances and sizes,
  // which is far below it. A bound that is not a number fails every comparison.
  for (size_t i = 0; i < n; ++i) {
    const double own = Farthest(boxes[i], original[i]) + 4 * kTie * largest;
    for (size_t k = 0; k < n; ++k)
      if (k != i && !(own < Nearest(boxes[i], original[k])))
        return false;
  }
  return true;
}

void PlaceAtOriginalPositions(std::span<Complex> roots, std::span<const Complex> original) {
  const size_t n = roots.size();
  double distance[kMaxRoots][kMaxRoots];
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < n; ++k)
      distance[i][k] = Distance(roots[i], original[k]);
  double root_size[kMaxRoots], position_size[kMaxRoots], largest = 0.0;
  for (size_t k = 0; k < n; ++k) {
    root_size[k] = Size(roots[k]);
    position_size[k] = Size(original[k]);
    largest = std::fmax(largest, std::fmax(root_size[k], position_size[k]));
  }
  // When every root is clearly nearest to its own position, or as near as an identical root,
  // the given order is the shortest pairing. (Clearly: by more than rounding may decide on the
  // largest root or position; where that is too coarse, the search below decides.)
  bool each_nearest_its_own = true;
  for (size_t i = 0; i < n && each_nearest_its_own; ++i)
    for (size_t k = 0; k < n; ++k)
      each_nearest_its_own =
          each_nearest_its_own && (k == i || SameRoot(roots[i], roots[k]) ||
                                   distance[i][i] + 3 * kTie * largest < distance[i][k]);
  if (each_nearest_its_own)
    return;
  // Two pairings' totals are equal where they differ by less than what rounding may decide
  // on the positions at which they differ.
  const auto tolerance = [&](const size_t* order, const size_t* best) {
    double size = 0.0;
    for (size_t k = 0; k < n; ++k)
      if (order[k] != best[k])
        size += root_size[order[k]] + root_size[best[k]] + position_size[k];
    return kTie * size;
  };
  // order[k] is the root placed at position k; permutations come in lexicographic order from
  // the given one, and a later one replaces the best so far only if it is shorter, or equally
  // short and puts the upper root of a conjugate pair first.
  size_t order[kMaxRoots], best[kMaxRoots];
  for (size_t k = 0; k < n; ++k)
    order[k] = best[k] = k;
  double shortest = 0.0;
  for (size_t k = 0; k < n; ++k)
    shortest += distance[k][k];
  while (std::next_permutation(order, order + n)) {
    double total = 0.0;
    for (size_t k = 0; k < n; ++k)
      total += distance[order[k]][k];
    const double tie = tolerance(order, best);
    const bool shorter = total + tie < shortest;
    const bool as_short = !shorter && total <= shortest + tie;
    if (shorter || (as_short && PutsUpperRootFirst(roots, original, order, best, n, tie))) {
      shortest = total;
      std::copy(order, order + n, best);
    }
  }
  Complex placed[kMaxRoots];
  for (size_t k = 0; k < n; ++k)
    placed[k] = roots[best[k]];
  std::copy(placed, placed + n, roots.begin());
}
