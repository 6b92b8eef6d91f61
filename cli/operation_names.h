#pragma once

#include <optional>
#include <string_view>

// The words that name an operation: its list position, its list entry or a short alias,
// the entry and the alias matched without regard to case or blanks ("X / Y", "x/y").

// A short alias for each complex operation, in list order.
extern const char* const kComplexAliases[];
// A short alias for each vector operation, in list order.
extern const char* const kVectorAliases[];

// The list position that `word` names in the complex calculator's list, if any.
std::optional<int> FindComplexOperation(std::string_view word);

// The list position that `word` names in the vector calculator's list, if any.
std::optional<int> FindVectorOperation(std::string_view word);

// The dimension index that `word` names: 0 for "2d", 1 for "3d", in any case.
std::optional<int> FindVectorDimension(std::string_view word);
