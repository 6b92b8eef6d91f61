#include "cli/calculator_session.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <variant>
#include <vector>

#include "cli/calculation_runner.h"
#include "cli/event_printer.h"
#include "cli/line_reader.h"
#include "cli/request_parser.h"

namespace {

constexpr size_t kFlushSize = 1 << 16;
// The bytes of standard input read at a time.
constexpr size_t kReadBlock = 1 << 16;

// What leads the problem of a usage error on `line` of a batch: "line 12: ".
std::string Where(long line) {
  return line == 0 ? std::string() : "line " + std::to_string(line) + ": ";
}

// Whether `out` and `err` are one stream or open the same file, terminal or pipe, so that
// whoever reads one reads both, interleaved as they are written.
bool OneDestination(std::FILE* out, std::FILE* err) {
  if (out == err)
    return true;
  const int out_fd = fileno(out), err_fd = fileno(err);
  struct stat out_stat, err_stat;
  return out_fd >= 0 && err_fd >= 0 && fstat(out_fd, &out_stat) == 0 &&
         fstat(err_fd, &err_stat) == 0 && out_stat.st_dev == err_stat.st_dev &&
         out_stat.st_ino == err_stat.st_ino;
}

}  // namespace

CalculatorSession::CalculatorSession(Format format, std::FILE* out, std::FILE* err,
                                     SessionOptions options)
    : format_(format),
      out_file_(out),
      err_file_(err),
      options_(options),
      one_destination_(OneDestination(out, err)) {}

CalculatorSession::~CalculatorSession() {
  Flush();
}

void CalculatorSession::Answer(std::span<const std::string> words) {
  const std::vector<std::string_view> views(words.begin(), words.end());
  Calculate(views, 0);
}

void CalculatorSession::AnswerLines(std::istream& in) {
  LineReader reader(in, kLineLimit, kReadBlock);
  std::string_view line;
  for (long number = 1; !failed_; ++number) {
    switch (reader.Next(line)) {
      case LineReader::Outcome::Line:
        AnswerLine(line, number);
        break;
      case LineReader::Outcome::TooLong:
        ReportLineError(number, "longer than " + std::to_string(kLineLimit) + " bytes");
        break;
      case LineReader::Outcome::End:
        return;
      case LineReader::Outcome::ReadError:
        Fail("cannot read standard input", reader.ErrorNumber());
        return;
    }
  }
}

void CalculatorSession::AnswerLine(std::string_view line, long number) {
  if (line.ends_with('\r'))
    line.remove_suffix(1);
  const auto split = splitter_.Split(line);
  if (const auto* error = std::get_if<UsageError>(&split)) {
    ReportLineError(number, error->problem);
    return;
  }
  // A line of blanks and tabs alone has no words and is passed over.
  const auto words = std::get<std::span<const std::string_view>>(split);
  if (!words.empty())
    Calculate(words, number);
}

void CalculatorSession::ReportUsageError(std::string_view problem) {
  if (failed_)
    return;
  if (format_ == Format::Json)
    AppendJsonUsageError(problem, out_);
  else
    AppendPlainUsageError(problem, PlainErrorText());
  Note(kUsageError);
  FlushWhenLarge();
}

void CalculatorSession::ReportLineError(long line, std::string_view problem) {
  std::string text = Where(line);
  ReportUsageError(text += problem);
}

void CalculatorSession::WriteText(std::string_view text) {
  out_ += text;
}

void CalculatorSession::Flush() {
  // Messages go out before the results they came with, as their boxes come first.
  Write(err_, err_file_, "standard error");
  Write(out_, out_file_, "standard output");
}

void CalculatorSession::Calculate(std::span<const std::string_view> words, long line) {
  if (failed_)
    return;
  const ResultDigits digits(options_.digits);
  const ParsedCalculation parsed = ParseCalculation(words, options_.reading);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    ReportLineError(line, error->problem);
    return;
  }
  // The plain text shows no discs, which lets the solvers skip what only the discs need.
  RunCalculation(std::get<CalculationRequest>(parsed), events_,
                 format_ == Format::Json ? RootsWanted::WithDiscs : RootsWanted::TextsOnly);
  if (format_ == Format::Json)
    AppendJson(events_, out_);
  else
    AppendPlain(events_, out_, PlainErrorText());
  Note(ProducedResult(events_) ? kAllResults : kInputError);
  FlushWhenLarge();
}

void CalculatorSession::Note(int status) {
  if (status > exit_status_)
    exit_status_ = status;
}

void CalculatorSession::FlushWhenLarge() {
  if (out_.size() + err_.size() >= kFlushSize)
    Flush();
}

void CalculatorSession::Write(std::string& text, std::FILE* file, const char* stream_name) {
  if (failed_) {
    text.clear();
    return;
  }
  errno = 0;
  const size_t written = std::fwrite(text.data(), 1, text.size(), file);
  if (written != text.size() || std::fflush(file) != 0)
    Fail(std::string("cannot write ") + stream_name, errno);
  text.clear();
}

void CalculatorSession::Fail(std::string what, int error_number) {
  failed_ = true;
  exit_status_ = kReadOrWriteError;
  out_.clear();
  err_.clear();
  // Some failures (a short write on a stream with no room and no error code) leave errno 0.
  if (error_number != 0)
    what += std::string(": ") + std::strerror(error_number);
  // The report is the one thing written after a failure; if standard error is what failed,
  // the exit status alone tells.
  std::fputs(("quillet-calc: " + what + "\n").c_str(), err_file_);
  std::fflush(err_file_);
}
