#include "cli/word_splitter.h"

std::variant<std::span<const std::string>, UsageError> WordSplitter::Split(std::string_view line) {
  size_t count = 0;
  const auto next_word = [&]() -> std::string& {
    if (count == words_.size())
      words_.emplace_back();
    std::string& word = words_[count++];
    word.clear();
    return word;
  };
  size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string_view::npos)
      break;
    // A word runs to the next blank or tab outside quotes; a quoted empty word "" is a word.
    std::string& word = next_word();
    bool quoted = false;
    for (; at < line.size(); ++at) {
      const size_t end = line.find_first_of(quoted ? "\"" : " \t\"", at);
      word.append(line.substr(at, end - at));
      at = end;
      if (end == std::string_view::npos || line[end] != '"')
        break;
      quoted = !quoted;
    }
    if (quoted)
      return UsageError{"a double quote is not closed"};
    if (at == std::string_view::npos)
      break;
  }
  return std::span<const std::string>(words_.data(), count);
}
