#pragma once

#include <string>
#include <string_view>

// `word` in double quotes, for a message that names it. Whatever a terminal could act on is
// shown escaped, so that a word with an escape sequence cannot retitle or clear the terminal
// that shows the message: control characters and bytes that are not well-formed UTF-8 as
// \xNN, each byte on its own, and a double quote or backslash of the word as \" or \\.
// Printable characters, those beyond ASCII included, stand as they are.
std::string QuotedWord(std::string_view word);
