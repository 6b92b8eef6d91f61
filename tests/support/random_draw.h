#pragma once

#include <cmath>
#include <cstdint>
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
