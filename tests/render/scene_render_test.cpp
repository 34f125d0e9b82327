// The scene's start, its drawing steps and whole frames, and the model's loading and drawing,
// drawn into a Mesa offscreen buffer and checked by their pixels and the state they leave.
#define GL_GLEXT_PROTOTYPES  // the pixel buffer calls, for a renderer that refuses uploads
#include <GL/osmesa.h>

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include "scene/billboard.h"
#include "scene/frame.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_drawing.h"
#include "scene/scene_start.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"
#include "tests/unit/model/model_test_files.h"

// Found by the pixel comparisons' argument lookup, so beside TestRgb, outside the namespace.
using Rgb = TestRgb;
bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
void PrintTo(Rgb c, std::ostream* out) {
    *out << "(" << +c.r << ", " << +c.g << ", " << +c.b << ")";
}

namespace {

// A 64 x 64 context with a 16-bit depth buffer like the scene's, current on the test's thread.
class RenderTest : public testing::Test {
protected:
    ~RenderTest() override { OSMesaDestroyContext(context_); }
    void SetUp() override { ASSERT_TRUE(context_ != nullptr && makeCurrent()); }

    bool makeCurrent() {
        const bool made = OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, 64, 64);
        OSMesaPixelStore(OSMESA_Y_UP, 1);  // row 0 is the bottom row, as OpenGL counts
        return made;
    }
    // The colour of window pixel (x, y), y counted from the bottom row.
    Rgb pixel(int x, int y) const {
        glFinish();
        const uint8_t* p = &buffer_[static_cast<size_t>(y * 64 + x) * 4];
        return {p[0], p[1], p[2]};
    }
    // How many pixels from (x0, y0) up to (x1, y1) match.
    int count(auto wanted, int x0 = 0, int y0 = 0, int x1 = 64, int y1 = 64) const {
        int matching = 0;
        for (int i = 0; i < (x1 - x0) * (y1 - y0); ++i) {
            matching += wanted(pixel(x0 + i % (x1 - x0), y0 + i / (x1 - x0))) ? 1 : 0;
        }
        return matching;
    }
    static bool on(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }

    TempFolder folder;

private:
    std::vector<uint8_t> buffer_ = std::vector<uint8_t>(64 * 64 * 4);
    OSMesaContext context_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
};

const Rgb kBlue{0, 0, 255}, kCyan{0, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0},
    kMagenta{255, 0, 255}, kYellow{255, 255, 0};

// The scene started with the jet model in a 64 x 64 window and its own work-folder pictures:
// a blue sky with a cyan band along its top rows, a ground of four coloured quadrants whose
// 54-byte rows are not whole words, and a 2 x 2 smoke puff without red.
class SceneDrawing : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        ASSERT_TRUE(model.load(SORAVANE_SOURCE_DIR "/data/Soravane.data"));
        ASSERT_TRUE(writeTestBmp(sky, 16, 16, [](int, int y) { return y < 4 ? kCyan : kBlue; }));
        ASSERT_TRUE(writeTestBmp(ground, 18, 16, [](int x, int y) {
            return y < 8 ? (x < 9 ? kMagenta : kYellow) : (x < 9 ? kRed : kGreen);
        }));
        ASSERT_TRUE(writeTestBmp(smoke, 2, 2, [](int x, int y) {
            return Rgb{0, static_cast<uint8_t>(y == 0 ? 255 : 128 * x),
                       static_cast<uint8_t>(64 + 191 * x * (1 - y))};
        }));
        resizeScene(64, 64);
        ASSERT_TRUE(initScene(world, model, {sky.c_str(), ground.c_str(), smoke.c_str()}));
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
        world.eye = {x, 500, z};
        span_ = span;
    }
    // The pixel showing the point (x, 0, z) in that view.
    Rgb at(double x, double z) const {
        return pixel(static_cast<int>(((x - world.eye.x) / span_ + 0.5) * 64),
                     static_cast<int>(((world.eye.z - z) / span_ + 0.5) * 64));
    }

    const std::string sky = folder.file("Skymere3.bmp"), ground = folder.file("Skymere1.bmp"),
                      smoke = folder.file("Skymere2.bmp");
    Ms3dModel model;
    World world;

private:
    double span_ = 1;
};

TEST_F(SceneDrawing, BillboardIsATexturedDiamondFacingTheEyeAddedToThePicture) {
    lookDown(0, 0, 4);
    BillboardBatch(world, kGroundTexture, world.eye).add({0, 0, 0}, 1, 1, 1, 1);
    // Its corners lie 1 from the centre on the axes facing the eye; the ground picture's
    // bottom left quadrant shows at +x, its bottom right at +z.
    EXPECT_EQ(
        (std::vector{at(0.8, 0), at(0, 0.8), at(-0.8, 0), at(0, -0.8), at(1.2, 0), at(.6, .6)}),
        (std::vector{kRed, kGreen, kYellow, kMagenta, Rgb{}, Rgb{}}));

    // Untextured, it adds its colour and hides nothing behind it.
    lookDown(0, 0, 4);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    {
        BillboardBatch explosions(world, kExplosionTexture, world.eye);
        explosions.add({0, 0, 0}, 1, 0.25f, 0.5f, 0);
        explosions.add({0, 0, 0}, 1, 0.25f, 0.5f, 0);
    }
    EXPECT_EQ(at(0.5, 0), (Rgb{128, 255, 0}));
    GLfloat depth = 0;  // at that pixel: the billboard wrote none, and it turned blending off
    glReadPixels(40, 32, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(std::tuple(depth, on(GL_BLEND)), std::tuple(1, false));
}

TEST_F(SceneDrawing, GroundShowsTheSnapshotOnEachCellUpToItsFarCorner) {
    lookDown(7936, 7936, 512);  // the last cell fills the window's upper left quarter
    glColor3f(1, 1, 1);
    drawGround(world);
    EXPECT_FALSE(on(GL_TEXTURE_2D));
    // The picture's bottom row runs along the cell's -z edge, its left column along -x.
    // Beyond the grid, nothing.
    EXPECT_EQ((std::vector{at(7700, 7700), at(7910, 7700), at(7700, 7910), at(7910, 7910),
                           at(8064, 7744), at(7744, 8064), at(8064, 8064)}),
              (std::vector{kRed, kGreen, kMagenta, kYellow, Rgb{}, Rgb{}, Rgb{}}));
}

TEST_F(SceneDrawing, JetRollsIntoItsTurn) {
    world.jet = {0, 10, 0, 90, 0, 1, 0, 90, 1};  // turning, rolled 90 degrees: wings upright
    glClear(GL_DEPTH_BUFFER_BIT);
    gluLookAt(5, 10.8, 0, 0, 10, 0, 0, 1, 0);  // flying along -x, seen from behind
    drawJet(world, model);
    const auto shown = [](Rgb c) { return !(c == Rgb{}); };
    int columns = 0, rows = 0;  // that show some jet
    for (int i = 0; i < 64; ++i) {
        columns += count(shown, i, 0, i + 1, 64) > 0;
        rows += count(shown, 0, i, 64, i + 1) > 0;
    }
    EXPECT_LT(2 * columns, rows);
}

TEST_F(SceneDrawing, FramesShowSkyGroundAndTheJet) {
    world.jet.heading = -90;                          // flying along +x
    world.eye = {world.jet.x - 10, 12, world.jet.z};  // behind it and a little above
    const auto isJet = [](Rgb c) {                    // lit grey, or the nozzles' glow
        return (c.r > 60 && std::abs(c.r - c.g) < 40 && std::abs(c.b - c.g) < 40) ||
               (c.r > 200 && c.g > 60 && c.g < 200 && c.b < 90);
    };
    for (int frame = 1; frame <= 2; ++frame) {  // the second starts from what the first left
        ASSERT_EQ(renderFrame(world, model), 1);
        const Rgb top = pixel(32, 63), bottom = pixel(32, 0);
        EXPECT_TRUE(top.b > 200 && top.r < 40) << "sky in frame " << frame;
        EXPECT_TRUE(bottom.r > 200 || bottom.g > 200) << "ground in frame " << frame;
        EXPECT_GT(count(isJet, 27, 27, 38, 38), 4) << "the camera looks at the jet " << frame;
    }

    // A camera left far behind follows the jet.
    world.eye = {world.jet.x - 500.0, 20, world.jet.z};
    renderFrame(world, model);
    EXPECT_LT(std::abs(world.eye.x - world.jet.x), 160);
}

TEST_F(SceneDrawing, ResizeAndStartSetTheStateEveryFrameReliesOn) {
    resizeScene(640, 0);  // a height of 0 counts as 1
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::tuple(viewport[2], viewport[3]), std::tuple(640, 1));
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5], 1 / std::tan(22.5 * 3.14159265358979 / 180), 1e-6);
    GLint minFilter = 0, depthFunction = 0, shadeModel = 0;  // the filter: the last snapshot's
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    glGetIntegerv(GL_SHADE_MODEL, &shadeModel);
    // Lighting itself is on only around the jet.
    EXPECT_EQ(std::tuple(minFilter, on(GL_DEPTH_TEST), depthFunction, shadeModel, on(GL_LIGHT0),
                         on(GL_LIGHTING)),
              std::tuple(GL_LINEAR_MIPMAP_NEAREST, true, GL_LEQUAL, GL_SMOOTH, true, false));
    const SnapshotPaths work = workFolderSnapshotPaths();  // the saver's sky, desktop and puff
    EXPECT_EQ(std::string(work.sky) + work.ground + work.smoke,
              R"(C:\qorvin\Skymere3.bmpC:\qorvin\Skymere1.bmpC:\qorvin\Skymere2.bmp)");
}

TEST_F(SceneDrawing, MissingBitmapsAndRefusedUploadsLeaveTheirSlotsEmptyAndNoneRefusesToStart) {
    RecordingErrorBox errors;
    World fresh;
    const std::string none = folder.file("none.bmp");
    EXPECT_FALSE(initScene(fresh, model, {none.c_str(), none.c_str(), nullptr}));
    glEnable(GL_RGB);  // an error left by an earlier call is no upload's
    ASSERT_TRUE(initScene(fresh, model, {none.c_str(), ground.c_str(), nullptr}));
    releaseScene(fresh);
    EXPECT_EQ(std::tuple(fresh.textures[0], fresh.textures[1] == 0, fresh.textures[2]),
              std::tuple(0u, false, 0u));
    EXPECT_TRUE(errors.shown.empty()) << "a missing file is no error";
    // Bound for unpacking, a pixel buffer of one byte makes the renderer refuse every upload.
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 1);
    glBufferData(GL_PIXEL_UNPACK_BUFFER, 1, nullptr, GL_STATIC_DRAW);
    EXPECT_FALSE(initScene(fresh = {}, model, {nullptr, ground.c_str(), nullptr}));
    EXPECT_EQ(std::tuple(fresh.textures[1], loadBitmapTexture(ground.c_str())), std::tuple(0u, 0u));
    EXPECT_EQ(errors.shown,
              "[Error: Image file conversion error.][Error: Image file conversion error.]");
}

// The test model's unit square filling the window, lit by the default light along -z.
class ModelDrawing : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_LIGHT0);
        data.materials[1].textureFile = folder.file("pink.bmp");
        ASSERT_TRUE(writeSolidTestBmp(data.materials[1].textureFile, 1, 1, {255, 128, 255}));
    }
    void loadAndDraw() {
        ASSERT_TRUE(model.load(folder.write("m.ms3d", writeMs3d(data)).c_str()));
        glClear(GL_COLOR_BUFFER_BIT);
        model.draw();
    }

    ModelData data = squareModel();
    Ms3dModel model;
};

TEST_F(ModelDrawing, LightsEachCornerWithItsNormalAndTheMaterialsFourColours) {
    data.materials[0] = {
        {0, 0, 0.5f, 1}, {1, 0, 0, 1}, {0, 0, 0.5f, 1}, {0, 0.5f, 0, 1}, 10, 0, ""};
    data.meshes = {{0, {0, 1}}};
    glEnable(GL_LIGHTING);
    loadAndDraw();
    // Red: diffuse, the normal's z. Green: emission. Blue: 0.2 global ambient x 0.5, plus the
    // highlight, the normal's z to the 10th power x 0.5. The normals tilt from bottom to top.
    for (const auto [y, r, g, b] : {std::array{2, 253, 128, 149}, {61, 206, 128, 43}}) {
        const Rgb c = pixel(32, y);
        EXPECT_LE(std::max({std::abs(c.r - r), std::abs(c.g - g), std::abs(c.b - b)}), 3) << y;
    }
}

TEST_F(ModelDrawing, MeshWithoutMaterialKeepsTheColoursButNotTheTexture) {
    data.materials[1].diffuse[0] = 1;     // yellow: orange with the pink texture
    data.meshes = {{1, {0}}, {-1, {1}}};  // the lower right half, then the upper left half
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);  // the last mesh turns it off; the model turns it back on
    loadAndDraw();
    EXPECT_LT(pixel(56, 4).g, 160);
    EXPECT_GT(pixel(4, 56).g, 200);
    EXPECT_TRUE(on(GL_TEXTURE_2D));
}

TEST_F(ModelDrawing, ShowsItsTexturePictureUprightAndSmoothlyMagnified) {
    // Green on yellow on red, and t counted from the picture's top in the file.
    data.materials[1].textureFile =
        folder.write("updown.bmp", encodeTestBmp(2, 3, [](int, int y) {
                         return std::array{kGreen, kYellow, kRed}[static_cast<size_t>(y)];
                     }));
    data.meshes = {{1, {0, 1}}};
    ASSERT_TRUE(model.load(folder.write("upright.ms3d", writeMs3d(data)).c_str()));
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor3f(1, 1, 1);  // unlit: the picture shows as it is
    model.draw();
    const auto bright = [&](int y) {  // whether red and green are near full strength
        return std::pair(pixel(32, y).r > 230, pixel(32, y).g > 230);
    };
    EXPECT_EQ((std::vector{bright(10), bright(32), bright(52)}),
              (std::vector<std::pair<bool, bool>>{{true, false}, {true, true}, {false, true}}));
    EXPECT_NEAR(pixel(32, 22).g, 140, 20);  // between the lower two rows: blended
}

TEST_F(ModelDrawing, FailedLoadsLeaveTheModelEmpty) {
    std::vector<uint8_t> bytes = writeMs3d(data);
    ASSERT_TRUE(model.load(folder.write("good.ms3d", bytes).c_str()));
    bytes.resize(bytes.size() / 2);
    for (const std::string& path : {folder.write("cut.ms3d", bytes), folder.file("absent")}) {
        EXPECT_FALSE(model.load(path.c_str())) << path;
        EXPECT_EQ(writeMs3d(model.data()), writeMs3d(ModelData{})) << "left empty";
    }
}

TEST_F(ModelDrawing, TexturesLoadedWithoutAContextComeWithTheScenesStart) {
    const std::string file = folder.write("m.ms3d", writeMs3d(data));
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);  // as when the program loads its model
    ASSERT_TRUE(model.load(file.c_str()));
    EXPECT_EQ(model.data().materials[1].textureId, 0u);
    ASSERT_TRUE(makeCurrent());
    World world;
    ASSERT_TRUE(initScene(world, model, {data.materials[1].textureFile.c_str(), nullptr, nullptr}));
    releaseScene(world);
    EXPECT_EQ(glIsTexture(model.data().materials[1].textureId), GL_TRUE);
}

}  // namespace
