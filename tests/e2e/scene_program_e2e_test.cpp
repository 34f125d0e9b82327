// The scene program as the saver starts it: full screen over the switched display, drawing
// until Escape or a close request, and failing early and cleanly without its files.
#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(SceneProgram, CoversTheScreenWithSkyAndGroundUntilEscape) {
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
    bool sawSky = false;
    bool sawGround = false;
    for (int shots = 0; shots < 12 && !(sawSky && sawGround); ++shots) {
        Sleep(shots == 0 ? 2000 : 700);
        const e2e::ScreenShot shot = e2e::captureScreen();
        const auto count = [&](DWORD colour) {
            return std::count_if(shot.pixels.begin(), shot.pixels.end(),
                                 [&](DWORD pixel) { return closeTo(pixel, colour, 8); });
        };
        sawSky = sawSky || count(e2e::kSkyColour) > 1000;
        sawGround = sawGround || count(e2e::kGroundColour) > 1000;
    }
    EXPECT_TRUE(sawSky);
    EXPECT_TRUE(sawGround);
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

TEST_F(SceneProgram, WithoutItsFilesItEndsWithItsCodeAndTheDisplayAsItWas) {
    struct Case {
        e2e::WorkFiles files;
        long exitCode;
    };
    const Case cases[] = {
        {{.model = false}, 2},                                 // before any window
        {{.sky = false, .ground = false, .smoke = false}, 5},  // no bitmap became a texture
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(e2e::prepareWorkFolder(c.files));
        scene = Process('"' + e2e::shippedFile("Soravane.dll") + '"');
        EXPECT_EQ(scene.waitForExit(30000), c.exitCode);
        EXPECT_TRUE(e2e::waitForNoWindow(contract::kSceneWindowTitle, 2000));
        expectDisplayRestored();
    }
}

}  // namespace
