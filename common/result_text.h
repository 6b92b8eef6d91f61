#pragma once

#include <string>

// printf-style formatting as the C library does it in the "C" locale, whatever the process
// locale: '.' decimals, and infinities and not-a-numbers spelled "inf", "-inf", "nan", "-nan".
std::string ResultText(const char* format, ...) __attribute__((format(printf, 1, 2)));
