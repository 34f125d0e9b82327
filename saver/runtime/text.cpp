#include "saver/runtime/text.h"

namespace {

// The second to fourth bytes of a UTF-8 sequence look like 10xxxxxx.
bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string_view LastCharacters(std::string_view text, std::size_t count) {
    std::size_t start = text.size();
    for (std::size_t taken = 0; taken < count && start > 0; ++taken) {
        do {
            --start;
        } while (start > 0 && IsContinuationByte(text[start]));
    }
    return text.substr(start);
}

std::string_view CharactersFrom(std::string_view text, std::size_t position) {
    std::size_t start = 0;
    for (std::size_t skipped = 1; skipped < position && start < text.size(); ++skipped) {
        do {
            ++start;
        } while (start < text.size() && IsContinuationByte(text[start]));
    }
    return text.substr(start);
}
