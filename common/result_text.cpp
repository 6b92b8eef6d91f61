#include "common/result_text.h"

#include <cstdio>
#include <cstring>

#include "common/c_locale.h"

namespace {

thread_local int result_digits = ResultDigits::kStandard;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// `format` with every %W.5g conversion written as %(W+digits-5).<digits>g, and every other
// conversion (%c, %s, %2d, %%) as it stands.
std::string WithDigits(const char* format, int digits) {
  std::string rewritten;
  const char* p = format;
  while (const char* percent = std::strchr(p, '%')) {
    rewritten.append(p, percent);
    if (percent[1] == '%') {
      rewritten += "%%";
      p = percent + 2;
      continue;
    }
    const char* q = percent + 1;
    while (*q != '\0' && std::strchr("-+ #0", *q) != nullptr)
      ++q;
    const char* width = q;
    int width_value = 0;
    for (; IsDigit(*q); ++q)
      width_value = 10 * width_value + (*q - '0');
    rewritten.append(percent, q);
    p = q;
    if (q[0] == '.' && q[1] == '5' && q[2] == 'g') {
      if (q != width) {
        rewritten.resize(rewritten.size() - static_cast<size_t>(q - width));
        rewritten += std::to_string(width_value + digits - ResultDigits::kStandard);
      }
      rewritten += '.' + std::to_string(digits) + 'g';
      p = q + 3;
    }
  }
  rewritten.append(p);
  return rewritten;
}

}  // namespace

ResultDigits::ResultDigits(int digits) : previous_(result_digits) {
  result_digits = digits;
}

ResultDigits::~ResultDigits() {
  result_digits = previous_;
}

std::string ResultText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = ResultTextV(format, args);
  va_end(args);
  return text;
}

std::string ResultTextV(const char* format, va_list args) {
  // The standard five digits format straight from the calculators' own format strings.
  std::string other_format;
  if (result_digits != ResultDigits::kStandard) {
    other_format = WithDigits(format, result_digits);
    format = other_format.c_str();
  }
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
