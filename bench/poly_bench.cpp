// The polynomial solvers from the numbers of their boxes to the finished roots text, as one
// press of Calculate runs them, with the effects of the run before reused as a batch reuses them.
#include <benchmark/benchmark.h>

#include "poly/cubic.h"
#include "poly/quadratic.h"
#include "poly/quartic.h"

namespace {

void Quadratic(benchmark::State& state, double a, double b, double c) {
  PolyEffects effects;
  for (auto _ : state) {
    CalculateQuadratic(a, b, c, effects);
    benchmark::DoNotOptimize(effects);
  }
}

void Cubic(benchmark::State& state, double a, double b, double c, double d) {
  PolyEffects effects;
  for (auto _ : state) {
    CalculateCubic(a, b, c, d, effects);
    benchmark::DoNotOptimize(effects);
  }
}

void Quartic(benchmark::State& state, double a4, double a3, double a2, double a1, double a0) {
  PolyEffects effects;
  for (auto _ : state) {
    CalculateQuartic(a4, a3, a2, a1, a0, effects);
    benchmark::DoNotOptimize(effects);
  }
}

}  // namespace

BENCHMARK_CAPTURE(Quadratic, real_roots, 1, -3, 2);
BENCHMARK_CAPTURE(Quadratic, complex_roots, -1, 2, -5);
BENCHMARK_CAPTURE(Quadratic, input_error, 0, 0, 0);

BENCHMARK_CAPTURE(Cubic, three_real_roots, 1, -6, 11, -6);
BENCHMARK_CAPTURE(Cubic, one_real_root, 1, 0, 1, 10);
BENCHMARK_CAPTURE(Cubic, pure_cubic, 1, 0, 0, -1);
BENCHMARK_CAPTURE(Cubic, triple_root, 1, -3, 3, -1);

BENCHMARK_CAPTURE(Quartic, general_route, 1, 2, 3, 4, 5);
BENCHMARK_CAPTURE(Quartic, general_four_real, 1, 0, -25, 60, -36);
BENCHMARK_CAPTURE(Quartic, biquadratic, 1, 0, 2, 0, 5);
BENCHMARK_CAPTURE(Quartic, zero_constant, 1, 0, 1, 1, 0);
BENCHMARK_CAPTURE(Quartic, both_special_routes, 1, -4, 6, -4, 1);
BENCHMARK_CAPTURE(Quartic, x4_and_constant, 1, 0, 0, 0, -16);
BENCHMARK_CAPTURE(Quartic, division_errors, 1, 0, -6, 8, -3);

// The hard cases: formulas that overflow, coefficients within the threshold, an exact root 0
// beside a close pair, and a cluster of four roots that double precision alone cannot split.
BENCHMARK_CAPTURE(Quadratic, overflowing_discriminant, 160.78, 0.0001, -7.5e307);
BENCHMARK_CAPTURE(Cubic, overflowing_formula, 1, 8.999e80, -1.0009e161, 1e238);
BENCHMARK_CAPTURE(Cubic, coefficients_within_threshold, 1, 1e-9, 1e-9, 1e-9);
BENCHMARK_CAPTURE(Quartic, overflowing_formula, 1, -9.98899e79, -1.1008989e157, -1.010999e233,
                  -1e307);
BENCHMARK_CAPTURE(Quartic, zero_root_beside_close_pair, -5.9e-6, -6e5, -5.9e-6, -0.6, 0);
BENCHMARK_CAPTURE(Quartic, cluster_of_four, 1, -4.000001, 6.000003, -4.000003, 1.000001);
