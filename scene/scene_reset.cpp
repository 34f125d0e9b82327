#include "scene/scene_reset.h"

void resetBullets(World& world) {
    for (Bullet& bullet : world.bullets) {
        bullet.active = 0;
        bullet.exploding = 0;
    }
}

void resetGround(World& world) {
    for (int row = 0; row < kGroundPointsPerSide; ++row) {
        for (int column = 0; column < kGroundPointsPerSide; ++column) {
            world.groundPoints[row][column] = {(row - 32) * kGroundCellSize, 0,
                                               (column - 32) * kGroundCellSize};
        }
    }
}

void resetJet(World& world) {
    JetState& jet = world.jet;
    // The draws come before the generator is seeded, so every run starts from the same place.
    jet.x = static_cast<float>((world.random.next() % 1000) / 10.0 + 150);
    jet.z = static_cast<float>((world.random.next() % 10000) / 20.0 + 20);
    jet.y = 10;
    jet.heading = static_cast<float>(world.random.next() % 45 + 90);
    jet.targetHeading = 0;
    jet.turnRate = 0;
    jet.speed = static_cast<float>((world.random.next() % 100) / 20.0 + 4);
    jet.bankRamp = 0;
    jet.turning = 0;
    jet.bankFrames = 0;
    world.eye = {jet.x, jet.y + 4.0, jet.z};
}

void resetSmoke(World& world) {
    for (SmokePuff& puff : world.smokePuffs) {
        puff.life = -1;
    }
}
