// quillet-calc: the calculators of Quillet Calculator on the command line and in scripts.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/calculator_session.h"
#include "cli/command_line.h"
#include "cli/help_text.h"

namespace {

// Prints the help or version text; a failed write is a failure here as everywhere.
int Print(const std::string& text) {
  errno = 0;
  if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0)
    return CalculatorSession::kAllResults;
  std::fprintf(stderr, "quillet-calc: cannot write standard output: %s\n", std::strerror(errno));
  return CalculatorSession::kReadOrWriteError;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const CommandLine line = ParseCommandLine({argv + 1, static_cast<size_t>(argc - 1)});
  switch (line.mode) {
    case CommandLine::Mode::Help:
      return Print(HelpText());
    case CommandLine::Mode::Version:
      return Print(VersionText());
    case CommandLine::Mode::Calculate:
    case CommandLine::Mode::Batch:
    case CommandLine::Mode::UsageError:
      break;
  }
  CalculatorSession session(
      line.json ? CalculatorSession::Format::Json : CalculatorSession::Format::Plain, stdout,
      stderr, {line.lenient ? NumberReading::Lenient : NumberReading::Strict, line.digits});
  if (line.mode == CommandLine::Mode::UsageError)
    session.ReportUsageError(line.problem);
  else if (line.mode == CommandLine::Mode::Batch)
    session.AnswerLines(std::cin);
  else
    session.Answer(line.words);
  session.Flush();
  return session.ExitStatus();
}
