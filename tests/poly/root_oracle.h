#pragma once

// The reference roots of the polynomial as stored: Aberth's iteration in long double (64-bit
// significands) on the coefficients as read, started from roots chosen beforehand where the
// test has them, then continued in GCC's quadruple precision (__float128, 113-bit
// significands, in software), and each root with the radius to which quadruple precision
// pins it down (its Weierstrass disc with the rounding of p bounded). This shares no code
// with the solvers.

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

using LongRoot = std::complex<long double>;

struct ReferenceRoot {
  LongRoot value;
  long double radius;  // the true root lies within this of value
};

// p and sum |c_k| |z|^k; coefficients from the highest power down.
inline LongRoot LongHorner(const std::vector<double>& c, LongRoot z, long double* size) {
  LongRoot value = c[0];
  long double s = std::fabs(static_cast<long double>(c[0]));
  for (size_t k = 1; k < c.size(); ++k) {
    value = value * z + static_cast<long double>(c[k]);
    s = s * std::abs(z) + std::fabs(static_cast<long double>(c[k]));
  }
  *size = s;
  return value;
}

inline LongRoot LongSlope(const std::vector<double>& c, LongRoot z) {
  const size_t n = c.size() - 1;
  LongRoot slope = static_cast<long double>(c[0]) * static_cast<long double>(n);
  for (size_t k = 1; k < n; ++k)
    slope = slope * z + static_cast<long double>(c[k]) * static_cast<long double>(n - k);
  return slope;
}

// Starts where none are chosen: for roots of very different sizes, each group on its own
// circle, whose radius the coefficients give (from power i, the next power j with a non-zero
// coefficient that makes (|c_i| / |c_j|)^(1 / (j - i)) smallest takes j - i roots on that
// circle); round 0 for the zero roots of a zero constant.
inline std::vector<LongRoot> CircleStarts(const std::vector<double>& c) {
  const size_t n = c.size() - 1;
  const auto coefficient = [&](size_t power) {
    return std::fabs(static_cast<long double>(c[n - power]));
  };
  size_t zeros = 0;
  while (zeros < n && c[n - zeros] == 0)
    ++zeros;
  std::vector<LongRoot> starts(zeros, 0.0L);
  long double angle = 0.4L;
  for (size_t i = zeros; i < n;) {
    size_t next = i;
    long double radius = HUGE_VALL;
    for (size_t j = i + 1; j <= n; ++j) {
      if (coefficient(j) == 0)
        continue;
      const long double r = std::pow(coefficient(i) / coefficient(j), 1.0L / (j - i));
      if (r <= radius) {
        radius = r;
        next = j;
      }
    }
    for (size_t k = 0; k < next - i; ++k)
      starts.push_back(
          std::polar(radius, angle + 2 * std::numbers::pi_v<long double> * k / (next - i)));
    angle += 1.1L;
    i = next;
  }
  return starts;
}

// Complex numbers in quadruple precision, with just what Aberth's iteration needs.
struct Quad {
  __float128 re = 0, im = 0;
};
inline Quad operator+(Quad x, Quad y) {
  return {x.re + y.re, x.im + y.im};
}
inline Quad operator-(Quad x, Quad y) {
  return {x.re - y.re, x.im - y.im};
}
inline Quad operator*(Quad x, Quad y) {
  return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
}
inline Quad operator/(Quad x, Quad y) {
  const __float128 norm = y.re * y.re + y.im * y.im;
  return {(x.re * y.re + x.im * y.im) / norm, (x.im * y.re - x.re * y.im) / norm};
}
inline long double Modulus(Quad x) {
  return std::sqrt(static_cast<long double>(x.re * x.re + x.im * x.im));
}

// p, p' and sum |c_k| |z|^k at z in quadruple precision.
inline void QuadHorner(const std::vector<double>& c, Quad z, Quad* value, Quad* slope,
                       long double* size) {
  Quad v{c[0], 0}, s{};
  long double m = std::fabs(static_cast<long double>(c[0]));
  for (size_t k = 1; k < c.size(); ++k) {
    s = s * z + v;
    v = v * z + Quad{c[k], 0};
    m = m * Modulus(z) + std::fabs(static_cast<long double>(c[k]));
  }
  *value = v;
  *slope = s;
  *size = m;
}

// Continues Aberth's iteration in quadruple precision from the long double roots.
inline std::vector<ReferenceRoot> QuadRoots(const std::vector<double>& c,
                                            const std::vector<LongRoot>& start) {
  const size_t n = start.size();
  std::vector<Quad> z;
  for (const LongRoot& x : start)
    z.push_back({x.real(), x.imag()});
  for (int sweep = 0; sweep < 20; ++sweep) {
    long double largest_step = 0;
    for (size_t i = 0; i < n; ++i) {
      Quad value, slope;
      long double size;
      QuadHorner(c, z[i], &value, &slope, &size);
      if (value.re == 0 && value.im == 0)
        continue;
      Quad pull{};
      for (size_t j = 0; j < n; ++j)
        if (j != i && (z[j].re != z[i].re || z[j].im != z[i].im))
          pull = pull + Quad{1, 0} / (z[i] - z[j]);
      const Quad step = value / (slope - value * pull);
      const long double length = Modulus(step);
      if (std::isfinite(length)) {
        z[i] = z[i] - step;
        largest_step = std::max(largest_step, length / (Modulus(z[i]) + 1e-300L));
      }
    }
    if (largest_step < 1e-32L)
      break;
  }
  std::vector<ReferenceRoot> roots;
  for (size_t i = 0; i < n; ++i) {
    Quad value, slope;
    long double size;
    QuadHorner(c, z[i], &value, &slope, &size);
    long double product = std::fabs(static_cast<long double>(c[0]));
    for (size_t j = 0; j < n; ++j)
      if (j != i)
        product *= Modulus(z[i] - z[j]);
    const long double error = 4 * n * std::ldexp(1.0L, -112) * size;
    const bool zero = z[i].re == 0 && z[i].im == 0;
    // 0 is exactly a root when the constant term is 0.
    const long double radius = zero && c[n] == 0 ? 0.0L
                               : product > 0     ? 1.01L * n * (Modulus(value) + error) / product
                                                 : HUGE_VALL;
    roots.push_back({{static_cast<long double>(z[i].re), static_cast<long double>(z[i].im)},
                     radius + 1e-19L * Modulus(z[i])});
  }
  return roots;
}

inline std::vector<ReferenceRoot> ReferenceRoots(const std::vector<double>& c,
                                                 std::vector<LongRoot> z) {
  const size_t n = z.size();
  // Chosen roots are nudged off any symmetry (multiple roots included) before iterating.
  for (size_t i = 0; i < n; ++i)
    if (z[i] != 0.0L)
      z[i] += std::polar(1e-7L * std::abs(z[i]), 0.3L + 1.1L * i);
  for (int sweep = 0; sweep < 100; ++sweep) {
    long double largest_step = 0;
    for (size_t i = 0; i < n; ++i) {
      long double size;
      const LongRoot value = LongHorner(c, z[i], &size);
      if (value == 0.0L)
        continue;
      LongRoot pull = 0;
      for (size_t j = 0; j < n; ++j)
        if (j != i && z[j] != z[i])
          pull += 1.0L / (z[i] - z[j]);
      const LongRoot step = value / (LongSlope(c, z[i]) - value * pull);
      if (std::isfinite(step.real()) && std::isfinite(step.imag())) {
        z[i] -= step;
        largest_step = std::max(largest_step, std::abs(step) / (std::abs(z[i]) + 1e-300L));
      }
    }
    if (largest_step < 1e-21L && sweep > 3)
      break;
  }
  return QuadRoots(c, z);
}
