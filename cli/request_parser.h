#pragma once

#include <span>
#include <string>

#include "cli/calculation_request.h"

// The calculation that `words` ask for, or what is wrong with them:
//   roots C...                          3, 4 or 5 coefficients from the highest power down
//   complex OP XR XI [YR YI [ZR ZI]]    parts not given are 0
//   vector 2d|3d OP X... Y...           2 or 3 components each, by the dimension
// Every number is read as the calculators read a box, so a word that is not a number is 0.
ParsedCalculation ParseCalculation(std::span<const std::string> words);
