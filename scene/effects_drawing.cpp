#include <GL/gl.h>

#include "scene/billboard.h"
#include "scene/gunfire.h"
#include "scene/scene_drawing.h"
#include "scene/smoke.h"

namespace {

Vector3 positionOf(float x, float y, float z) {
    return {x, y, z};
}

}  // namespace

void updateSmoke(World& world) {
    const Vector3& eye = world.eye;
    for (SmokePuff& puff : world.smokePuffs) {
        if (puff.life > 0) {
            drawBillboard(world, positionOf(puff.x, puff.y, puff.z), puff.size, puff.red,
                          puff.green, puff.blue, static_cast<float>(eye.x),
                          static_cast<float>(eye.y), static_cast<float>(eye.z), kSmokeTexture);
            agePuff(puff);
        }
    }
    glColor3f(1, 1, 1);
}

void updateBullets(World& world) {
    const Vector3& eye = world.eye;
    for (Bullet& bullet : world.bullets) {
        switch (stepBullet(bullet)) {
            case BulletLook::Explosion:
                drawBillboard(world, positionOf(bullet.x, bullet.y, bullet.z),
                              kExplosionSizePerProgress * bullet.progress, 1 - bullet.progress, 0,
                              0, static_cast<float>(eye.x), static_cast<float>(eye.y),
                              static_cast<float>(eye.z), kExplosionTexture);
                break;
            case BulletLook::Point:
                glColor3f(1, 1, 1);
                glBegin(GL_POINTS);
                glVertex3f(bullet.x, bullet.y, bullet.z);
                glEnd();
                break;
            case BulletLook::Nothing:
                break;
        }
    }
    glColor3f(1, 1, 1);
}
