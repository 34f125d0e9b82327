#pragma once
// Appending little-endian fields to a file being built in memory: every field of the BMP and
// ICO headers is little-endian, whatever the host.
#include <cstdint>
#include <vector>

namespace pictures {

inline void putU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

}  // namespace pictures
