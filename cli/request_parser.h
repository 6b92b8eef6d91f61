#pragma once

#include <span>
#include <string_view>

#include "cli/calculation_request.h"
#include "cli/number_word.h"

// The calculation that `words` ask for, or what is wrong with them:
//   roots C...                          3, 4 or 5 coefficients from the highest power down
//   complex OP XR XI [YR YI [ZR ZI]]    parts not given are 0
//   vector 2d|3d OP X... Y...           2 or 3 components each, by the dimension
// Every number word is read by `reading`, once.
ParsedCalculation ParseCalculation(std::span<const std::string_view> words, NumberReading reading);
