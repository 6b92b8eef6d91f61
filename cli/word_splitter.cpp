#include "cli/word_splitter.h"

std::variant<std::vector<std::string>, UsageError> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;  // a quoted empty word "" is still a word
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (in_word)
        words.push_back(std::move(word));
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (quoted)
    return UsageError{"a double quote is not closed"};
  if (in_word)
    words.push_back(std::move(word));
  return words;
}
