// Writes `count` random quartics as quillet-calc batch lines ("roots A4 A3 A2 A1 A0"), the
// same lines for the same seed on every machine: the generator's raw output is used, without
// the library's distributions, whose results the standard leaves open.
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_quartics COUNT SEED\n");
    return 2;
  }
  const long count = std::atol(argv[1]);
  std::mt19937_64 random(std::strtoull(argv[2], nullptr, 10));
  // Coefficients from -100.00 to 100.00 in steps of 0.01; the leading one is never 0.
  const auto coefficient = [&random] { return static_cast<long>(random() % 20001) - 10000; };
  for (long i = 0; i < count; ++i) {
    long a4 = coefficient();
    if (a4 == 0)
      a4 = 100;
    const long a3 = coefficient(), a2 = coefficient(), a1 = coefficient(), a0 = coefficient();
    std::printf("roots %.2f %.2f %.2f %.2f %.2f\n", a4 / 100.0, a3 / 100.0, a2 / 100.0, a1 / 100.0,
                a0 / 100.0);
  }
  return 0;
}
