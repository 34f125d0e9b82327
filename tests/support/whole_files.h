#pragma once
// Whole files as bytes, for tests that write a program's inputs and read what it wrote, and
// one value of a profile (ini) file as the platform writes it.
#include <fstream>
#include <iterator>
#include <string>

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool writeWholeFile(const std::string& path, const std::string& bytes) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

// The value on the line of `key` in a profile file's bytes, without the blanks Windows keeps
// after the equals sign (Wine drops them).
inline std::string profileValue(const std::string& bytes, const std::string& key) {
    const std::size_t line = bytes.find(key + "=");
    if (line == std::string::npos) {
        return "(no line for the key)";
    }
    const std::size_t start = bytes.find_first_not_of(' ', line + key.size() + 1);
    return bytes.substr(start, bytes.find_first_of("\r\n", start) - start);
}
