#include "cli/event_printer.h"

#include <gtest/gtest.h>

#include "cli/help_text.h"

namespace {

using Kind = CalculationEvent::Kind;

struct PrintCase {
  CalculationEvents events;
  const char* out;
  const char* err;
  const char* json;
};

const PrintCase kPrints[] = {
    {{{Kind::Roots, " Two Real Roots: \r\n\r\n x1 =            2 \r\n x2 =            1"}},
     " Two Real Roots: \n\n x1 =            2 \n x2 =            1\n",
     "",
     "{\"events\":[{\"roots\":\" Two Real Roots: \\r\\n\\r\\n x1 =            2 \\r\\n x2 =   "
     "         1\"}]}\n"},
    {{{Kind::Message, "\n Input Error \n"},
      {Kind::WriteBack, "0.", CoefficientBox::X},
      {Kind::WriteBack, "0.", CoefficientBox::Constant}},
     "",
     "\n Input Error \n\n",
     "{\"events\":[{\"message\":\"\\n Input Error \\n\"},{\"set\":{\"box\":\"X\",\"text\":\"0.\"}},"
     "{\"set\":{\"box\":\"constant\",\"text\":\"0.\"}}]}\n"},
    {{{Kind::Message, "Complex division error."},
      {Kind::Message, "Complex division error."},
      {Kind::Roots, "Complex Roots \r\n\r\n X1 =           0 + j (           0) "}},
     "Complex Roots \n\n X1 =           0 + j (           0) \n",
     "Complex division error.\nComplex division error.\n",
     "{\"events\":[{\"message\":\"Complex division error.\"},{\"message\":\"Complex division "
     "error.\"},{\"roots\":\"Complex Roots \\r\\n\\r\\n X1 =           0 + j (           0) "
     "\"}]}\n"},
    {{{Kind::Result, "\n Angle between X and Y \t=            0 radians "}},
     "\n Angle between X and Y \t=            0 radians \n",
     "",
     "{\"events\":[{\"result\":\"\\n Angle between X and Y \\t=            0 radians \"}]}\n"},
};

TEST(AppendPlain, PutsResultsOnOutAndMessagesOnErrWithLineFeeds) {
  for (const auto& c : kPrints) {
    std::string out = "before\n", err;
    AppendPlain(c.events, out, err);
    EXPECT_EQ(out, std::string("before\n") + c.out);
    EXPECT_EQ(err, c.err);
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
  };
  for (const auto& c : cases) {
    std::string out;
    AppendJsonString(c.text, out);
    EXPECT_EQ(out, c.json) << c.text;
  }
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
