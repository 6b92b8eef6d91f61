#include "cli/word_splitter.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::variant<std::span<const std::string>, UsageError> WordSplitter::Split(std::string_view line) {
  size_t count = 0;
  const char* p = line.data();
  const char* const end = p + line.size();
  while (true) {
    while (p != end && IsBlank(*p))
      ++p;
    if (p == end)
      break;
    if (count == words_.size())
      words_.emplace_back();
    std::string& word = words_[count++];
    word.clear();
    // A word runs to the next blank or tab outside quotes; a quoted empty word "" is a word.
    bool quoted = false;
    while (p != end) {
      const char* run = p;
      while (p != end && *p != '"' && (quoted || !IsBlank(*p)))
        ++p;
      word.append(run, p);
      if (p == end || *p != '"')
        break;
      quoted = !quoted;
      ++p;
    }
    if (quoted)
      return UsageError{"a double quote is not closed"};
  }
  return std::span<const std::string>(words_.data(), count);
}
