// The cubic solver on coefficient texts, one a line, from the highest power down.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "fuzz/poly_roots_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckSolverOnTexts(input, 3);
  return 0;
}
