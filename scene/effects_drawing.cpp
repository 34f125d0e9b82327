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
    {
        BillboardBatch puffs(world, kSmokeTexture, world.eye);
        for (SmokePuff& puff : world.smokePuffs) {
            if (puff.life > 0) {
                puffs.add(positionOf(puff.x, puff.y, puff.z), puff.size, puff.red, puff.green,
                          puff.blue);
                agePuff(puff);
            }
        }
    }
    glColor3f(1, 1, 1);
}

void updateBullets(World& world) {
    // The points are drawn after the explosions, not between them: a point is white, which no
    // explosion added under or over it can change, and explosions write no depth.
    Vector3 points[kBulletCount];
    int pointCount = 0;
    {
        BillboardBatch explosions(world, kExplosionTexture, world.eye);
        for (Bullet& bullet : world.bullets) {
            switch (stepBullet(bullet)) {
                case BulletLook::Explosion:
                    explosions.add(positionOf(bullet.x, bullet.y, bullet.z),
                                   kExplosionSizePerProgress * bullet.progress, 1 - bullet.progress,
                                   0, 0);
                    break;
                case BulletLook::Point:
                    points[pointCount++] = positionOf(bullet.x, bullet.y, bullet.z);
                    break;
                case BulletLook::Nothing:
                    break;
            }
        }
    }
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    for (int i = 0; i < pointCount; ++i) {
        glVertex3d(points[i].x, points[i].y, points[i].z);
    }
    glEnd();
}
