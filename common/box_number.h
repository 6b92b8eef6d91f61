#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What a calculator's box, or a number word of quillet-calc, reads: a blank text as 0, a
// plain number as the double that FieldNumber reads, and arithmetic on numbers evaluated in
// doubles; anything else is refused with the reason.
//
// Arithmetic: + - * / and ^ for powers, which is right-associative and binds tighter than a
// sign (-2^2 is -4, 2^3^2 is 512); parentheses; the constants pi and e; and the functions
// sqrt cbrt exp ln log10 sin cos tan asin acos atan (radians) and abs, whose argument stands
// in parentheses. Blanks may stand between the parts. The decimal point is '.' in every
// locale, and every value on the way must be a finite double.

// How deep parentheses, function calls and powers of powers may nest.
inline constexpr int kMaxNesting = 100;

enum class BoxText {
  Blank,       // empty or only blanks: 0
  Number,      // a plain number: an optional sign, the digits, blanks around
  Expression,  // arithmetic, read as its value
  // Refused:
  NotANumber,             // neither a number nor arithmetic
  DecimalComma,           // a ',' between digits, where '.' was meant
  TooLarge,               // a number beyond the range of doubles
  NotFinite,              // arithmetic that leaves the finite doubles: 1/0, sqrt(-1), ln(0)
  UnbalancedParentheses,  // a '(' never closed, or a ')' never opened
  NestedTooDeep,          // nesting beyond kMaxNesting
};

struct BoxNumber {
  BoxText reading;
  double value;  // 0 when refused

  bool Refused() const { return reading > BoxText::Expression; }
};

BoxNumber ReadBoxNumber(std::string_view text);

// Why a refused text is refused, as it follows the quoted text in a message: "is not a
// number", "is not a number: use a point (.) for the decimal separator", ...
std::string_view RefusalReason(BoxText refused);

// The message for a box whose text is refused, naming the box and quoting its text:
//   X real part: "2,5" is not a number: use a point (.) for the decimal separator.
// A text longer than kQuotedTextLimit bytes is quoted up to there, followed by "...".
inline constexpr size_t kQuotedTextLimit = 40;
std::string RefusedBoxMessage(std::string_view boxName, std::string_view text, BoxText refused);
