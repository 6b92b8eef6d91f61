#include "cli/quoted_word.h"

#include <gtest/gtest.h>

#include "cli/utf8.h"

namespace {

TEST(QuotedWord, EscapesWhatATerminalWouldActOn) {
  const struct {
    const char* word;
    const char* quoted;
  } cases[] = {
      {"cube", "\"cube\""},
      {"", "\"\""},
      {"\x1b]0;owned\x07", "\"\\x1b]0;owned\\x07\""},  // a terminal title
      {"\x1b[2J", "\"\\x1b[2J\""},                     // clears the screen
      {"a\tb\rc\n", "\"a\\x09b\\x0dc\\x0a\""},
      {"\x7f", "\"\\x7f\""},
      {"\xc2\x9b"
       "2J",
       "\"\\xc2\\x9b2J\""},  // C1 CSI, well-formed UTF-8
      {"bogus\xff\xfe", "\"bogus\\xff\\xfe\""},
      {"\xe2\x82", "\"\\xe2\\x82\""},  // cut short
      {"say \"hi\" \\", "\"say \\\"hi\\\" \\\\\""},
      {"zwei\xc2\xb7\xcf\x80\xe2\x82\xac\xf0\x9f\x98\x80",
       "\"zwei\xc2\xb7\xcf\x80\xe2\x82\xac\xf0\x9f\x98\x80\""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QuotedWord(c.word), c.quoted) << c.word;
}

TEST(Utf8SequenceLength, AcceptsOnlyWellFormedSequences) {
  const struct {
    const char* bytes;
    size_t length;
  } cases[] = {
      {"a", 1},
      {"\xc2\xa0", 2},
      {"\xdf\xbf", 2},
      {"\xe0\xa0\x80", 3},
      {"\xed\x9f\xbf", 3},
      {"\xef\xbf\xbd", 3},
      {"\xf0\x90\x80\x80", 4},
      {"\xf4\x8f\xbf\xbf", 4},
      {"", 0},
      {"\x80", 0},              // a continuation byte alone
      {"\xc0\xaf", 0},          // overlong '/'
      {"\xc1\xbf", 0},          // overlong
      {"\xe0\x9f\xbf", 0},      // overlong three bytes
      {"\xed\xa0\x80", 0},      // a surrogate
      {"\xf0\x8f\xbf\xbf", 0},  // overlong four bytes
      {"\xf4\x90\x80\x80", 0},  // beyond U+10FFFF
      {"\xf5\x80\x80\x80", 0},
      {"\xe2\x82", 0},  // cut short
      {"\xe2\x28\xa1", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Utf8SequenceLength(c.bytes), c.length) << c.bytes;
}

}  // namespace
