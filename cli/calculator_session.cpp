#include "cli/calculator_session.h"

#include <variant>

#include "cli/calculation_runner.h"
#include "cli/event_printer.h"
#include "cli/request_parser.h"
#include "cli/word_splitter.h"

namespace {

constexpr size_t kFlushSize = 1 << 16;

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool HasMessage(const CalculationEvents& events) {
  for (const CalculationEvent& event : events)
    if (event.kind == CalculationEvent::Kind::Message)
      return true;
  return false;
}

}  // namespace

CalculatorSession::CalculatorSession(Format format, std::FILE* out, std::FILE* err)
    : format_(format), out_file_(out), err_file_(err) {}

CalculatorSession::~CalculatorSession() {
  Flush();
}

void CalculatorSession::Answer(std::span<const std::string> words) {
  Calculate(words, "");
}

void CalculatorSession::AnswerLines(std::istream& in) {
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (IsBlank(line))
      continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    const auto words = SplitWords(line);
    if (const auto* error = std::get_if<UsageError>(&words))
      ReportUsageError(where + error->problem);
    else
      Calculate(std::get<std::vector<std::string>>(words), where);
  }
}

void CalculatorSession::ReportUsageError(std::string_view problem) {
  if (format_ == Format::Json)
    AppendJsonUsageError(problem, out_);
  else
    AppendPlainUsageError(problem, PlainErrorText());
  Note(kUsageError);
  FlushWhenLarge();
}

void CalculatorSession::Flush() {
  // Messages go out before the results they came with, as their boxes come first.
  std::fwrite(err_.data(), 1, err_.size(), err_file_);
  std::fflush(err_file_);
  std::fwrite(out_.data(), 1, out_.size(), out_file_);
  std::fflush(out_file_);
  err_.clear();
  out_.clear();
}

void CalculatorSession::Calculate(std::span<const std::string> words, std::string_view where) {
  const ParsedCalculation parsed = ParseCalculation(words);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    ReportUsageError(std::string(where) + error->problem);
    return;
  }
  const CalculationEvents events = RunCalculation(std::get<CalculationRequest>(parsed));
  if (format_ == Format::Json)
    AppendJson(events, out_);
  else if (HasMessage(events))
    AppendPlain(events, out_, PlainErrorText());
  else
    AppendPlain(events, out_, err_);
  Note(ProducedResult(events) ? kAllResults : kInputError);
  FlushWhenLarge();
}

std::string& CalculatorSession::PlainErrorText() {
  // Earlier results go out first: where both streams reach one terminal, every text then
  // stands in the order the program would have shown it.
  if (!out_.empty())
    Flush();
  return err_;
}

void CalculatorSession::Note(int status) {
  if (status > exit_status_)
    exit_status_ = status;
}

void CalculatorSession::FlushWhenLarge() {
  if (out_.size() + err_.size() >= kFlushSize)
    Flush();
}
