// The scene's drawing steps and whole frames, drawn into a Mesa offscreen buffer with the
// state the scene's start-up sets, checked by their pixels and the state they leave.
#include <GL/glu.h>

#include <cmath>
#include <string>

#include "scene/billboard.h"
#include "scene/frame.h"
#include "scene/scene_drawing.h"
#include "scene/scene_start.h"
#include "tests/render/render_support.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"
#include "tests/unit/model/model_test_files.h"

namespace {

const Rgb kBlue{0, 0, 255}, kCyan{0, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0},
    kMagenta{255, 0, 255}, kYellow{255, 255, 0};

TestRgb testRgb(Rgb c) {
    return {static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b)};
}

// The work-folder pictures: a blue sky with a cyan band at its top rows (its nadir), a ground
// of four coloured quadrants, and a 2 x 2 smoke puff without red whose 6-byte rows are not
// whole words.
struct ScenePictures {
    explicit ScenePictures(const TempFolder& folder)
        : sky(folder.file("Skymere3.bmp")),
          ground(folder.file("Skymere1.bmp")),
          smoke(folder.file("Skymere2.bmp")) {}
    bool write(bool withSky = true, bool withGround = true, bool withSmoke = true) const {
        return (!withSky ||
                writeTestBmp(sky, 16, 16,
                             [](int, int y) { return testRgb(y < 4 ? kCyan : kBlue); })) &&
               (!withGround || writeTestBmp(ground, 16, 16,
                                            [](int x, int y) {
                                                return testRgb(y < 8 ? (x < 8 ? kMagenta : kYellow)
                                                                     : (x < 8 ? kRed : kGreen));
                                            })) &&
               (!withSmoke || writeTestBmp(smoke, 2, 2, [](int x, int y) {
                   return TestRgb{0, static_cast<uint8_t>(y == 0 ? 255 : 128 * x),
                                  static_cast<uint8_t>(64 + 191 * x * (1 - y))};
               }));
    }
    SnapshotPaths paths() const { return {sky.c_str(), ground.c_str(), smoke.c_str()}; }
    std::string sky, ground, smoke;
};

// The scene started with those pictures and the jet model in a 64 x 64 window.
class SceneDrawing : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        ASSERT_TRUE(jet.load(SORAVANE_SOURCE_DIR "/data/Soravane.data"));
        ASSERT_TRUE(pictures.write());
        resizeScene(64, 64);
        ASSERT_TRUE(initScene(world, jet, pictures.paths()));
    }
    void TearDown() override { releaseScene(world); }

    // Looking straight down at (x, z), `span` units across the window, -z up the window.
    void lookDown(double x, double z, double span) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-span / 2, span / 2, -span / 2, span / 2, 1, 2000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(x, 500, z, x, 0, z, 0, 0, -1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        centre_ = {x, 0, z};
        span_ = span;
        world.eye = {x, 500, z};
    }
    // The pixel showing the point (x, 0, z) in that view.
    Rgb at(double x, double z) const {
        return pixel(static_cast<int>(((x - centre_.x) / span_ + 0.5) * 64),
                     static_cast<int>(((centre_.z - z) / span_ + 0.5) * 64));
    }

    ScenePictures pictures{folder};
    Ms3dModel jet;
    World world;

private:
    Vector3 centre_;
    double span_ = 1;
};

TEST_F(SceneDrawing, BillboardIsATexturedDiamondFacingTheEye) {
    lookDown(0, 0, 4);
    drawBillboard(world, {0, 0, 0}, 1, 1, 1, 1, 0, 500, 0, kGroundTexture);
    // Its corners lie 1 from the centre on the axes facing the eye; the ground picture's
    // bottom left quadrant shows at +x, its bottom right at +z.
    EXPECT_EQ(at(0.8, 0), kRed);
    EXPECT_EQ(at(0, 0.8), kGreen);
    EXPECT_EQ(at(-0.8, 0), kYellow);
    EXPECT_EQ(at(0, -0.8), kMagenta);
    EXPECT_TRUE(isBlack(at(1.2, 0)));
    EXPECT_TRUE(isBlack(at(0.6, 0.6)));
    // An eye on the z-parallel line through the centre gives no square at all.
    drawBillboard(world, {0, 0, 0}, 1, 1, 1, 1, 0, 0, 10, kExplosionTexture);
    EXPECT_EQ(at(0.8, 0), kRed);
}

TEST_F(SceneDrawing, BillboardAddsItsColourBehindNearerSurfacesAndHidesNothing) {
    lookDown(0, 0, 4);
    const auto square = [](float y, float fromX, float toX, Rgb colour) {
        glColor3ub(static_cast<GLubyte>(colour.r), static_cast<GLubyte>(colour.g),
                   static_cast<GLubyte>(colour.b));
        glBegin(GL_QUADS);
        glVertex3f(fromX, y, -2);
        glVertex3f(fromX, y, 2);
        glVertex3f(toX, y, 2);
        glVertex3f(toX, y, -2);
        glEnd();
    };
    square(1, -2, 0, kGreen);  // above the left half
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    for (int i = 0; i < 2; ++i) {
        drawBillboard(world, {0, 0, 0}, 1, 0.25f, 0.5f, 0, 0, 500, 0, kExplosionTexture);
    }
    EXPECT_EQ(at(-0.5, 0), kGreen);
    EXPECT_EQ(at(0.5, 0), (Rgb{128, 255, 0}));
    EXPECT_FALSE(on(GL_BLEND));
    EXPECT_FALSE(on(GL_TEXTURE_2D));
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (std::array<float, 4>{0.25f, 0.5f, 0, 1}));
    square(-1, 0, 2, kBlue);  // below the right half: the billboard wrote no depth
    EXPECT_EQ(at(0.5, 0), kBlue);
}

TEST_F(SceneDrawing, SmokeAndExplosionsAddTheirColoursAndAge) {
    lookDown(0, 0, 4);
    world.smokePuffs[0] = {1, 0, -1, 0.6f, 0.5f, 0.5f, 0.5f, 1};  // its last frame
    updateSmoke(world);
    EXPECT_EQ(world.smokePuffs[0].life, -1);
    const Rgb puff = at(1, -1);  // the smoke picture, without red, at half strength
    EXPECT_EQ(puff.r, 0);
    EXPECT_GT(std::min(puff.g, puff.b), 40);

    Bullet& flying = world.bullets[3];
    flying = {1, 0, 1.03125f, 0, 1.03125f, 0, 0, 0, 0};  // at a pixel's centre
    Bullet& exploding = world.bullets[5];
    exploding = {0, 1, -1, 0, 1, 0, 0, 0, 0.05f};
    glColor3f(0, 0, 1);
    updateBullets(world);
    EXPECT_EQ(at(1.03125, 1.03125), (Rgb{255, 255, 255}));
    EXPECT_EQ(at(-1, 1), (Rgb{217, 0, 0}));  // progress 0.15: size 0.6, red 0.85
    EXPECT_TRUE(isBlack(at(-1.7, 1)));
    EXPECT_FLOAT_EQ(exploding.progress, 0.15f);
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (std::array<float, 4>{1, 1, 1, 1}));
}

TEST_F(SceneDrawing, GroundShowsTheSnapshotOnEachCellUpToItsFarCorner) {
    lookDown(7936, 7936, 512);  // the last cell fills the window's upper left quarter
    glColor3f(1, 1, 1);
    drawGround(world);
    EXPECT_FALSE(on(GL_TEXTURE_2D));
    // The picture's bottom row runs along the cell's -z edge, its left column along -x.
    EXPECT_EQ(at(7700, 7700), kRed);
    EXPECT_EQ(at(7910, 7700), kGreen);
    EXPECT_EQ(at(7700, 7910), kMagenta);
    EXPECT_EQ(at(7910, 7910), kYellow);
    const Rgb middle = at(7808, 7750);  // magnified smoothly between quadrants
    EXPECT_GT(std::min(middle.r, middle.g), 20);
    for (const auto& [x, z] : {std::pair{8064, 7744}, {7744, 8064}, {8064, 8064}}) {
        EXPECT_TRUE(isBlack(at(x, z))) << x << "," << z;  // beyond the grid
    }
}

TEST_F(SceneDrawing, SkyIsADomeAroundTheGroundBelowTheEye) {
    world.eye = {40, 900, -30};
    const struct {
        double elevation;  // degrees above the horizontal
        bool topRows;      // of the sky picture: cyan, else blue
    } views[] = {{60, false}, {-60, false}, {-80, true}};
    for (const auto& view : views) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        const double angle = view.elevation * 3.14159 / 180;
        gluLookAt(40, 900, -30, 40 + std::cos(angle), 900 + std::sin(angle), -30, 0, 1, 0);
        glColor3f(1, 0, 0);
        drawSky(world);
        const Rgb c = pixel(32, 32);
        EXPECT_EQ(c.b, 255) << view.elevation;
        EXPECT_EQ(c.g > 200, view.topRows) << view.elevation << ": " << c.g;
        EXPECT_EQ(c.g < 128, !view.topRows) << view.elevation << ": " << c.g;
        EXPECT_FALSE(on(GL_TEXTURE_2D));
    }
}

TEST_F(SceneDrawing, JetNosesAlongItsHeadingLitFromAboveAndRollsIntoItsTurn) {
    world.jet = {0, 10, 0, 90};  // flying along -x
    const auto draw = [&]() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        gluLookAt(5, 10.8, 0, 0, 10, 0, 0, 1, 0);  // from behind and above
        drawJet(world, jet);
        int glow = 0, litGrey = 0, left = 64, right = 0, bottom = 64, top = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const Rgb c = pixel(x, y);
                glow += c.r > 200 && c.g > 60 && c.b < 90;
                litGrey += c.r > 90 && std::abs(c.r - c.g) < 25 && std::abs(c.b - c.r) < 35;
                if (!isBlack(c)) {
                    left = std::min(left, x), right = std::max(right, x);
                    bottom = std::min(bottom, y), top = std::max(top, y);
                }
            }
        }
        return std::tuple{glow, litGrey, right - left, top - bottom};
    };
    const auto [glow, litGrey, width, height] = draw();
    EXPECT_GT(glow, 8);  // its nozzles face the eye
    EXPECT_GT(litGrey, 100);
    EXPECT_GT(width, 2 * height);
    EXPECT_FALSE(on(GL_LIGHTING));
    EXPECT_EQ(world.jet.bankFrames, 0);

    world.jet.turning = 1;
    world.jet.turnRate = 1;
    world.jet.bankRamp = 90;  // a roll of 90 degrees about its nose: wings upright
    const auto rolled = draw();
    EXPECT_LT(2 * std::get<2>(rolled), std::get<3>(rolled));
    EXPECT_EQ(world.jet.bankFrames, 1);
}

bool isSky(Rgb c) {
    return c.b > 200 && c.r < 40;
}
bool isGround(Rgb c) {
    return c.r > 200 || c.g > 200;
}
bool isJet(Rgb c) {
    return (c.r > 60 && std::abs(c.r - c.g) < 40 && std::abs(c.b - c.g) < 40) ||
           (c.r > 200 && c.g > 60 && c.g < 200 && c.b < 90);
}

TEST_F(SceneDrawing, FramesShowSkyGroundAndTheJetWhereverTheEyeIs) {
    world.jet.heading = -90;  // flying along +x
    const struct {
        double dx, y, dz;  // the eye, from the jet
        bool skyAtTop;
    } eyes[] = {{-10, 12, 0, true}, {-12, 25, 5, false}};
    for (const auto& eye : eyes) {
        world.eye = {world.jet.x + eye.dx, eye.y, world.jet.z + eye.dz};
        ASSERT_EQ(renderFrame(world, jet), 1);
        EXPECT_EQ(isSky(pixel(32, 63)), eye.skyAtTop) << eye.y;
        EXPECT_TRUE(isGround(pixel(32, 0))) << eye.y;
        int jetPixels = 0;  // lit grey or glowing, around the window's centre
        for (int y = 27; y < 38; ++y) {
            for (int x = 27; x < 38; ++x) {
                jetPixels += isJet(pixel(x, y));
            }
        }
        EXPECT_GT(jetPixels, 4) << "the camera looks at the jet from " << eye.y;
        for (int y = 0; y < 64; y += 3) {
            for (int x = 0; x < 64; x += 3) {
                ASSERT_FALSE(isBlack(pixel(x, y))) << x << "," << y << " from " << eye.y;
            }
        }
    }
    // Each step leaves the state the next one expects.
    EXPECT_FALSE(on(GL_TEXTURE_2D));
    EXPECT_FALSE(on(GL_BLEND));
    EXPECT_FALSE(on(GL_LIGHTING));
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);
    EXPECT_EQ(floats(GL_CURRENT_COLOR), (std::array<float, 4>{1, 1, 1, 1}));
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneDrawing, FrameMovesFlightSmokeAndGunfireOnceInTheirOrder) {
    const float startX = world.jet.x;
    world.jet.heading = -90;
    world.burstFrames = 9;  // a shot on this frame: 8 is a multiple of 4
    world.eye = {startX - 500, 20, world.jet.z};
    renderFrame(world, jet);
    EXPECT_LT(std::abs(world.eye.x - startX), 151) << "the camera follows a jet gone far";
    EXPECT_GT(world.jet.x, startX);
    EXPECT_EQ(world.smokePuffs[0].life, 99);  // drawn once, aged once
    EXPECT_EQ(world.smokePuffs[1].life, 99);
    ASSERT_EQ(world.bullets[0].active, 1);
    // Fired from the jet's place before its step, then moved once in the same frame.
    EXPECT_FLOAT_EQ(world.bullets[0].x, startX + world.bullets[0].vx);
}

TEST_F(SceneDrawing, ResizeSetsTheViewportAndA45DegreePerspective) {
    resizeScene(640, 0);  // a height of 0 counts as 1
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double f = 1 / std::tan(22.5 * 3.14159265358979 / 180);
    EXPECT_NEAR(projection[5], f, 1e-6);
    EXPECT_NEAR(projection[0] * 640, f, 1e-5);
    EXPECT_NEAR(projection[10], -2000.1 / 1999.9, 1e-6);  // from 0.1 to 2000
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
}

// Start-up with its own pictures and model.
class SceneStart : public RenderTest {
protected:
    void TearDown() override { releaseScene(world); }

    // The colour of texel (x, y) of level 0 of the texture in `slot`.
    Rgb texel(int slot, int x, int y, int width) {
        glBindTexture(GL_TEXTURE_2D, world.textures[slot]);
        std::vector<uint8_t> texels(static_cast<size_t>(width) * width * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        const uint8_t* p = &texels[(static_cast<size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }

    ScenePictures pictures{folder};
    Ms3dModel model;
    World world;
};

TEST_F(SceneStart, WorkFolderBitmapsBecomeTexturesAndTheWorldAndStateStart) {
    ModelData square = squareModel();
    square.materials[1].textureFile = pictures.smoke;
    ASSERT_TRUE(model.load(folder.write("square.ms3d", writeMs3d(square)).c_str()));
    ASSERT_TRUE(pictures.write());
    ASSERT_TRUE(initScene(world, model, pictures.paths()));
    EXPECT_EQ(texel(kSkyTexture, 0, 0, 16), kBlue);  // rows from the bottom
    EXPECT_EQ(texel(kGroundTexture, 15, 0, 16), kGreen);
    EXPECT_EQ(texel(kSmokeTexture, 0, 0, 2), (Rgb{0, 0, 64}));  // rows of 6 bytes
    EXPECT_EQ(texel(kSmokeTexture, 1, 1, 2), (Rgb{0, 255, 255}));
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(world.textures[kExplosionTexture], 0u);
    EXPECT_NE(model.data().materials[1].textureId, 0u);
    EXPECT_NE(world.skyQuadric, nullptr);

    EXPECT_EQ(world.jet.y, 10);
    EXPECT_EQ(world.eye.y, 14);
    EXPECT_EQ(world.smokePuffs[1023].life, -1);
    EXPECT_EQ(world.groundPoints[63][0].x, 7936);
    EXPECT_TRUE(on(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_EQ(integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_TRUE(on(GL_LIGHT0));
    EXPECT_FALSE(on(GL_LIGHTING));  // only around the jet

    const SnapshotPaths work = workFolderSnapshotPaths();
    EXPECT_TRUE(std::string(work.sky).ends_with("\\Skymere3.bmp"));
    EXPECT_TRUE(std::string(work.ground).ends_with("\\Skymere1.bmp"));
    EXPECT_TRUE(std::string(work.smoke).ends_with("\\Skymere2.bmp"));
}

TEST_F(SceneStart, MissingBitmapsLeaveTheirSlotsEmptyAndNoneRefusesToStart) {
    EXPECT_FALSE(initScene(world, model, pictures.paths()));
    EXPECT_EQ(world.jet.y, 0);  // nothing touched
    EXPECT_EQ(world.smokePuffs[0].life, 0);
    EXPECT_EQ(world.skyQuadric, nullptr);
    EXPECT_FALSE(on(GL_DEPTH_TEST));

    RecordingErrorBox errors;
    ASSERT_TRUE(pictures.write(false, true, false));
    ASSERT_TRUE(initScene(world, model, pictures.paths()));
    EXPECT_EQ(world.textures[kSkyTexture], 0u);
    EXPECT_NE(world.textures[kGroundTexture], 0u);
    EXPECT_EQ(world.textures[kSmokeTexture], 0u);
    EXPECT_TRUE(errors.shown.empty()) << "a missing file is no error";
}

TEST(TexturesWithoutAContext, ReadTheFileButMakeNoTexture) {
    TempFolder folder;
    const std::string path = folder.file("a.bmp");
    ASSERT_TRUE(writeSolidTestBmp(path, 4, 4, {1, 2, 3}));
    EXPECT_NE(loadBitmapIfPresent(path.c_str()), nullptr);
    EXPECT_EQ(loadBitmapIfPresent(nullptr), nullptr);
    EXPECT_EQ(loadBitmapTexture(path.c_str()), 0u);
}

}  // namespace
