// The reader of boxes and number words on any text: it never crashes, recurses no deeper than
// its nesting limit, reads a plain number exactly as strtod in the "C" locale does, whatever
// locale the process runs in, and gives every accepted text a finite value that parentheses
// and a minus sign around it keep.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/box_number.h"
#include "common/c_locale.h"
#include "common/field_number.h"
#include "fuzz/fuzz_checks.h"

namespace {

bool SameDouble(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether `text` has the shape of a plain number, checked apart from the reader: blanks, an
// optional sign, digits with an optional point (one digit at least), an exponent whose 'e'
// has digits after its optional sign, blanks.
bool IsPlainNumber(std::string_view text) {
  size_t i = 0;
  const auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  if (at(i) == '+' || at(i) == '-')
    ++i;
  size_t digits = 0;
  while (IsDigit(at(i)))
    ++i, ++digits;
  if (at(i) == '.') {
    ++i;
    while (IsDigit(at(i)))
      ++i, ++digits;
  }
  if (digits == 0)
    return false;
  if (at(i) == 'e' || at(i) == 'E') {
    size_t e = i + 1;
    if (at(e) == '+' || at(e) == '-')
      ++e;
    if (!IsDigit(at(e)))
      return false;
    while (IsDigit(at(e)))
      ++e;
    i = e;
  }
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  return i == text.size();
}

std::string Quoted(std::string_view text) {
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on "\"" + string at -O3.
  return std::string("\"").append(text.substr(0, 200)).append(text.size() > 200 ? "...\"" : "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool locale_set = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  (void)locale_set;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const BoxNumber read = ReadBoxNumber(text);

  if (read.Refused()) {
    FuzzCheck(read.value == 0 && !std::signbit(read.value), "a refused text has a value",
              Quoted(text));
    FuzzCheck(!IsPlainNumber(text) || read.reading == BoxText::TooLarge,
              "a plain number is refused", Quoted(text));
    return 0;
  }
  FuzzCheck(std::isfinite(read.value), "an accepted text is not finite", Quoted(text));
  const bool blank = text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
  FuzzCheck((read.reading == BoxText::Blank) == blank, "blank is not told apart", Quoted(text));
  if (IsPlainNumber(text)) {
    const double expected = strtod_l(std::string(text).c_str(), nullptr, CLocale());
    FuzzCheck(read.reading == BoxText::Number && SameDouble(read.value, expected),
              "a plain number reads otherwise than strtod",
              Quoted(text) + ": " + std::to_string(read.value));
  }
  if (blank)
    return 0;
  const std::string inner(text);
  const BoxNumber grouped = ReadBoxNumber("(" + inner + ")");
  if (grouped.reading != BoxText::NestedTooDeep) {
    FuzzCheck(grouped.reading == BoxText::Expression && SameDouble(grouped.value, read.value),
              "parentheses change the value", Quoted(text));
  }
  const BoxNumber negated = ReadBoxNumber("-(" + inner + ")");
  if (negated.reading != BoxText::NestedTooDeep) {
    FuzzCheck(negated.reading == BoxText::Expression && SameDouble(negated.value, -read.value),
              "a minus sign does not negate", Quoted(text));
  }
  return 0;
}
