#pragma once
// Steering the world's random decisions: a generator state whose next draws are what a test
// needs, found by trying seeds from 0 upwards.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "scene/crt_random.h"

// Seeds `random` with the first seed whose draws satisfy `wanted`; false when none below 50
// million does.
inline bool seedSoThat(CrtRandom& random, const std::function<bool(CrtRandom&)>& wanted) {
    for (uint32_t seed = 0; seed < 50'000'000; ++seed) {
        CrtRandom probe;
        probe.seed(seed);
        if (wanted(probe)) {
            random.seed(seed);
            return true;
        }
    }
    return false;
}

// Seeds `random` so that its next draws leave the given {modulus, remainder} pairs, in order;
// a modulus of 0 takes any draw.
inline bool seedForDraws(CrtRandom& random, const std::vector<std::pair<int, int>>& draws) {
    return seedSoThat(random, [&](CrtRandom& probe) {
        for (const auto& [modulus, remainder] : draws) {
            const int draw = probe.next();
            if (modulus != 0 && draw % modulus != remainder) {
                return false;
            }
        }
        return true;
    });
}
