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
    {" \t ", {}},
};

TEST(SplitWords, SplitsAtBlanksAndKeepsQuotedBlanks) {
  for (const auto& c : kSplits) {
    const auto words = SplitWords(c.line);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(words)) << c.line;
    EXPECT_EQ(std::get<std::vector<std::string>>(words), c.words) << c.line;
  }
}

TEST(SplitWords, AQuoteLeftOpenIsAUsageError) {
  for (const char* line : {"complex \"X / Y 1 2", "\"", "roots 1 2 3\""}) {
    const auto words = SplitWords(line);
    ASSERT_TRUE(std::holds_alternative<UsageError>(words)) << line;
    EXPECT_EQ(std::get<UsageError>(words).problem, "a double quote is not closed");
  }
}

}  // namespace
