// The cubic solver on coefficient texts, one a line, from the highest power down.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "fuzz/poly_roots_check.h"
#include "poly/cubic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto t = InputTexts(input, 4);
  CheckPolyEffects(CalculateCubic(t[0], t[1], t[2], t[3]), 3, input);
  return 0;
}
