// quillet-calc: the calculators of Quillet Calculator on the command line and in scripts.
#include <cstdio>
#include <iostream>

#include "cli/calculator_session.h"
#include "cli/command_line.h"
#include "cli/help_text.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const CommandLine line = ParseCommandLine({argv + 1, static_cast<size_t>(argc - 1)});
  switch (line.mode) {
    case CommandLine::Mode::Help:
      std::fputs(HelpText().c_str(), stdout);
      return CalculatorSession::kAllResults;
    case CommandLine::Mode::Version:
      std::fputs(VersionText().c_str(), stdout);
      return CalculatorSession::kAllResults;
    default:
      break;
  }
  CalculatorSession session(
      line.json ? CalculatorSession::Format::Json : CalculatorSession::Format::Plain, stdout,
      stderr);
  if (line.mode == CommandLine::Mode::UsageError)
    session.ReportUsageError(line.problem);
  else if (line.mode == CommandLine::Mode::Batch)
    session.AnswerLines(std::cin);
  else
    session.Answer(line.words);
  session.Flush();
  return session.ExitStatus();
}
