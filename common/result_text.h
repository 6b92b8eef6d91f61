#pragma once

#include <cstdarg>
#include <string>

// printf-style formatting as the C library does it in the "C" locale, whatever the process
// locale: '.' decimals, and infinities and not-a-numbers spelled "inf", "-inf", "nan", "-nan".
std::string ResultText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same, with the arguments already gathered by the caller's own variadic function.
std::string ResultTextV(const char* format, va_list args);
