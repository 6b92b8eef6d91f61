#include "cli/event_printer.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

#include "cli/help_text.h"

namespace {

using Kind = PolyEffect::Kind;

struct PrintCase {
  CalculationEvents events;
  const char* out;
  const char* err;
  const char* json;
};

const PrintCase kPrints[] = {
    {{{PolyEffect{Kind::ShowRoots,
                  " Two Real Roots: \r\n\r\n x1 =            2 \r\n x2 =            1"}}},
     " Two Real Roots: \n\n x1 =            2 \n x2 =            1\n",
     "",
     "{\"events\":[{\"roots\":\" Two Real Roots: \\r\\n\\r\\n x1 =            2 \\r\\n x2 =   "
     "         1\"}]}\n"},
    {{{PolyEffect{Kind::Message, "\n Input Error \n"},
       PolyEffect{Kind::WriteBack, "0.", CoefficientBox::X},
       PolyEffect{Kind::WriteBack, "0.", CoefficientBox::Constant}}},
     "",
     "\n Input Error \n\n",
     "{\"events\":[{\"message\":\"\\n Input Error \\n\"},{\"set\":{\"box\":\"X\",\"text\":\"0.\"}},"
     "{\"set\":{\"box\":\"constant\",\"text\":\"0.\"}}]}\n"},
    {{{PolyEffect{Kind::Message, "Complex division error."},
       PolyEffect{Kind::Message, "Complex division error."},
       PolyEffect{Kind::ShowRoots, "Complex Roots \r\n\r\n X1 =           0 + j (           0) "}}},
     "Complex Roots \n\n X1 =           0 + j (           0) \n",
     "Complex division error.\nComplex division error.\n",
     "{\"events\":[{\"message\":\"Complex division error.\"},{\"message\":\"Complex division "
     "error.\"},{\"roots\":\"Complex Roots \\r\\n\\r\\n X1 =           0 + j (           0) "
     "\"}]}\n"},
    {{{}, {ResultWithNumbers{"\n Angle between X and Y \t=            0 radians ", {}}}},
     "\n Angle between X and Y \t=            0 radians \n",
     "",
     "{\"events\":[{\"result\":\"\\n Angle between X and Y \\t=            0 radians \"}]}\n"},
    // Only "\r\n" becomes "\n": a "\r" on its own stays, also at the end of the text.
    {{{}, {ResultWithNumbers{"a\r\r\nb\rc\n\r", {}}}},
     "a\r\nb\rc\n\r\n",
     "",
     "{\"events\":[{\"result\":\"a\\r\\r\\nb\\rc\\n\\r\"}]}\n"},
};

TEST(AppendPlain, PutsResultsOnOutAndMessagesOnErrWithLineFeeds) {
  for (const auto& c : kPrints) {
    std::string out = "before\n", err;
    AppendPlain(c.events, out, err);
    EXPECT_EQ(out, std::string("before\n") + c.out);
    EXPECT_EQ(err, c.err);
  }
}

// Texts of every length up to beyond the printer's room, of letters, carriage returns and line
// feeds in every arrangement, against a plain byte-by-byte rewriting: words that hold several
// carriage returns, a "\r\n" split across any place, and a "\r" or "\r\n" at either end.
TEST(AppendPlain, WritesEveryCarriageReturnAndLineFeedAsALineFeedInTextsOfAnyLength) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 3000; ++round) {
    const size_t length = round < 64 ? static_cast<size_t>(round) : random() % 700;
    std::string text;
    for (size_t i = 0; i < length; ++i) {
      const unsigned pick = random() % 6;
      text += pick == 0 ? '\r' : pick == 1 ? '\n' : static_cast<char>('a' + random() % 26);
    }
    std::string expected = "before";
    for (size_t i = 0; i < text.size(); ++i)
      if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
        expected += text[i];
    expected += '\n';
    std::string out = "before", err;
    AppendPlain({{}, {ResultWithNumbers{text, {}}}}, out, err);
    ASSERT_EQ(out, expected) << "text of " << length;
  }
}

TEST(AppendJson, WritesEveryEventInOrderWithItsExactText) {
  for (const auto& c : kPrints) {
    std::string out;
    AppendJson(c.events, out);
    EXPECT_EQ(out, c.json);
  }
}

TEST(AppendJsonString, EscapesQuotesBackslashesAndControlCharacters) {
  const struct {
    const char* text;
    const char* json;
  } cases[] = {
      {"plain", "\"plain\""},
      {"say \"X / Y\"", "\"say \\\"X / Y\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {"\r\n\t", "\"\\r\\n\\t\""},
      {"\x01\x1f", "\"\\u0001\\u001f\""},
      {"", "\"\""},
      // Always valid UTF-8: a byte that is not becomes U+FFFD, and C1 controls are escaped too.
      {"bogus\xff\xfe", "\"bogus\\ufffd\\ufffd\""},
      {"\xe2\x82", "\"\\ufffd\\ufffd\""},
      {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},
      {"\x1b[2J\x7f", "\"\\u001b[2J\\u007f\""},
      {"\xc2\x9b", "\"\\u009b\""},
      {"\xcf\x80 \xe2\x82\xac \xf0\x9f\x98\x80", "\"\xcf\x80 \xe2\x82\xac \xf0\x9f\x98\x80\""},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendJsonString(c.text, out);
    EXPECT_EQ(out, c.json) << c.text;
  }
}

TEST(AppendJsonNumber, WritesTheShortestTextThatReadsBackAndNamesNonFiniteNumbers) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    const char* json;
  } cases[] = {
      {0.1, "0.1"},       {2.0 / 3, "0.6666666666666666"},
      {-0.0, "-0"},       {1e300, "1e+300"},
      {5e-324, "5e-324"}, {123456789012345680.0, "123456789012345680"},
      {inf, "\"inf\""},   {-inf, "\"-inf\""},
      {nan, "\"nan\""},   {-nan, "\"-nan\""},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendJsonNumber(c.value, out);
    EXPECT_EQ(out, c.json);
  }
}

TEST(AppendJson, GivesTheRootsAndResultsNumbersBesideTheirTexts) {
  const CalculationEvents roots = {{PolyEffect{
      Kind::ShowRoots,
      "Complex Roots ",
      CoefficientBox::Constant,
      {{1, 0, 2.220446049250313e-16, true}, {-0.5, 0.8660254037844386, 1e-300, false}}}}};
  std::string out;
  AppendJson(roots, out);
  EXPECT_EQ(out,
            "{\"events\":[{\"roots\":\"Complex Roots \",\"values\":["
            "{\"re\":1,\"im\":0,\"radius\":2.220446049250313e-16,\"isolated\":true},"
            "{\"re\":-0.5,\"im\":0.8660254037844386,\"radius\":1e-300,\"isolated\":false}]}]}\n");
  const CalculationEvents result = {
      {}, {ResultWithNumbers{" 1/X = ", {{"re", 0.12}, {"im", -0.16}, {"magnitude", 0.2}}}}};
  out.clear();
  AppendJson(result, out);
  EXPECT_EQ(out,
            "{\"events\":[{\"result\":\" 1/X = \",\"values\":{\"re\":0.12,\"im\":-0.16,"
            "\"magnitude\":0.2}}]}\n");
}

TEST(AppendPlain, PrintsWhatTheRootsBoxFinallyHoldsWithEveryMessageInOrder) {
  const CalculationEvents events = {{PolyEffect{Kind::ShowRoots, "first\r\nroots"},
                                     PolyEffect{Kind::Message, "Complex division error."},
                                     PolyEffect{Kind::ShowRoots, "second\r\nroots"},
                                     PolyEffect{Kind::Message, "Error"}}};
  std::string out, err;
  AppendPlain(events, out, err);
  EXPECT_EQ(out, "second\nroots\n");
  EXPECT_EQ(err, "Complex division error.\nError\n");
  // One stream for both: the messages come before the answer, as their boxes come first.
  std::string both;
  AppendPlain(events, both, both);
  EXPECT_EQ(both, "Complex division error.\nError\nsecond\nroots\n");
}

TEST(UsageErrors, NameTheProblemInEitherFormat) {
  std::string err;
  AppendPlainUsageError("roots takes 3, 4 or 5 coefficients, not 2", err);
  EXPECT_EQ(err, "quillet-calc: roots takes 3, 4 or 5 coefficients, not 2\n" + UsageText());
  std::string out;
  AppendJsonUsageError("unknown complex operation \"cube\"", out);
  EXPECT_EQ(out, "{\"error\":\"unknown complex operation \\\"cube\\\"\"}\n");
}

}  // namespace
