// The field-number reader against the C library: on the longest prefix that can only be a
// decimal number (no hexadecimal, "inf" or "nan" for strtod to find), both must read the same
// double, bit for bit, in the "C" locale, whatever locale the process runs in.
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/c_locale.h"
#include "common/field_number.h"
#include "fuzz/fuzz_checks.h"

namespace {

// The text up to the first character that a decimal number, or the blanks before it, cannot
// hold.
std::string DecimalCandidate(std::string_view text) {
  const size_t end = text.find_first_not_of(std::string_view(" \t\n\v\f\r+-.0123456789eE"));
  return std::string(text.substr(0, end));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A comma-decimal locale, where one is installed, proves that the reader ignores it.
  static const bool locale_set = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  (void)locale_set;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double read = FieldNumber(text);
  const std::string candidate = DecimalCandidate(text);
  const double expected = strtod_l(candidate.c_str(), nullptr, CLocale());
  FuzzCheck(std::memcmp(&read, &expected, sizeof read) == 0, "FieldNumber differs from strtod",
            "text \"" + std::string(text) + "\": " + std::to_string(read) + " against " +
                std::to_string(expected));
  return 0;
}
