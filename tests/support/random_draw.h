#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

// Uniform numbers from mt19937's 32-bit output by our own mapping, so that randomized cases
// are the same with every standard library.
class Draw {
 public:
  explicit Draw(uint32_t seed) : engine_(seed) {}
  double Unit() { return (engine_() + 0.5) / 4294967296.0; }
  bool Chance(double p) { return Unit() < p; }
  double Sign() { return Chance(0.5) ? -1.0 : 1.0; }
  double LogUniform(double lo, double hi) { return lo * std::pow(hi / lo, Unit()); }
  int Below(int n) { return static_cast<int>(Unit() * n); }

 private:
  std::mt19937 engine_;
};

// A random 17-digit decimal number, read as a double, with its power of ten from `lowest` to
// `highest` and a random sign.
inline double SeventeenDigits(Draw& draw, int lowest, int highest) {
  char text[48];
  std::snprintf(text, sizeof text, "%.16fe%d", 1 + 9 * draw.Unit(),
                lowest + draw.Below(highest - lowest + 1));
  return draw.Sign() * std::strtod(text, nullptr);
}
