#include "cli/word_splitter.h"

#include <gtest/gtest.h>

#include <string_view>

#include "tests/support/random_draw.h"

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

// The splitting rules one byte at a time, as plainly as they can be said: outside quotes a
// blank or tab ends a word, a double quote turns quoting on or off, every other byte belongs
// to the word; a quote left open is an error.
std::variant<std::vector<std::string>, UsageError> ReferenceSplit(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false, quoted = false;
  for (const char c : line) {
    if (!quoted && (c == ' ' || c == '\t')) {
      if (in_word)
        words.push_back(word);
      word.clear();
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '"')
      quoted = !quoted;
    else
      word += c;
  }
  if (quoted)
    return UsageError{"a double quote is not closed"};
  if (in_word)
    words.push_back(word);
  return words;
}

// Random lines of word bytes, blanks, tabs, quotes, CRs, NULs, controls and UTF-8, long and
// short in turn through one splitter, against the rules above.
TEST(WordSplitter, SplitsRandomLinesAsTheRulesSay) {
  WordSplitter splitter;
  Draw draw(20261209);
  // Bytes on both sides of 0x23, below which the splitter looks closer, and beyond ASCII.
  using namespace std::string_view_literals;
  const std::string_view pieces[] = {"a",    "1",    "-",    ".",  "e",        " ",
                                     " ",    "\t",   "\"",   "\r", "!",        "#",
                                     "\x1f", "\0"sv, "\xff", "  ", "\xc3\xa9", "abcdefghi"};
  for (int n = 0; n < 8000; ++n) {
    std::string line;
    const int length = draw.Below(n % 2 == 0 ? 12 : 60);
    for (int i = 0; i < length; ++i)
      line += pieces[draw.Below(static_cast<int>(std::size(pieces)))];
    const auto split = splitter.Split(line);
    const auto expected = ReferenceSplit(line);
    if (const auto* error = std::get_if<UsageError>(&expected)) {
      ASSERT_TRUE(std::holds_alternative<UsageError>(split)) << line;
      ASSERT_EQ(std::get<UsageError>(split), *error);
    } else {
      ASSERT_TRUE(std::holds_alternative<std::span<const std::string_view>>(split)) << line;
      ASSERT_EQ(Words(split), std::get<std::vector<std::string>>(expected)) << line;
    }
  }
}

}  // namespace
