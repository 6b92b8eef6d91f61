#include "cli/utf8.h"

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xc0) == 0x80;
}

}  // namespace

size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty())
    return 0;
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return 1;
  size_t length;
  // The range of the second byte that keeps the sequence shortest and within Unicode:
  // E0 and F0 would otherwise allow overlong forms, ED the surrogates, F4 beyond U+10FFFF.
  unsigned char low = 0x80, high = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0)
      low = 0xa0;
    if (lead == 0xed)
      high = 0x9f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0)
      low = 0x90;
    if (lead == 0xf4)
      high = 0x8f;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high)
    return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i)))
      return 0;
  }
  return length;
}

bool IsControlCharacter(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1)
    return lead < 0x20 || lead == 0x7f;
  return lead == 0xc2 && static_cast<unsigned char>(character[1]) < 0xa0;
}
