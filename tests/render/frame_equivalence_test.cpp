// Whole frames drawn the quick way (renderFrame) against the same frames drawn the
// straightforward way the scene first drew them: the whole sky sphere through GLU, every ground
// cell, billboard and bullet in a primitive of its own with its state around it. Two worlds
// from the same start and seed run side by side: their state must stay identical, and their
// pictures alike but for the rounding of batched smoke.
#include <GL/osmesa.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "scene/billboard.h"
#include "scene/flight.h"
#include "scene/frame.h"
#include "scene/gunfire.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_drawing.h"
#include "scene/scene_start.h"
#include "scene/smoke.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

void drawWholeSkySphere(const World& world, GLUquadric* sphere) {
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, world.textures[kSkyTexture]);
    glTranslatef(static_cast<float>(world.eye.x), 0, static_cast<float>(world.eye.z));
    glRotatef(90, 1, 0, 0);
    glColor4f(1, 1, 1, 1);
    gluSphere(sphere, 1000, 32, 32);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void drawEveryGroundCell(const World& world) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, world.textures[kGroundTexture]);
    const auto vertex = [](const Vector3& p) {
        glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    };
    for (int a = 0; a < kGroundPointsPerSide - 1; ++a) {
        for (int b = 0; b < kGroundPointsPerSide - 1; ++b) {
            glBegin(GL_QUADS);
            glTexCoord2f(0, 0);
            vertex(world.groundPoints[b][a]);
            glTexCoord2f(0, 1);
            vertex(world.groundPoints[b][a + 1]);
            glTexCoord2f(1, 1);
            vertex(world.groundPoints[b + 1][a + 1]);
            glTexCoord2f(1, 0);
            vertex(world.groundPoints[b + 1][a]);
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
}

// One square with all its state set and reset around it.
void drawOneBillboard(const World& world, Vector3 center, double size, float red, float green,
                      float blue, int textureSlot) {
    BillboardBatch(world, textureSlot, world.eye).add(center, size, red, green, blue);
}

// Each puff, explosion and bullet in record order, each on its own.
void drawEachEffect(World& world) {
    for (SmokePuff& puff : world.smokePuffs) {
        if (puff.life > 0) {
            drawOneBillboard(world, {puff.x, puff.y, puff.z}, puff.size, puff.red, puff.green,
                             puff.blue, kSmokeTexture);
            agePuff(puff);
        }
    }
    for (Bullet& bullet : world.bullets) {
        const BulletLook look = stepBullet(bullet);
        if (look == BulletLook::Explosion) {
            drawOneBillboard(world, {bullet.x, bullet.y, bullet.z},
                             kExplosionSizePerProgress * bullet.progress, 1 - bullet.progress, 0, 0,
                             kExplosionTexture);
        } else if (look == BulletLook::Point) {
            glColor3f(1, 1, 1);
            glBegin(GL_POINTS);
            glVertex3f(bullet.x, bullet.y, bullet.z);
            glEnd();
        }
    }
    glColor3f(1, 1, 1);
}

// renderFrame's steps in its order, each drawn the straightforward way.
void straightforwardFrame(World& world, const MeshModel& model, GLUquadric* sphere) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    placeCamera(world);
    drawWholeSkySphere(world, sphere);
    scheduleGunfire(world);
    drawEveryGroundCell(world);
    flyJet(world);
    drawJet(world, model);
    emitSmoke(world);
    drawEachEffect(world);
}

template <typename T>
bool sameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameState(const World& a, const World& b) {
    return sameBytes(a.jet, b.jet) && sameBytes(a.eye, b.eye) && sameBytes(a.bullets, b.bullets) &&
           sameBytes(a.smokePuffs, b.smokePuffs) && a.burstFrames == b.burstFrames &&
           sameBytes(a.random, b.random);
}

TEST(QuickFrames, ShowWhatTheStraightforwardDrawingShowsAndKeepTheWorldAlike) {
    std::vector<uint8_t> quick(kWidth * kHeight * 4);
    std::vector<uint8_t> straightforward(quick.size());
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    ASSERT_TRUE(OSMesaMakeCurrent(context, quick.data(), GL_UNSIGNED_BYTE, kWidth, kHeight));

    TempFolder folder;
    const std::string ground = folder.file("Skymere1.bmp");
    ASSERT_TRUE(writeTestBmp(ground, 320, 240, [](int x, int y) {  // a desktop with a window
        const bool window = x > 60 && x < 200 && y > 30 && y < 150;
        return window ? TestRgb{240, 240, 240}
                      : TestRgb{static_cast<uint8_t>(x / 2), 110, static_cast<uint8_t>(y)};
    }));
    const SnapshotPaths paths{SORAVANE_SOURCE_DIR "/saver/resources/sky.bmp", ground.c_str(),
                              SORAVANE_SOURCE_DIR "/saver/resources/puff.bmp"};
    Ms3dModel model;
    ASSERT_TRUE(model.load(SORAVANE_SOURCE_DIR "/data/Soravane.data"));
    resizeScene(kWidth, kHeight);
    World fast;
    World reference;
    ASSERT_TRUE(initScene(fast, model, paths) && initScene(reference, model, paths));
    fast.random.seed(20261207);
    reference.random.seed(20261207);
    // An explosion on the ground ahead of the jet, in the camera's first views.
    const double ahead = courseRadians(fast.jet, fast.jet.heading + 90);
    fast.bullets[0] = reference.bullets[0] = {0,
                                              1,
                                              static_cast<float>(fast.jet.x + 40 * std::cos(ahead)),
                                              0,
                                              static_cast<float>(fast.jet.z + 40 * std::sin(ahead)),
                                              0,
                                              0,
                                              0,
                                              0};
    GLUquadric* sphere = gluNewQuadric();
    gluQuadricTexture(sphere, GL_TRUE);

    // Puffs sent in one batch get their colour per vertex, and Mesa's interpolation of it
    // may round a channel one step off where single puffs kept it constant: a pixel or two
    // of smoke a frame. Anything missing or misplaced would differ by more, or more often.
    int mostDifferingPixels = 0;
    int largestStep = 0;
    for (int frame = 0; frame < 300; ++frame) {
        OSMesaMakeCurrent(context, quick.data(), GL_UNSIGNED_BYTE, kWidth, kHeight);
        renderFrame(fast, model);
        glFinish();
        OSMesaMakeCurrent(context, straightforward.data(), GL_UNSIGNED_BYTE, kWidth, kHeight);
        straightforwardFrame(reference, model, sphere);
        glFinish();
        ASSERT_TRUE(sameState(fast, reference)) << "frame " << frame;
        int differingPixels = 0;
        for (size_t i = 0; i < quick.size(); i += 4) {
            int step = 0;
            for (size_t channel = i; channel < i + 3; ++channel) {
                step = std::max(step, std::abs(quick[channel] - straightforward[channel]));
            }
            differingPixels += step > 0 ? 1 : 0;
            largestStep = std::max(largestStep, step);
        }
        mostDifferingPixels = std::max(mostDifferingPixels, differingPixels);
        fast.eye.y += 0.1;  // as the scene's loop climbs the eye after every frame
        reference.eye.y += 0.1;
    }
    EXPECT_LE(mostDifferingPixels, 4);
    EXPECT_LE(largestStep, 1);

    gluDeleteQuadric(sphere);
    releaseScene(fast);
    releaseScene(reference);
    OSMesaDestroyContext(context);
}

}  // namespace
