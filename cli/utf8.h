#pragma once

#include <cstddef>
#include <string_view>

// The length of the well-formed UTF-8 sequence that `text` starts with, from 1 to 4 bytes,
// or 0 when it starts with a byte that begins no such sequence (a stray continuation byte, an
// overlong form, a surrogate, a code point beyond U+10FFFF, a sequence cut short). An empty
// `text` gives 0.
size_t Utf8SequenceLength(std::string_view text);

// Whether the well-formed sequence `character` is a control character that a terminal may
// act on: C0 (below U+0020), DEL (U+007F) or C1 (U+0080 to U+009F).
bool IsControlCharacter(std::string_view character);
