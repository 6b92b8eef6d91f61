#include "cli/quoted_word.h"

#include "cli/utf8.h"

namespace {

void AppendEscapedBytes(std::string_view bytes, std::string& out) {
  static const char kHex[] = "0123456789abcdef";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xf];
  }
}

}  // namespace

std::string QuotedWord(std::string_view word) {
  std::string quoted = "\"";
  while (!word.empty()) {
    const size_t length = Utf8SequenceLength(word);
    if (length == 0) {
      AppendEscapedBytes(word.substr(0, 1), quoted);
      word.remove_prefix(1);
      continue;
    }
    const std::string_view character = word.substr(0, length);
    if (IsControlCharacter(character))
      AppendEscapedBytes(character, quoted);
    else if (character == "\"" || character == "\\")
      (quoted += '\\') += character;
    else
      quoted += character;
    word.remove_prefix(length);
  }
  return quoted += '"';
}
