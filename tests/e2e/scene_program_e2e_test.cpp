// The scene program as the saver starts it: full screen over the switched display, drawing
// until Escape or a close request, and failing early and cleanly without its files.
#include <gtest/gtest.h>

#include <utility>

#include "contract/work_folder.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

using e2e::Process;

constexpr DWORD kStartTimeoutMs = 30000;

class SceneProgram : public ::testing::Test {
protected:
    void SetUp() override { before = e2e::currentDisplayMode(); }
    void TearDown() override {
        if (scene.started() && scene.running()) {
            scene.kill();
        }
        e2e::waitForNoWindow(contract::kSceneWindowTitle, 5000);
    }

    HWND start(const e2e::WorkFiles& files = {}) {
        EXPECT_TRUE(e2e::prepareWorkFolder(files));
        scene = Process('"' + e2e::shippedFile("Soravane.dll") + '"');
        EXPECT_TRUE(scene.started());
        return e2e::waitForWindow(contract::kSceneWindowTitle, kStartTimeoutMs);
    }

    void expectDisplayRestored() const { EXPECT_EQ(e2e::currentDisplayMode(), before); }

    e2e::DisplayMode before{};
    Process scene;
};

bool closeTo(DWORD pixel, unsigned colour, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF);
        const int b = static_cast<int>((colour >> shift) & 0xFF);
        if (a - b > tolerance || b - a > tolerance) {
            return false;
        }
    }
    return true;
}

// The camera keeps the jet in the middle of the picture (a frame's flight step ahead of the
// exact centre): more that is neither sky nor ground shows there than in any corner, where
// at most some smoke may be.
void expectJetCentred(const e2e::ScreenShot& shot) {
    const auto objectPixelsAround = [&](int centreX, int centreY) {
        int count = 0;
        for (int y = centreY - 30; y < centreY + 30; ++y) {
            for (int x = centreX - 30; x < centreX + 30; ++x) {
                const DWORD pixel = shot.at(x, y);
                count +=
                    !closeTo(pixel, e2e::kSkyColour, 8) && !closeTo(pixel, e2e::kGroundColour, 8);
            }
        }
        return count;
    };
    const int centre = objectPixelsAround(512, 384);
    EXPECT_GE(centre, 15);
    for (const auto& [x, y] : {std::pair{40, 40}, {984, 40}, {40, 728}, {984, 728}}) {
        EXPECT_LT(objectPixelsAround(x, y), centre) << "corner " << x << "," << y;
    }
}

TEST_F(SceneProgram, CoversTheScreenWithSkyGroundJetAndSmokeUntilEscape) {
    HWND window = start();
    ASSERT_NE(window, nullptr);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 768);
    EXPECT_EQ(e2e::currentDisplayMode(), (e2e::DisplayMode{1024, 768, 32}));

    // The camera is placed at random near the jet, sometimes looking steeply down with no sky
    // in the picture: look at several frames over some seconds.
    int skyShots = 0;
    int groundShots = 0;
    int smokeShots = 0;
    int shots = 0;
    for (; shots < 12 && (skyShots == 0 || groundShots == 0 || smokeShots == 0); ++shots) {
        Sleep(shots == 0 ? 2000 : 700);
        const e2e::ScreenShot shot = e2e::captureScreen();
        int sky = 0;
        int ground = 0;
        int whitened = 0;
        for (DWORD pixel : shot.pixels) {
            sky += closeTo(pixel, e2e::kSkyColour, 8) ? 1 : 0;
            ground += closeTo(pixel, e2e::kGroundColour, 8) ? 1 : 0;
            // Smoke adds white: light green over the ground, light blue over the sky.
            const int r = static_cast<int>(pixel >> 16), g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
            whitened += (r > 60 && g > 60 && b > 60) ? 1 : 0;
        }
        skyShots += sky > 1000 ? 1 : 0;
        groundShots += ground > 1000 ? 1 : 0;
        smokeShots += whitened > 0 ? 1 : 0;
        expectJetCentred(shot);
    }
    EXPECT_GT(skyShots, 0) << "in " << shots << " pictures";
    EXPECT_GT(groundShots, 0) << "in " << shots << " pictures";
    EXPECT_GT(smokeShots, 0) << "in " << shots << " pictures";

    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);  // rewritten once a second, unchanged
    EXPECT_STREQ(title, contract::kSceneWindowTitle);

    SetForegroundWindow(window);
    e2e::pressKey(VK_ESCAPE);
    EXPECT_EQ(scene.waitForExit(10000), 0);
    EXPECT_TRUE(e2e::waitForNoWindow(contract::kSceneWindowTitle, 2000));
    expectDisplayRestored();
}

TEST_F(SceneProgram, OtherKeysAndTheMouseChangeNothingButACloseRequestEndsIt) {
    HWND window = start();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    for (const WORD key : {WORD{'A'}, WORD{VK_SPACE}, WORD{VK_RETURN}}) {
        e2e::pressKey(key);
    }
    e2e::clickWindow(window);
    Sleep(1500);
    EXPECT_TRUE(scene.running());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(scene.waitForExit(10000), 0);
    expectDisplayRestored();
}

TEST_F(SceneProgram, SwallowsScreenSaverAndMonitorPowerButNotOtherSystemCommands) {
    HWND window = start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    Sleep(500);
    EXPECT_TRUE(scene.running());
    // Any other command takes the system's way: the close command becomes a close request.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(scene.waitForExit(10000), 0);
}

TEST_F(SceneProgram, WithoutTheModelEndsAtOnceWithoutWindowOrDisplayChange) {
    ASSERT_TRUE(e2e::prepareWorkFolder({.model = false}));
    scene = Process('"' + e2e::shippedFile("Soravane.dll") + '"');
    ASSERT_TRUE(scene.started());
    const long code = scene.waitForExit(20000);
    EXPECT_NE(code, 0);
    EXPECT_NE(code, -1);
    EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr);
    expectDisplayRestored();
}

TEST_F(SceneProgram, WithoutAnyBitmapEndsWithAnErrorAfterRestoringTheDisplay) {
    ASSERT_TRUE(e2e::prepareWorkFolder({.sky = false, .ground = false, .smoke = false}));
    scene = Process('"' + e2e::shippedFile("Soravane.dll") + '"');
    ASSERT_TRUE(scene.started());
    const long code = scene.waitForExit(30000);
    EXPECT_NE(code, 0);
    EXPECT_NE(code, -1);
    EXPECT_TRUE(e2e::waitForNoWindow(contract::kSceneWindowTitle, 2000));
    expectDisplayRestored();
}

TEST_F(SceneProgram, StartsWithOnlyTheSmokeBitmap) {
    HWND window = start({.sky = false, .ground = false});
    ASSERT_NE(window, nullptr);
    Sleep(1000);
    EXPECT_TRUE(scene.running());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(scene.waitForExit(10000), 0);
}

}  // namespace
