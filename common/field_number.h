#pragma once

#include <string_view>

// The value of an edit box, read the way the C library's atof reads text in the "C" locale:
// leading white space, an optional sign, digits with an optional '.', an optional exponent.
// Reading stops at the first character that does not fit; text that does not start with a
// number (an empty or blank box included) reads as 0. Hexadecimal and the words "inf" and
// "nan" are not numbers here, and the decimal point is '.' whatever the process locale.
double FieldNumber(std::string_view text);
