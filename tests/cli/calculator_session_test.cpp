#include "cli/calculator_session.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "cli/help_text.h"
#include "poly/cubic.h"

namespace {

// What a session wrote to its two streams, and how it would end.
struct SessionOutput {
  std::string out;
  std::string err;
  int exit_status;
};

// Runs a session over `in` as a batch, writing to in-memory streams.
SessionOutput RunSessionOn(std::istream& in, CalculatorSession::Format format,
                           SessionOptions options = {}) {
  char* out_data = nullptr;
  char* err_data = nullptr;
  size_t out_size = 0, err_size = 0;
  std::FILE* out = open_memstream(&out_data, &out_size);
  std::FILE* err = open_memstream(&err_data, &err_size);
  int exit_status;
  {
    CalculatorSession session(format, out, err, options);
    session.AnswerLines(in);
    session.Flush();
    exit_status = session.ExitStatus();
  }
  std::fclose(out);
  std::fclose(err);
  SessionOutput output{std::string(out_data, out_size), std::string(err_data, err_size),
                       exit_status};
  std::free(out_data);
  std::free(err_data);
  return output;
}

SessionOutput RunSession(CalculatorSession::Format format, const std::string& lines,
                         SessionOptions options = {}) {
  std::istringstream in(lines);
  return RunSessionOn(in, format, options);
}

const CalculatorSession::Format kPlain = CalculatorSession::Format::Plain;
const CalculatorSession::Format kJson = CalculatorSession::Format::Json;

const char kQuadraticRoots[] = " Two Real Roots: \n\n x1 =            2 \n x2 =            1\n";
const char kCubicRoots[] =
    "Complex Roots \n\n X1 =           1 + j (           0) \n\n X2 =        -0.5 + j (     "
    "0.86603) "
    "\n\n X3 =        -0.5 + j (    -0.86603) \n";
const char kQuarticRoots[] =
    " Complex Roots \n\n X1 =           2 + j (           0) \n\n X2 =           0 + j (           "
    "2) "
    "\n\n X3 =          -2 + j (           0) \n\n X4 =          -0 + j (          -2)\n";

struct BatchCase {
  const char* lines;
  SessionOutput plain;
};

const BatchCase kBatches[] = {
    // The number of coefficients chooses the solver.
    {"roots 1 -3 2\nroots 1 0 0 -1\nroots 1 0 0 0 -16\n",
     {std::string(kQuadraticRoots) + kCubicRoots + kQuarticRoots, "", 0}},
    {"complex \"X / Y\" 1 2 3 -4\r\nvector 2d cross 3 4 4 -3\n",
     {" X/Y =        -0.2 + j (        0.4) \n\n\n mag (X/Y) =     0.44721 \n\n"
      "\n X cross Y =             0 i +             0 j +           -25 k \n\n\n"
      " Magnitude [ X cross Y ] =           25\n",
      "", 0}},
    {"\n  \nroots 1 -3 2\n\n", {kQuadraticRoots, "", 0}},
    {"roots 0 1 2\nroots 1 -3 2\n", {kQuadraticRoots, "\n Input Error \n\n", 1}},
    {"roots 1e-9 1 2 3\n", {"", "\n Error: the X^3 coefficient must be non-zero. \n\n", 1}},
    {"roots 0 1 2 3 4\n", {"", "\n Error: the X^4 coefficient must be non-zero. \n\n", 1}},
    {"roots 0 1 2\ncomplex cube 1 2\nroots 1 -3 2\n",
     {kQuadraticRoots,
      "\n Input Error \n\nquillet-calc: line 2: unknown complex operation \"cube\"\n" + UsageText(),
      2}},
    {"roots 1 -3 2\ncomplex \"X / Y 1 2\n",
     {kQuadraticRoots, "quillet-calc: line 2: a double quote is not closed\n" + UsageText(), 2}},
};

TEST(CalculatorSession, AnswersEachLineAndEndsWithTheHeaviestStatus) {
  for (const auto& c : kBatches) {
    const SessionOutput output = RunSession(kPlain, c.lines);
    EXPECT_EQ(output.out, c.plain.out) << c.lines;
    EXPECT_EQ(output.err, c.plain.err) << c.lines;
    EXPECT_EQ(output.exit_status, c.plain.exit_status) << c.lines;
  }
}

TEST(CalculatorSession, WritesOneJsonObjectPerLine) {
  const SessionOutput output =
      RunSession(kJson, "roots 0 0 0\nvector 3d curl 1 2 3 4 5 6\ncomplex mag 3 4\n");
  EXPECT_EQ(
      output.out,
      "{\"events\":[{\"message\":\"\\n Input Error \\n\"},"
      "{\"set\":{\"box\":\"X\",\"text\":\"0.\"}},"
      "{\"set\":{\"box\":\"constant\",\"text\":\"0.\"}}]}\n"
      "{\"error\":\"line 2: unknown vector operation \\\"curl\\\"\"}\n"
      "{\"events\":[{\"result\":\" mag(X) =           5 \\n\",\"values\":{\"magnitude\":5}}]}\n");
  EXPECT_EQ(output.err, "");
  EXPECT_EQ(output.exit_status, CalculatorSession::kUsageError);
}

TEST(CalculatorSession, KeepsEveryAnswerOfALongBatchInOrder) {
  std::string lines, expected;
  for (int i = 0; i < 5000; ++i) {
    lines += "complex mag " + std::to_string(i) + " 0\n";
    expected += " mag(X) = " + std::string(11 - std::to_string(i).size(), ' ') + std::to_string(i) +
                " \n\n";
  }
  const SessionOutput output = RunSession(kPlain, lines);
  EXPECT_EQ(output.out, expected);
  EXPECT_EQ(output.exit_status, CalculatorSession::kAllResults);
}

TEST(CalculatorSession, KeepsResultsAndMessagesInOrderOnOneTerminal) {
  // Standard output and standard error both reaching one terminal: a message must not
  // overtake the results of the lines before it.
  char* data = nullptr;
  size_t size = 0;
  std::FILE* terminal = open_memstream(&data, &size);
  {
    CalculatorSession session(kPlain, terminal, terminal);
    std::istringstream in("roots 1 -3 2\nroots 0 1 2\nroots 1 -3 2\n");
    session.AnswerLines(in);
  }
  std::fclose(terminal);
  EXPECT_EQ(std::string(data, size),
            std::string(kQuadraticRoots) + "\n Input Error \n\n" + kQuadraticRoots);
  std::free(data);
}

TEST(CalculatorSession, LeavesTheCubicWorkAreaToTheLinesThatFollow) {
  // The pure cubic 2x^3 + 16 = 0 leaves -16/2 in the work area's d; a batch must not clear
  // the work area between lines, as the program never clears it between calculations.
  RunSession(kPlain, "roots 2 0 0 16\ncomplex mag 3 4\nvector 2d dot 1 2 3 4\n");
  EXPECT_EQ(CubicWork.a, 2.0);
  EXPECT_EQ(CubicWork.d, -8.0);
}

TEST(CalculatorSession, RefusesABadNumberAndAnswersTheLinesAfterIt) {
  const SessionOutput plain = RunSession(kPlain, "roots 1 1x3 2\nroots 1 -3 2\n");
  EXPECT_EQ(plain.out, kQuadraticRoots);
  EXPECT_EQ(plain.err, "quillet-calc: line 1: word 3, \"1x3\", is not a number\n" + UsageText());
  EXPECT_EQ(plain.exit_status, CalculatorSession::kUsageError);
  const SessionOutput lenient =
      RunSession(kPlain, "roots 1 1/3 2\n", {NumberReading::Lenient, ResultDigits::kStandard});
  EXPECT_EQ(lenient.out,
            " Two Complex Roots: \n\n x1 =         -0.5 + j (      1.3229) \n\n x2 =         "
            "-0.5 -  j (      1.3229) \n");
  EXPECT_EQ(lenient.exit_status, CalculatorSession::kAllResults);
}

TEST(CalculatorSession, RefusesALineBeyondTheLimitAndGoesOn) {
  // Lines of exactly the limit are read; one byte more is refused, however long the line.
  const std::string blanks(CalculatorSession::kLineLimit - 12, ' ');
  const std::string lines = "roots 1 -3 2" + blanks + "\n" + "roots 1 -3 2 " + blanks + "\n" +
                            std::string(3 * CalculatorSession::kLineLimit, '1') + "\r\n" +
                            "roots 1 -3 2";
  const SessionOutput output = RunSession(kPlain, lines);
  EXPECT_EQ(output.out, std::string(kQuadraticRoots) + kQuadraticRoots);
  EXPECT_EQ(output.err, "quillet-calc: line 2: longer than 65536 bytes\n" + UsageText() +
                            "quillet-calc: line 3: longer than 65536 bytes\n" + UsageText());
  EXPECT_EQ(output.exit_status, CalculatorSession::kUsageError);
}

TEST(CalculatorSession, WritesEveryResultWithTheDigitsAsked) {
  const SessionOutput output =
      RunSession(kPlain, "roots 1 0 -2\ncomplex div 1 2 3 -4\n", {NumberReading::Strict, 9});
  EXPECT_EQ(output.out,
            " Two Real Roots: \n\n x1 =       1.41421356 \n x2 =      -1.41421356\n"
            " X/Y =            -0.2 + j (            0.4) \n\n\n mag (X/Y) =     0.447213595 \n\n");
}

// A stream whose every write fails, as standard output on a full disc.
std::FILE* FullDisc() {
  std::FILE* file = std::fopen("/dev/full", "w");
  std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

TEST(CalculatorSession, StopsAtTheFirstFailedWriteAndSaysSoInOneLine) {
  for (const auto format : {kPlain, kJson}) {
    char* err_data = nullptr;
    size_t err_size = 0;
    std::FILE* out = FullDisc();
    std::FILE* err = open_memstream(&err_data, &err_size);
    // Enough lines to fill the output several times over; the input is read no further than
    // the first failed write.
    std::string lines;
    for (int i = 0; i < 20000; ++i)
      lines += "roots 1 -3 2\n";
    std::istringstream in(lines);
    int exit_status;
    {
      CalculatorSession session(format, out, err);
      session.AnswerLines(in);
      session.Flush();
      exit_status = session.ExitStatus();
    }
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(std::string(err_data, err_size),
              "quillet-calc: cannot write standard output: No space left on device\n");
    EXPECT_EQ(exit_status, CalculatorSession::kReadOrWriteError);
    EXPECT_LT(in.tellg(), static_cast<std::streamoff>(lines.size()));
    std::free(err_data);
  }
}

// Whether `text` is well-formed UTF-8 with no control character but those `allowed`, as the
// C library's own UTF-8 decoder reads it.
bool IsCleanUtf8(const std::string& text, std::string_view allowed) {
  const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  const locale_t previous = uselocale(utf8);
  std::mbstate_t state{};
  bool clean = true;
  for (size_t i = 0; clean && i < text.size();) {
    wchar_t c;
    const size_t length = std::mbrtowc(&c, text.data() + i, text.size() - i, &state);
    if (length == 0 || length > 4)
      clean = false;  // a NUL, or a sequence that is not UTF-8
    else if ((c < 0x20 || (c >= 0x7f && c < 0xa0)) &&
             allowed.find(static_cast<char>(c)) == allowed.npos)
      clean = false;
    else
      i += length;
  }
  uselocale(previous);
  freelocale(utf8);
  return clean;
}

// Lines of random bytes, words and quotes among them, as a fuzzer would write them: JSON output
// stays valid UTF-8 with every control character escaped, and plain output shows none raw.
TEST(CalculatorSession, NeverWritesRawControlBytesOrBrokenUtf8) {
  std::mt19937 random(20261208);
  const std::string pieces[] = {"roots ", "complex ", "vector 3d ", "mag ", "1 ", "\"", " "};
  for (int round = 0; round < 200; ++round) {
    std::string lines;
    for (int line = 0; line < 20; ++line) {
      for (int piece = random() % 8; piece > 0; --piece) {
        if (random() % 2)
          lines += pieces[random() % std::size(pieces)];
        else
          lines += static_cast<char>(random() % 256 == 0 ? 1 : random() % 256);
      }
      lines += '\n';
    }
    const SessionOutput json = RunSession(kJson, lines);
    EXPECT_TRUE(IsCleanUtf8(json.out, "\n")) << json.out;
    const SessionOutput plain = RunSession(kPlain, lines);
    EXPECT_TRUE(IsCleanUtf8(plain.out + plain.err, "\n\t")) << plain.err;
  }
}

TEST(CalculatorSession, AFailedReadIsAFailure) {
  std::ifstream directory("/");
  const SessionOutput output = RunSessionOn(directory, kPlain);
  EXPECT_EQ(output.err, "quillet-calc: cannot read standard input: Is a directory\n");
  EXPECT_EQ(output.exit_status, CalculatorSession::kReadOrWriteError);
}

}  // namespace
