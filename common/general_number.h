#pragma once

#include <cstdint>

// printf's %.<precision>g of `value`, as the C library writes it in the "C" locale: the shorter
// of the fixed and the exponent forms, trailing zeros dropped, "inf", "-inf", "nan", "-nan".
// Writes from `first` and returns the end; [first, last) must hold precision + 8 characters.
char* WriteGeneralNumber(char* first, char* last, double value, int precision);

// The decimal that %.<precision>g rounds a number to: `digits` (precision of them, the first
// not 0) times 10^(exponent - precision + 1), negative or not. Two numbers print alike exactly
// where these are equal.
struct RoundedDecimal {
  uint64_t digits = 0;
  int exponent = 0;
  bool negative = false;

  bool operator==(const RoundedDecimal&) const = default;
};

// The decimal of `value` at `precision` digits (0 counts as 1), exactly; false for zeros,
// subnormals, infinities, not-a-numbers, more than 17 digits and the few numbers beyond the
// arithmetic that proves it, which only WriteGeneralNumber writes.
bool RoundToDigits(double value, int precision, RoundedDecimal& rounded);

// Whether `low` and `high` surely print alike at `precision` digits (0 counts as 1), and with
// low <= high every number between them: decided cheaply, where one rounded scaling by a power
// of ten proves the digits of each. True only where they do; false also where this cannot
// tell (a rounding edge within reach of the rounding error, zeros, subnormals, infinities,
// not-a-numbers, more digits than 15 or 16, magnitudes beyond 10^22 of the digits' range).
bool SurelyPrintAlike(double low, double high, int precision);

// Whether `low` and `high` print alike at `precision` digits (0 counts as 1, at most 17): where
// low <= high, so does every number between them. SurelyPrintAlike first, then the rounded
// decimals of both, and the texts where those are beyond reach.
bool PrintAlike(double low, double high, int precision);
