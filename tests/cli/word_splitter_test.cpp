#include "cli/word_splitter.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const char* line;
  std::vector<std::string> words;
};

const SplitCase kSplits[] = {
    {"roots 1 -3 2", {"roots", "1", "-3", "2"}},
    {"  complex\tinv  3 4 \t", {"complex", "inv", "3", "4"}},
    {"complex \"X / Y\" 1 2 3 -4", {"complex", "X / Y", "1", "2", "3", "-4"}},
    {"complex \"natural log (X)\" -1 0", {"complex", "natural log (X)", "-1", "0"}},
    {"a\"b c\"d e", {"ab cd", "e"}},  // quotes join onto the word they touch
    {"roots \"\" 1 2", {"roots", "", "1", "2"}},
    {"", {}},
    {"complex add 1.5 -2 3 4 extra words to the end of the line",
     {"complex", "add", "1.5", "-2", "3", "4", "extra", "words", "to", "the", "end", "of", "the",
      "line"}},
    {"\"a long word with \"\"its quotes\" x", {"a long word with its quotes", "x"}},
    {"q\"\"", {"q"}},
    // Words with quotes gather side by side, between words that are views of the line.
    {"\"a\" b \"c d\"e \"\" f\"g\"", {"a", "b", "c de", "", "fg"}},
    {" \t ", {}},
};

std::vector<std::string> Words(
    const std::variant<std::span<const std::string_view>, UsageError>& split) {
  const auto& words = std::get<std::span<const std::string_view>>(split);
  return {words.begin(), words.end()};
}

// One splitter for all the lines in turn, as a batch uses it: a line with fewer or shorter
// words than the one before it keeps nothing of that one.
TEST(WordSplitter, SplitsAtBlanksAndKeepsQuotedBlanks) {
  WordSplitter splitter;
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& c : kSplits) {
      const auto words = splitter.Split(c.line);
      ASSERT_TRUE(std::holds_alternative<std::span<const std::string_view>>(words)) << c.line;
      EXPECT_EQ(Words(words), c.words) << c.line;
    }
  }
}

TEST(WordSplitter, AQuoteLeftOpenIsAUsageError) {
  WordSplitter splitter;
  for (const char* line : {"complex \"X / Y 1 2", "\"", "roots 1 2 3\"", "a \"b\" \"c"}) {
    const auto words = splitter.Split(line);
    ASSERT_TRUE(std::holds_alternative<UsageError>(words)) << line;
    EXPECT_EQ(std::get<UsageError>(words).problem, "a double quote is not closed");
    EXPECT_EQ(Words(splitter.Split("roots 1 2 3")),
              (std::vector<std::string>{"roots", "1", "2", "3"}));
  }
}

}  // namespace
