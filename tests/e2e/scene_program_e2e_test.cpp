// The scene program as the saver starts it: full screen at whatever mode the display takes,
// drawing until Escape or a close request, and failing early and cleanly without its files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <span>

#include "contract/work_folder.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

class SceneProgram : public ::testing::Test {
protected:
    void TearDown() override {
        scene.kill();
        e2e::waitForNoWindow(contract::kSceneWindowTitle, 5000);
    }

    // Lays out the work folder and starts the scene program as the saver does.
    void launch(const e2e::WorkFiles& files) {
        EXPECT_TRUE(e2e::prepareWorkFolder(files));
        scene = e2e::Process('"' + e2e::shippedFile("Soravane.dll") + '"');
    }
    // Launches it with every file and waits for its window (null when none comes).
    HWND start() {
        launch({});
        return e2e::waitForWindow(contract::kSceneWindowTitle, 30000);
    }
    void expectDisplayRestored() const { EXPECT_EQ(e2e::currentDisplayMode(), before); }

    const e2e::DisplayMode before = e2e::currentDisplayMode();
    e2e::Process scene;
};

TEST_F(SceneProgram, CoversTheScreenWithSkyAndGroundUntilEscape) {
    HWND window = start();
    ASSERT_NE(window, nullptr);
    // Switched or not (a 1920x1080 X server cannot), the window covers the screen as it is.
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_TRUE(rect.left == 0 && rect.top == 0 && rect.right == GetSystemMetrics(SM_CXSCREEN) &&
                rect.bottom == GetSystemMetrics(SM_CYSCREEN));

    // The camera is placed at random near the jet, sometimes looking steeply down with no sky
    // in the picture: look at several frames over some seconds.
    bool sawSky = false;
    bool sawGround = false;
    bool drewFarCorner = false;  // outside the viewport of any smaller projection
    for (int shots = 0; shots < 12 && !(sawSky && sawGround && drewFarCorner); ++shots) {
        Sleep(shots == 0 ? 2000 : 700);
        const auto shot = e2e::captureScreen();
        const std::span<const std::uint8_t> rows = shot->Rows();
        // The pixels with each channel within 8 levels of the colour's.
        const auto count = [&](COLORREF colour) {
            int matching = 0;
            for (int at = 0; at < shot->Width() * shot->Height(); ++at) {
                const std::uint8_t* bgr =
                    &rows[at / shot->Width() * shot->Stride() + at % shot->Width() * 3];
                matching += std::abs(bgr[0] - GetBValue(colour)) <= 8 &&
                            std::abs(bgr[1] - GetGValue(colour)) <= 8 &&
                            std::abs(bgr[2] - GetRValue(colour)) <= 8;
            }
            return matching;
        };
        sawSky = sawSky || count(e2e::kSkyColour) > 1000;
        sawGround = sawGround || count(e2e::kGroundColour) > 1000;
        drewFarCorner = drewFarCorner || GetPixel(shot->Dc(), shot->Width() - 1, 0) != 0;
    }
    EXPECT_TRUE(sawSky);
    EXPECT_TRUE(sawGround);
    EXPECT_TRUE(drewFarCorner);
    EXPECT_EQ(e2e::visibleWindowsOfThread(window), std::vector<HWND>{window});
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);  // rewritten once a second, unchanged
    EXPECT_STREQ(title, contract::kSceneWindowTitle);

    SetForegroundWindow(window);
    e2e::pressKey(VK_ESCAPE, VK_MENU);  // Alt held makes it a system key: Escape all the same
    EXPECT_EQ(scene.waitForExit(10000), 0);
    EXPECT_TRUE(e2e::waitForNoWindow(contract::kSceneWindowTitle, 2000));
    expectDisplayRestored();
}

TEST_F(SceneProgram, OneShortEscapeEndsASlowScene) {
    // Every frame draws each of the triangles: it outlasts a press, key-up and all.
    launch({.modelTriangles = 65535});
    HWND window = e2e::waitForWindow(contract::kSceneWindowTitle, 30000);
    ASSERT_NE(window, nullptr);
    Sleep(2000);  // well into its frames
    SetForegroundWindow(window);
    e2e::pressKey(VK_ESCAPE);
    EXPECT_EQ(scene.waitForExit(60000), 0);
}

TEST_F(SceneProgram, OtherKeysTheMouseAndTheScreenSaverCommandsChangeNothingButACloseEndsIt) {
    HWND window = start();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    for (const WORD key : {WORD{'A'}, WORD{VK_SPACE}, WORD{VK_RETURN}}) {
        e2e::pressKey(key);
    }
    e2e::clickWindow(window);
    // The system's screen saver and monitor power-saving are swallowed.
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    Sleep(1500);
    EXPECT_TRUE(scene.running());
    // Any other command takes the system's way: the close command becomes a close request.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(scene.waitForExit(10000), 0);
    expectDisplayRestored();
}

TEST_F(SceneProgram, WithoutItsFilesItEndsWithItsCodeAndTheDisplayAsItWas) {
    const std::pair<e2e::WorkFiles, long> cases[] = {
        {{.model = false}, 2},                                 // before any window
        {{.sky = false, .ground = false, .smoke = false}, 5},  // no bitmap became a texture
    };
    for (const auto& [files, exitCode] : cases) {
        launch(files);
        EXPECT_EQ(scene.waitForExit(30000), exitCode);
        EXPECT_TRUE(e2e::waitForNoWindow(contract::kSceneWindowTitle, 2000));
        expectDisplayRestored();
    }
}

}  // namespace
