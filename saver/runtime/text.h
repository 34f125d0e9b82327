#pragma once
// Text helpers of the forms run-time. Texts are UTF-8, so a "character" is a code point:
// cutting at a character never splits a Japanese letter, and no byte of a multi-byte letter
// can be taken for an ASCII one ("\" or ":" in a path, a letter of a file ending).
#include <cstddef>
#include <string>
#include <string_view>

// Blanks are spaces and tabs: what separates command-line words and may surround numbers.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Upper-cases "a" to "z" only; every other byte is kept.
std::string UpperCaseAscii(std::string_view text);

// The last `count` characters; the whole text when it is shorter.
std::string_view LastCharacters(std::string_view text, std::size_t count);

// The characters from the 1-based `position` on; empty when the text is shorter. Position 0
// counts as 1.
std::string_view CharactersFrom(std::string_view text, std::size_t position);
