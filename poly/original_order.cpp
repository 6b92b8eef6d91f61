#include "poly/original_order.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kMaxRoots = 4;

// |re| + |im| of the difference: as good a nearness as the Euclidean one for telling roots
// apart, and much cheaper over the 24 orders of four roots.
double Distance(Complex x, Complex position) {
  if (!std::isfinite(position.re) || !std::isfinite(position.im))
    return 0.0;
  const double d = std::fabs(x.re - position.re) + std::fabs(x.im - position.im);
  return std::isnan(d) ? HUGE_VAL : d;
}

}  // namespace

void PlaceAtOriginalPositions(std::span<Complex> roots, std::span<const Complex> original) {
  const size_t n = roots.size();
  double distance[kMaxRoots][kMaxRoots];
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < n; ++k)
      distance[i][k] = Distance(roots[i], original[k]);
  // When every root is nearest to its own position, the given order is the shortest pairing.
  bool each_nearest_its_own = true;
  for (size_t i = 0; i < n && each_nearest_its_own; ++i)
    for (size_t k = 0; k < n; ++k)
      each_nearest_its_own = each_nearest_its_own && distance[i][i] <= distance[i][k];
  if (each_nearest_its_own)
    return;
  // order[k] is the root placed at position k; permutations come in lexicographic order from
  // the given one, and only a strictly shorter total replaces the best so far.
  size_t order[kMaxRoots], best[kMaxRoots];
  for (size_t k = 0; k < n; ++k)
    order[k] = best[k] = k;
  double shortest = HUGE_VAL;
  do {
    double total = 0.0;
    for (size_t k = 0; k < n; ++k)
      total += distance[order[k]][k];
    if (total < shortest) {
      shortest = total;
      std::copy(order, order + n, best);
    }
  } while (std::next_permutation(order, order + n));
  Complex placed[kMaxRoots];
  for (size_t k = 0; k < n; ++k)
    placed[k] = roots[best[k]];
  std::copy(placed, placed + n, roots.begin());
}
