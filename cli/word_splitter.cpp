#include "cli/word_splitter.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::variant<std::span<const std::string_view>, UsageError> WordSplitter::Split(
    std::string_view line) {
  words_.clear();
  // The words with quotes take no more room than the line, so the text never moves while the
  // views into it are made.
  if (quoted_words_.size() < line.size())
    quoted_words_.resize(line.size());
  char* gathered = quoted_words_.data();
  const char* p = line.data();
  const char* const end = p + line.size();
  while (true) {
    while (p != end && IsBlank(*p))
      ++p;
    if (p == end)
      break;
    const char* const start = p;
    while (p != end && !IsBlank(*p) && *p != '"')
      ++p;
    if (p == end || *p != '"') {
      words_.emplace_back(start, static_cast<size_t>(p - start));
      continue;
    }
    // A word runs to the next blank or tab outside quotes; a quoted empty word "" is a word.
    char* const first = gathered;
    gathered = std::copy(start, p, gathered);
    bool quoted = false;
    for (; p != end && (quoted || !IsBlank(*p)); ++p) {
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
