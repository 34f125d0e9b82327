#pragma once
// The C run-time's rand(), spelled out so that every compiler and every test draws the same
// numbers: a 32-bit state starting at 1; each draw sets state = state x 214013 + 2531011
// (mod 2^32) and yields bits 16 to 30 of the new state, 0 to 32767.
#include <cstdint>

class CrtRandom {
public:
    void seed(uint32_t seed) { state_ = seed; }

    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }

private:
    uint32_t state_ = 1;
};
