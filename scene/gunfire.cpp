#include "scene/gunfire.h"

#include <cmath>

void scheduleGunfire(World& world) {
    if (world.random.next() % 100 == 3) {
        world.burstFrames = world.random.next() % 100 + 10;
    }
    if (world.burstFrames > 0) {
        world.burstFrames -= 1;
        if (world.burstFrames % 4 == 0) {
            fireBullet(world);
        }
    }
}

void fireBullet(World& world) {
    Bullet* free = nullptr;
    for (Bullet& bullet : world.bullets) {
        if (bullet.active == 0) {
            free = &bullet;
            break;
        }
    }
    if (free == nullptr) {
        return;
    }
    const int first = world.random.next() % 4;
    const int second = world.random.next() % 4;
    const int spread = first - second;  // -3 to 3 degrees

    const JetState& jet = world.jet;
    free->exploding = 0;
    free->active = 1;
    free->x = jet.x;
    free->y = jet.y;
    free->z = jet.z;
    const double angle = courseRadians(jet, jet.heading + 90.0f + static_cast<float>(spread));
    // The two factors differ: twice the speed across x, the speed plus 2 along z.
    free->vx = static_cast<float>(std::cos(angle) * (2 * jet.speed));
    free->drop = 0;
    free->vz = static_cast<float>(std::sin(angle) * (jet.speed + 2));
}

BulletLook stepBullet(Bullet& bullet) {
    if (bullet.exploding != 0) {
        bullet.progress = static_cast<float>(bullet.progress + 0.1);
        if (bullet.progress > 1.0f) {
            bullet.exploding = 0;
        }
        return BulletLook::Explosion;  // also on the frame on which it ends
    }
    if (bullet.active == 1) {
        bullet.x += bullet.vx;
        bullet.y -= bullet.drop;
        bullet.z += bullet.vz;
        bullet.drop = static_cast<float>(bullet.drop + 0.002);
        if (bullet.y < 0) {
            bullet.active = 0;
            bullet.exploding = 1;
            bullet.progress = 0;
        }
        return BulletLook::Point;  // also on the frame of impact
    }
    return BulletLook::Nothing;
}
