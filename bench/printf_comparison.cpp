// Holds the result texts against the C library's printf on many random doubles: every number
// of digits from 1 to 17 in turn, over the whole range of doubles and their rounding
// boundaries. Exits with 1 at the first few mismatches.
#include <cstdio>
#include <cstdlib>

#include "tests/common/printf_comparison.h"

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 10000000;
  const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261208;
  PrintfComparisonValues values(seed);
  int mismatches = 0;
  for (long i = 0; i < count && mismatches < 10; ++i) {
    const double value = values.Next();
    const int digits =
        i % 2 == 0 ? ResultDigits::kStandard : 1 + static_cast<int>(i / 2 % ResultDigits::kMost);
    if (const auto mismatch = CompareWithPrintf(value, digits)) {
      ++mismatches;
      std::printf("%s of %a: \"%s\" against printf's \"%s\"\n", mismatch->format.c_str(),
                  mismatch->value, mismatch->ours.c_str(), mismatch->printf.c_str());
    }
  }
  std::printf("result texts against printf on %ld random doubles (seed %llu): %s\n", count,
              static_cast<unsigned long long>(seed), mismatches == 0 ? "all equal" : "MISMATCHES");
  return mismatches == 0 ? 0 : 1;
}
