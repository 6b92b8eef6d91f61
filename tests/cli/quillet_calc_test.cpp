// Runs the built quillet-calc as a user would, through the shell, for what only the whole
// program shows: exit statuses, standard input and the two output streams.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/help_text.h"

namespace {

struct ProgramRun {
  int exit_status;
  std::string out;
  std::string err;
};

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs `script` in the shell with $CALC naming the program and $IN, $OUT and $ERR naming
// files: $IN holds `input`, and the run gives back what the script left in $OUT and $ERR.
ProgramRun RunScript(const std::string& script, const std::string& input = "") {
  // ctest runs each test in a process of its own and several at once: the files carry the pid.
  const std::string stem = ::testing::TempDir() + "quillet_script_" + std::to_string(getpid());
  const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
  std::ofstream(in, std::ios::binary) << input;
  setenv("CALC", QUILLET_CALC_PATH, 1);
  setenv("IN", in.c_str(), 1);
  setenv("OUT", out.c_str(), 1);
  setenv("ERR", err.c_str(), 1);
  const int status = std::system(script.c_str());
  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err)};
  for (const std::string& path : {in, out, err})
    std::remove(path.c_str());
  return run;
}

// `arguments` go to the shell as written, so quotes in them work as on a command line.
ProgramRun RunQuilletCalc(const std::string& arguments, const std::string& input = "") {
  return RunScript("\"$CALC\" " + arguments + " <\"$IN\" >\"$OUT\" 2>\"$ERR\"", input);
}

const char kQuadraticRoots[] = " Two Real Roots: \n\n x1 =            2 \n x2 =            1\n";

struct RunCase {
  const char* arguments;
  const char* input;
  int exit_status;
  std::string out;
  std::string err;
};

const RunCase kRuns[] = {
    {"roots 1 -3 2", "", 0, kQuadraticRoots, ""},
    {"roots 0 1 2", "", 1, "", "\n Input Error \n\n"},
    {"roots 1 2", "", 2, "",
     "quillet-calc: roots takes 3, 4 or 5 coefficients, not 2\n" + UsageText()},
    {"--frobnicate", "", 2, "", "quillet-calc: unknown option \"--frobnicate\"\n" + UsageText()},
    {"complex \"X / Y\" 1 2 3 -4", "", 0,
     " X/Y =        -0.2 + j (        0.4) \n\n\n mag (X/Y) =     0.44721 \n\n", ""},
    {"--version", "", 0, "quillet-calc 1.4\n", ""},
    {"-", "complex inv 3 4\nvector 3d\nroots 0 1 2\n", 2,
     " 1/X =        0.12 - j (       0.16) \n\n",
     "quillet-calc: line 2: vector needs an operation after the dimension\n" + UsageText() +
         "\n Input Error \n\n"},
    {"--json --lenient -", "roots 1 \"\" 1\nroots\n", 2,
     "{\"events\":[{\"roots\":\" Two Complex Roots: \\r\\n\\r\\n x1 =           -0 + j (           "
     "1) "
     "\\r\\n\\r\\n x2 =           -0 -  j (           1) "
     "\",\"values\":[{\"re\":-0,\"im\":1,\"radius\":4.930380657631355e-30,\"isolated\":true},"
     "{\"re\":-0,\"im\":-1,\"radius\":4.930380657631355e-30,\"isolated\":true}]},"
     "{\"set\":{\"box\":\"X\",\"text\":\"0.\"}}]}\n"
     "{\"error\":\"line 2: roots takes 3, 4 or 5 coefficients, not 0\"}\n",
     ""},
    {"--lenient roots 1 1/3 2", "", 0,
     " Two Complex Roots: \n\n x1 =         -0.5 + j (      1.3229) \n\n x2 =         -0.5 -  j ( "
     "     1.3229) \n",
     ""},
    {"--digits 12 complex div 1 2 3 -4", "", 0,
     " X/Y =               -0.2 + j (               0.4) \n\n\n mag (X/Y) =       "
     "0.4472135955 \n\n",
     ""},
    {"vector 3d angle 1 0 0 0 1 0 --digits=3", "", 0,
     "\n Angle between X and Y \t=       1.57 radians \n\n \t\t\t=         90 degrees\n", ""},
    {"--json complex div 1 2 3 -4", "", 0,
     "{\"events\":[{\"result\":\" X/Y =        -0.2 + j (        0.4) \\n\\n\\n mag (X/Y) =     "
     "0.44721 \\n\",\"values\":{\"re\":-0.2,\"im\":0.4,\"magnitude\":0.447213595499958}}]}\n",
     ""},
    {"--json complex inv 3 4", "", 0,
     "{\"events\":[{\"result\":\" 1/X =        0.12 - j (       0.16) "
     "\\n\",\"values\":{\"re\":0.12,"
     "\"im\":-0.16}}]}\n",
     ""},
    {"--json vector 2d add 1e308 0 1e308 0", "", 0,
     "{\"events\":[{\"result\":\"\\n X + Y =          inf i +             0 j \\n\\n\\n "
     "Magnitude [ X + Y ] =          "
     "inf\",\"values\":{\"i\":\"inf\",\"j\":0,\"magnitude\":\"inf\"}}]}\n",
     ""},
    // Both special routes of the quartic run, and the Roots box ends with the second text.
    {"roots 1 -4 6 -4 1", "", 0,
     "Complex Roots \n\n X1 =           1 + j (           0) \n\n X2 =           1 + j (       "
     "    0) \n\n X3 =           1 + j (           0) \n\n X4 =           1 + j (           0)\n",
     ""},
    {"complex \"$(printf '\\033]0;owned\\007')\" 1 2", "", 2, "",
     "quillet-calc: unknown complex operation \"\\x1b]0;owned\\x07\"\n" + UsageText()},
    {"--json -", "bogus\xff\xfe\x1b\n", 2,
     "{\"error\":\"line 1: unknown calculation \\\"bogus\\\\xff\\\\xfe\\\\x1b\\\" (roots, complex "
     "or "
     "vector)\"}\n",
     ""},
};

TEST(QuilletCalc, ExitsAndWritesAsEachCalculationEnds) {
  for (const auto& c : kRuns) {
    const ProgramRun run = RunQuilletCalc(c.arguments, c.input);
    EXPECT_EQ(run.exit_status, c.exit_status) << c.arguments;
    EXPECT_EQ(run.out, c.out) << c.arguments;
    EXPECT_EQ(run.err, c.err) << c.arguments;
  }
}

// Every example of a word that is neither a number nor arithmetic, on the command line and
// in a batch.
TEST(QuilletCalc, RefusesEveryWordThatIsNotANumberWithItsReason) {
  const struct {
    const char* word;
    const char* reason;
  } refusals[] = {
      {"two", "is not a number"},
      {"2,5", "is not a number: use a point (.) for the decimal separator"},
      {"0x10", "is not a number"},
      {"1e", "is not a number"},
      {"nan", "is not a number"},
      {"inf", "is not a number"},
      {"", "is not a number"},
      {"3abc", "is not a number"},
      {"1e999", "is too large for a double"},
      {"1/0", "is not a finite number"},
      {"sqrt(2", "has unbalanced parentheses"},
  };
  for (const auto& [word, reason] : refusals) {
    const std::string problem = std::string("word 3, \"") + word + "\", " + reason;
    const ProgramRun run = RunQuilletCalc(std::string("roots 1 '") + word + "' 2");
    EXPECT_EQ(run.exit_status, 2) << word;
    EXPECT_EQ(run.out, "") << word;
    EXPECT_EQ(run.err, "quillet-calc: " + problem + "\n" + UsageText()) << word;
    const ProgramRun batch =
        RunQuilletCalc("--json -", std::string("roots 1 \"") + word + "\" 2\nroots 1 -3 2\n");
    EXPECT_EQ(batch.exit_status, 2) << word;
    EXPECT_EQ(batch.out.substr(0, batch.out.find('\n')),
              std::string("{\"error\":\"line 1: word 3, \\\"") + word + "\\\", " + reason + "\"}")
        << word;
    EXPECT_NE(batch.out.find("Two Real Roots"), std::string::npos) << word;
  }
}

// A word of arithmetic is its value: the same answer as the value's digits give, on the
// command line and in a batch, in plain text and in JSON.
TEST(QuilletCalc, ReadsArithmeticAsTheNumberItMeans) {
  const struct {
    const char* expression;
    const char* value;
  } words[] = {
      {"roots 1 '1/3' 2", "roots 1 0.3333333333333333 2"},
      {"roots 1 '-2^2' '2 * pi' '(1+2)*3'", "roots 1 -4 6.283185307179586 9"},
      {"complex div 'sqrt(2)' 0 'cbrt(27)' 'ln(e)'", "complex div 1.4142135623730951 0 3 1"},
      {"--json vector 3d angle '1/3' 0 0 0 'abs(-4)' 0",
       "--json vector 3d angle 0.3333333333333333 0 0 0 4 0"},
  };
  for (const auto& c : words) {
    const ProgramRun expression = RunQuilletCalc(c.expression);
    const ProgramRun value = RunQuilletCalc(c.value);
    EXPECT_EQ(expression.exit_status, 0) << c.expression << ": " << expression.err;
    EXPECT_EQ(expression.out, value.out) << c.expression;
    EXPECT_NE(expression.out, "") << c.expression;
  }
  const ProgramRun magnitude = RunQuilletCalc("complex mag 1/3 0");
  EXPECT_EQ(magnitude.out, " mag(X) =     0.33333 \n\n");
  const ProgramRun json = RunQuilletCalc("--json complex mag 1/3 0");
  EXPECT_NE(json.out.find("\"magnitude\":0.3333333333333333}"), std::string::npos) << json.out;
  const ProgramRun batch = RunQuilletCalc("-", "complex mag \"1 / 3\" 0\n");
  EXPECT_EQ(batch.out, magnitude.out);
}

TEST(QuilletCalc, ReportsAFailedReadOrWriteInOneLineWithStatusThree) {
  const struct {
    const char* script;
    const char* err;
  } cases[] = {
      {"\"$CALC\" roots 1 -3 2 >/dev/full 2>\"$ERR\"",
       "cannot write standard output: No space left on device"},
      {"\"$CALC\" --version >/dev/full 2>\"$ERR\"",
       "cannot write standard output: No space left on device"},
      {"\"$CALC\" roots 1 -3 2 >&- 2>\"$ERR\"",
       "cannot write standard output: Bad file descriptor"},
      {"\"$CALC\" - </ >\"$OUT\" 2>\"$ERR\"", "cannot read standard input: Is a directory"},
      {"\"$CALC\" - <&- >\"$OUT\" 2>\"$ERR\"", "cannot read standard input: Bad file descriptor"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunScript(c.script);
    EXPECT_EQ(run.exit_status, 3) << c.script;
    EXPECT_EQ(run.err, std::string("quillet-calc: ") + c.err + "\n") << c.script;
  }
}

TEST(QuilletCalc, StopsWhenItsReaderIsGoneWithSigpipeIgnored) {
  std::string lines;
  for (int i = 0; i < 100000; ++i)
    lines += "roots 1 -3 2\n";
  const ProgramRun run = RunScript(
      "(trap '' PIPE; \"$CALC\" - <\"$IN\" 2>\"$ERR\"; echo $? >\"$OUT\") | head -c 1 >/dev/null",
      lines);
  EXPECT_EQ(run.out, "3\n");
  EXPECT_EQ(run.err, "quillet-calc: cannot write standard output: Broken pipe\n");
}

TEST(QuilletCalc, ReadsPointDecimalsUnderAGermanLocale) {
  const ProgramRun comma = RunScript("LC_ALL=de_DE.UTF-8 \"$CALC\" roots 1 2,5 1 2>\"$ERR\"");
  EXPECT_EQ(comma.exit_status, 2);
  EXPECT_EQ(comma.err,
            "quillet-calc: word 3, \"2,5\", is not a number: use a point (.) for the decimal "
            "separator\n" +
                UsageText());
  const ProgramRun point =
      RunScript("LC_ALL=de_DE.UTF-8 \"$CALC\" --json --digits 6 roots 1 2.5 1 >\"$OUT\"");
  EXPECT_EQ(point.exit_status, 0);
  EXPECT_EQ(point.out,
            "{\"events\":[{\"roots\":\" Two Real Roots: \\r\\n\\r\\n x1 =          -0.5 \\r\\n x2 "
            "=            -2\",\"values\":[{\"re\":-0.5,\"im\":0,\"radius\":8.217301096052259e-30,"
            "\"isolated\":true},{\"re\":-2,\"im\":0,\"radius\":3.2869204384209036e-29,"
            "\"isolated\":true}]}]}\n");
}

TEST(QuilletCalc, ReadsALongLineWithoutHoldingIt) {
  // Forty megabytes of short words on one line: refused, and the next line answered. The
  // shell makes the line, so that this test's own process stays small.
  const ProgramRun run = RunScript(
      "{ printf roots; yes ' 1' | head -n 20971520 | tr -d '\\n'; printf '\\nroots 1 -3 2\\n'; } | "
      "\"$CALC\" - >\"$OUT\" 2>\"$ERR\"");
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(run.out, kQuadraticRoots);
  EXPECT_EQ(run.err, "quillet-calc: line 1: longer than 65536 bytes\n" + UsageText());
  // The largest resident size of any process this test has waited for, the program among
  // them; holding the line's words took over a gigabyte.
  rusage children;
  getrusage(RUSAGE_CHILDREN, &children);
  EXPECT_LT(children.ru_maxrss, 100 * 1024) << "kilobytes";
}

TEST(QuilletCalc, HelpListsEveryOperation) {
  const ProgramRun run = RunQuilletCalc("--help");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out.rfind(UsageText(), 0), 0u) << run.out;
  for (const char* entry : {"1/X", "exp (X)", "Z + (X/Y)", "Angle between X and Y", "zxy", "cross"})
    EXPECT_NE(run.out.find(entry), std::string::npos) << entry;
}

TEST(QuilletCalc, HelpNamesEveryOptionAndJsonField) {
  const ProgramRun run = RunQuilletCalc("-h");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, HelpText());
  for (const char* entry :
       {"--json", "--lenient", "--digits N", "-h, --help", "--version", "65536", "\"re\"",
        "\"radius\"", "\"isolated\"", "magnitude", "x_cos_z", "radians", "\"-inf\"", "3 when"})
    EXPECT_NE(run.out.find(entry), std::string::npos) << entry;
}

}  // namespace
