#pragma once

// printf's %.<precision>g of `value`, as the C library writes it in the "C" locale: the shorter
// of the fixed and the exponent forms, trailing zeros dropped, "inf", "-inf", "nan", "-nan".
// Writes from `first` and returns the end; [first, last) must hold precision + 8 characters.
char* WriteGeneralNumber(char* first, char* last, double value, int precision);
