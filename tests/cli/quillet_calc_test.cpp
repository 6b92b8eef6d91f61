// Runs the built quillet-calc as a user would, through the shell, for what only the whole
// program shows: exit statuses, standard input and the two output streams.
#include <gtest/gtest.h>
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

// `arguments` go to the shell as written, so quotes in them work as on a command line.
ProgramRun RunQuilletCalc(const std::string& arguments, const std::string& input = "") {
  // ctest runs each test in a process of its own and several at once: the files carry the pid.
  const std::string stem = ::testing::TempDir() + "quillet_calc_" + std::to_string(getpid());
  const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command = std::string("'") + QUILLET_CALC_PATH + "' " + arguments + " <'" + in +
                              "' >'" + out + "' 2>'" + err + "'";
  const int status = std::system(command.c_str());
  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err)};
  for (const std::string& path : {in, out, err})
    std::remove(path.c_str());
  return run;
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
     "\"},{\"set\":{\"box\":\"X\",\"text\":\"0.\"}}]}\n"
     "{\"error\":\"line 2: roots takes 3, 4 or 5 coefficients, not 0\"}\n",
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

TEST(QuilletCalc, HelpListsEveryOperation) {
  const ProgramRun run = RunQuilletCalc("--help");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out.rfind(UsageText(), 0), 0u) << run.out;
  for (const char* entry : {"1/X", "exp (X)", "Z + (X/Y)", "Angle between X and Y", "zxy", "cross"})
    EXPECT_NE(run.out.find(entry), std::string::npos) << entry;
}

}  // namespace
