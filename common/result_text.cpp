#include "common/result_text.h"

#include <cstdarg>
#include <cstdio>

#include "common/c_locale.h"

std::string ResultText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = ResultTextV(format, args);
  va_end(args);
  return text;
}

std::string ResultTextV(const char* format, va_list args) {
  // Formatting switches this thread to the "C" locale for the call alone, so a comma-decimal
  // user locale never reaches the printed digits.
  const locale_t previous = uselocale(CLocale());
  // Every result text fits the buffer, so it is formatted once; only a longer text is
  // formatted a second time, straight into a string of its length.
  char buffer[512];
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  std::string text;
  if (length > 0 && static_cast<size_t>(length) < sizeof buffer) {
    text.assign(buffer, static_cast<size_t>(length));
  } else if (length > 0) {
    text.resize(static_cast<size_t>(length));
    std::vsnprintf(text.data(), text.size() + 1, format, again);
  }
  va_end(again);
  uselocale(previous);
  return text;
}
