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
  va_list count;
  va_copy(count, args);
  const int length = std::vsnprintf(nullptr, 0, format, count);
  va_end(count);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0)
    std::vsnprintf(text.data(), text.size() + 1, format, args);
  uselocale(previous);
  return text;
}
