#pragma once
// Finding a generator state whose next draws satisfy a test's need, so a test can steer the
// world's random decisions without reaching into the generator.
#include <functional>

#include "scene/crt_random.h"

// The first seed from 0 upwards whose draws satisfy `wanted`, applied to `random`.
inline bool seedSoThat(CrtRandom& random, const std::function<bool(CrtRandom&)>& wanted) {
    for (uint32_t seed = 0; seed < 10'000'000; ++seed) {
        CrtRandom probe;
        probe.seed(seed);
        if (wanted(probe)) {
            random.seed(seed);
            return true;
        }
    }
    return false;
}
