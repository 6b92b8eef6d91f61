// quillet-calc: the calculators of Quillet Calculator on the command line and in scripts.
#include <cstdio>
#include <iostream>

#include "cli/calculator_session.h"
#include "cli/command_line.h"
#include "cli/help_text.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const CommandLine line = ParseCommandLine({argv + 1, static_cast<size_t>(argc - 1)});
  CalculatorSession session(
      line.json ? CalculatorSession::Format::Json : CalculatorSession::Format::Plain, stdout,
      stderr, {line.lenient ? NumberReading::Lenient : NumberReading::Strict, line.digits});
  switch (line.mode) {
    case CommandLine::Mode::Help:
      session.WriteText(HelpText());
      break;
    case CommandLine::Mode::Version:
      session.WriteText(VersionText());
      break;
    case CommandLine::Mode::UsageError:
      session.ReportUsageError(line.problem);
      break;
    case CommandLine::Mode::Batch:
      session.AnswerLines(std::cin);
      break;
    case CommandLine::Mode::Calculate:
      session.Answer(line.words);
      break;
  }
  session.Flush();
  return session.ExitStatus();
}
