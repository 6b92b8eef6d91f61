// The command line's session on a batch of lines, in JSON and in plain text. JSON output is
// one well-formed JSON value a line and valid UTF-8 whatever the input; plain output carries
// no control byte but line feeds and the tabs of the results' own layouts, so that no word
// quoted back can act on a terminal. Neither may crash or hang.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/calculator_session.h"
#include "fuzz/fuzz_checks.h"

namespace {

// What the session writes to its two streams.
struct Output {
  std::string out, err;
};

Output Run(CalculatorSession::Format format, const std::string& input) {
  char* out_buffer = nullptr;
  char* err_buffer = nullptr;
  size_t out_size = 0, err_size = 0;
  std::FILE* out = open_memstream(&out_buffer, &out_size);
  std::FILE* err = open_memstream(&err_buffer, &err_size);
  {
    CalculatorSession session(format, out, err);
    std::istringstream lines(input);
    session.AnswerLines(lines);
  }
  std::fclose(out);
  std::fclose(err);
  Output output{std::string(out_buffer, out_size), std::string(err_buffer, err_size)};
  std::free(out_buffer);
  std::free(err_buffer);
  return output;
}

// Whether `text` holds a control byte other than a line feed or a tab.
bool HasRawControlBytes(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7f)
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const Output json = Run(CalculatorSession::Format::Json, input);
  FuzzCheck(json.err.empty(), "JSON mode wrote to standard error", input + "\n---\n" + json.err);
  std::string_view rest = json.out;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    FuzzCheck(end != std::string_view::npos, "JSON output does not end its line", input);
    const std::string_view line = rest.substr(0, end);
    FuzzCheck(IsJsonValue(line), "JSON output line is not JSON",
              input + "\n---\n" + std::string(line));
    rest.remove_prefix(end + 1);
  }
  FuzzCheck(IsValidUtf8(json.out), "JSON output is not UTF-8", input);
  const Output plain = Run(CalculatorSession::Format::Plain, input);
  FuzzCheck(!HasRawControlBytes(plain.out), "plain output has a raw control byte", input);
  FuzzCheck(!HasRawControlBytes(plain.err), "plain errors have a raw control byte", input);
  return 0;
}
