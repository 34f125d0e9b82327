#pragma once
// A read position in a byte buffer that never leaves the buffer. A read past the end yields
// zeros and marks the cursor failed for good, so a parser can read a whole record and check
// once afterwards.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

class LittleEndianCursor {
public:
    explicit LittleEndianCursor(std::span<const uint8_t> bytes, size_t offset = 0)
        : bytes_(bytes),
          offset_(offset <= bytes.size() ? offset : bytes.size()),
          failed_(offset > bytes.size()) {}

    bool failed() const { return failed_; }
    size_t offset() const { return offset_; }
    size_t remaining() const { return bytes_.size() - offset_; }

    // The next `size` bytes, or an empty span (and failure) when fewer are left.
    std::span<const uint8_t> take(size_t size) {
        if (failed_ || size > remaining()) {
            failed_ = true;
            offset_ = bytes_.size();
            return {};
        }
        const std::span<const uint8_t> taken = bytes_.subspan(offset_, size);
        offset_ += size;
        return taken;
    }

    void skip(size_t size) { take(size); }

    uint8_t u8() { return static_cast<uint8_t>(unsignedValue(1)); }
    int8_t i8() { return static_cast<int8_t>(u8()); }
    uint16_t u16() { return static_cast<uint16_t>(unsignedValue(2)); }
    int32_t i32() { return static_cast<int32_t>(unsignedValue(4)); }
    float f32() { return std::bit_cast<float>(static_cast<uint32_t>(unsignedValue(4))); }

private:
    uint32_t unsignedValue(size_t size) {
        const std::span<const uint8_t> field = take(size);
        uint32_t value = 0;
        for (size_t i = field.size(); i > 0; --i) {
            value = (value << 8) | field[i - 1];
        }
        return value;
    }

    std::span<const uint8_t> bytes_;
    size_t offset_;
    bool failed_;
};
