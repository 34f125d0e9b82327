#include "scene/smoke.h"

#include <cmath>

namespace {

struct PuffOffset {
    double x, y, z;
};

void placePuff(SmokePuff& puff, const JetState& jet, PuffOffset offset) {
    puff.life = kPuffLifeFrames;
    puff.x = static_cast<float>(jet.x + offset.x);
    puff.y = static_cast<float>(jet.y - 1.2 - offset.y);
    puff.z = static_cast<float>(jet.z + offset.z);
    puff.size = 0;
    puff.red = puff.green = puff.blue = 1.0f;
}

}  // namespace

void emitSmoke(World& world) {
    const JetState& jet = world.jet;
    const double heading = courseRadians(jet, jet.heading);
    // The roll fields are read whether or not a turn runs: a straight flight after a turn
    // keeps the second puff at the height the last turn's roll gave it.
    const double roll = jet.turnRate * jet.bankRamp * kDegreesToRadians;
    const PuffOffset offsets[2] = {
        {std::cos(heading), 0, std::sin(heading)},
        {std::cos(-heading) + 1, 2 * std::sin(roll), std::sin(-heading) + 1},
    };

    int emitted = 0;
    for (SmokePuff& puff : world.smokePuffs) {
        if (emitted == 2) {
            break;
        }
        if (puff.life < 0) {
            placePuff(puff, jet, offsets[emitted]);
            ++emitted;
        }
    }
}

void agePuff(SmokePuff& puff) {
    puff.size = static_cast<float>(puff.size + 0.02);
    puff.red = static_cast<float>(puff.red - 0.02);
    puff.green = static_cast<float>(puff.green - 0.02);
    puff.blue = static_cast<float>(puff.blue - 0.02);
    puff.life -= 1;
    if (puff.life <= 0) {
        puff.life = -1;
    }
}
