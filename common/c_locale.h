#pragma once

#include <locale.h>
#include <clocale>

// The "C" locale as a locale object, for the conversions that must not follow the process
// locale (which a Qt program sets from the user's environment at start-up).
locale_t CLocale();
