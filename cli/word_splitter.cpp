#include "cli/word_splitter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// What a byte of a line does to the words: most bytes belong to a word, a blank or tab ends
// one, and a double quote starts or ends a quoted part of one. One lookup a byte tells.
enum class ByteRole : unsigned char { Word, Blank, Quote };

constexpr std::array<ByteRole, 256> kRoles = [] {
  std::array<ByteRole, 256> roles{};
  roles.fill(ByteRole::Word);
  roles[' '] = roles['\t'] = ByteRole::Blank;
  roles['"'] = ByteRole::Quote;
  return roles;
}();

ByteRole Role(char c) {
  return kRoles[static_cast<unsigned char>(c)];
}

// The end of the run of word bytes that starts at `p`. Eight bytes at a time where eight are
// left: only a byte below 0x23 can be a blank, a tab or a quote, and one subtraction marks the
// first such byte of the eight exactly (its borrow can only mark bytes after it). A byte so
// marked that belongs to words after all (a control character, '!') is passed over.
const char* WordEnd(const char* p, const char* const end) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101, kHighBits = 0x8080808080808080;
    while (end - p >= 8) {
      std::uint64_t bytes;
      std::memcpy(&bytes, p, sizeof bytes);
      const std::uint64_t below = (bytes - 0x23 * kOnes) & ~bytes & kHighBits;
      if (below == 0) {
        p += 8;
        continue;
      }
      p += std::countr_zero(below) / 8;
      if (Role(*p) != ByteRole::Word)
        return p;
      ++p;
    }
  }
  while (p != end && Role(*p) == ByteRole::Word)
    ++p;
  return p;
}

}  // namespace

std::variant<std::span<const std::string_view>, UsageError> WordSplitter::Split(
    std::string_view line) {
  words_.clear();
  const char* p = line.data();
  const char* const end = p + line.size();
  char* gathered = nullptr;
  while (true) {
    while (p != end && Role(*p) == ByteRole::Blank)
      ++p;
    if (p == end)
      break;
    const char* const start = p;
    p = WordEnd(p, end);
    if (p == end || Role(*p) == ByteRole::Blank) {
      words_.emplace_back(start, static_cast<size_t>(p - start));
      continue;
    }
    // The words with quotes take no more room than the line, so the text never moves while
    // the views into it are made.
    if (gathered == nullptr) {
      if (quoted_words_.size() < line.size())
        quoted_words_.resize(line.size());
      gathered = quoted_words_.data();
    }
    // A word runs to the next blank or tab outside quotes; a quoted empty word "" is a word.
    char* const first = gathered;
    gathered = std::copy(start, p, gathered);
    bool quoted = false;
    for (; p != end && (quoted || Role(*p) != ByteRole::Blank); ++p) {
      if (*p == '"')
        quoted = !quoted;
      else
        *gathered++ = *p;
    }
    if (quoted)
      return UsageError{"a double quote is not closed"};
    words_.emplace_back(first, static_cast<size_t>(gathered - first));
  }
  return std::span<const std::string_view>(words_);
}
