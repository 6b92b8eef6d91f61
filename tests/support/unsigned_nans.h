#pragma once

#include <string>

// 0/0 carries the processor's default NaN, whose sign differs between machines. Tests compare
// result texts with every "-nan" blanked to " nan": the field width stays, and so does every
// other sign, the complex results' "+ j"/"- j" choice among them.
inline std::string WithUnsignedNaNs(std::string text) {
  for (size_t at = text.find("-nan"); at != std::string::npos; at = text.find("-nan", at))
    text[at] = ' ';
  return text;
}
