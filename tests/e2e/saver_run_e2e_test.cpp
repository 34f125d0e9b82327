// Soravane.scr running the screen saver, as the system starts it: the mirrored desktop and
// the built-in pictures in the work folder, the scene program started, the cursor hidden
// while it runs, and the saver gone soon after the scene, with the cursor shown again.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "contract/work_folder.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

constexpr DWORD kSceneStartTimeoutMs = 30000;
// The saver looks for the scene window every 500 ms; the rest is the process ending.
constexpr DWORD kSaverEndAfterSceneMs = 2000;

class SaverRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.complete());
        e2e::removeWorkFolder();
    }
    void TearDown() override {
        if (HWND scene = FindWindowA(nullptr, contract::kSceneWindowTitle)) {
            PostMessageA(scene, WM_CLOSE, 0, 0);
            e2e::waitForNoWindow(contract::kSceneWindowTitle, 10000);
        }
        if (saver.running()) {
            saver.kill();
        }
    }

    // Starts the saver and waits for the scene window.
    HWND startRun(const std::string& arguments) {
        saver = folder.startSaver(arguments);
        EXPECT_TRUE(saver.started());
        return e2e::waitForWindow(contract::kSceneWindowTitle, kSceneStartTimeoutMs);
    }

    // Ends the scene (by Escape or a close request) and expects the saver to follow it.
    void endSceneAndExpectSaverToFollow(HWND scene, bool byEscape) {
        const HANDLE sceneProcess = e2e::openProcessOf(scene);
        ASSERT_NE(sceneProcess, nullptr);
        if (byEscape) {
            SetForegroundWindow(scene);
            e2e::pressKey(VK_ESCAPE);
        } else {
            PostMessageA(scene, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(WaitForSingleObject(sceneProcess, 15000), WAIT_OBJECT_0);
        CloseHandle(sceneProcess);
        EXPECT_EQ(saver.waitForExit(kSaverEndAfterSceneMs), 0);
    }

    e2e::SaverFolder folder;
    e2e::Process saver;
};

TEST_F(SaverRun, WritesTheWorkFolderStartsTheSceneAndEndsAfterEscape) {
    // A block at the desktop's left edge, which the mirrored snapshot shows at the right.
    HWND block = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 100, 100,
                                 50, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(block);
    const e2e::ScreenShot desktop = e2e::captureScreen();
    ASSERT_NE(desktop.at(50, 120), desktop.at(500, 500));
    HWND scene = startRun("/s");
    ASSERT_NE(scene, nullptr);
    DestroyWindow(block);  // the scene's window alone on the screen, for the key press

    // The snapshot: the screen's size, column x holding desktop column 1023 - x.
    const std::optional<RgbImage> ground = e2e::readBitmap(contract::kGroundBitmapPath);
    ASSERT_TRUE(ground.has_value());
    ASSERT_EQ(ground->width, 1024);
    ASSERT_EQ(ground->height, 768);
    for (const auto& [x, y] : {std::pair{0, 120},
                               {1023, 100},
                               {924, 149},
                               {923, 120},
                               {1023, 99},
                               {1023, 150},
                               {512, 767}}) {
        EXPECT_EQ(e2e::pixelAt(*ground, x, y), desktop.at(1023 - x, y)) << x << "," << y;
    }
    // The built-in pictures as they were drawn, and the model as shipped.
    EXPECT_EQ(e2e::readFile(contract::kSmokeBitmapPath),
              e2e::readFile(SORAVANE_SOURCE_DIR "/saver/resources/puff.bmp"));
    EXPECT_EQ(e2e::readFile(contract::kSkyBitmapPath),
              e2e::readFile(SORAVANE_SOURCE_DIR "/saver/resources/sky.bmp"));
    EXPECT_TRUE(e2e::readFile(contract::kModelPath) == e2e::readFile(folder.file("Soravane.data")));

    HWND saverForm = FindWindowA(nullptr, contract::kSaverWindowTitle);
    ASSERT_NE(saverForm, nullptr);
    EXPECT_FALSE(IsWindowVisible(saverForm));
    // Kept to the end: the saver's cursor count outlives it here.
    const e2e::SharedInput saverInput(saverForm);
    ASSERT_TRUE(saverInput.attached());
    EXPECT_EQ(saverInput.cursorDisplayCount(), -1);
    endSceneAndExpectSaverToFollow(scene, true);
    EXPECT_EQ(saverInput.cursorDisplayCount(), 0);
}

TEST_F(SaverRun, OnlyTheRunSwitchHidesTheCursor) {
    for (const auto& [arguments, count] : {std::pair{"-S", -1}, std::pair{"", 0}}) {
        HWND scene = startRun(arguments);
        ASSERT_NE(scene, nullptr) << arguments;
        const e2e::SharedInput saverInput(FindWindowA(nullptr, contract::kSaverWindowTitle));
        ASSERT_TRUE(saverInput.attached());
        EXPECT_EQ(saverInput.cursorDisplayCount(), count) << '"' << arguments << '"';
        endSceneAndExpectSaverToFollow(scene, false);
    }
}

TEST_F(SaverRun, LogOffShutdownOrACloseRequestEndTheSaverButNotTheScene) {
    for (const UINT request : {WM_QUERYENDSESSION, WM_ENDSESSION, WM_CLOSE}) {
        HWND scene = startRun("/s");
        ASSERT_NE(scene, nullptr);
        HWND saverForm = FindWindowA(nullptr, contract::kSaverWindowTitle);
        const e2e::SharedInput saverInput(saverForm);
        ASSERT_TRUE(saverInput.attached());
        PostMessageA(saverForm, request, TRUE, request == WM_CLOSE ? 0 : ENDSESSION_LOGOFF);
        EXPECT_EQ(saver.waitForExit(5000), 0) << "message " << request;
        EXPECT_EQ(saverInput.cursorDisplayCount(), 0) << "message " << request;
        // The saver never closes the scene: it runs on until the user ends it.
        EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), scene);
        PostMessageA(scene, WM_CLOSE, 0, 0);
        EXPECT_TRUE(e2e::waitForNoWindow(contract::kSceneWindowTitle, 15000));
    }
}

TEST_F(SaverRun, WhenTheSceneCannotRunTheSaverEndsAtItsFirstLooks) {
    // A scene program that Windows cannot start, and one that starts but finds no model and
    // ends without a window: neither leaves the saver waiting for the start-up limit.
    for (const char* broken : {"Soravane.dll", "Soravane.data"}) {
        ASSERT_TRUE(e2e::writeFile(folder.file(broken), "not what it should be"));
        saver = folder.startSaver("/s");
        EXPECT_EQ(saver.waitForExit(10000), 0) << broken;
        EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr) << broken;
        EXPECT_TRUE(e2e::fileExists(contract::kGroundBitmapPath)) << broken;
        CopyFileA(e2e::shippedFile(broken).c_str(), folder.file(broken).c_str(), FALSE);
    }
}

TEST_F(SaverRun, ASecondStartWhileTheFirstRunsEndsAtOnce) {
    HWND scene = startRun("/s");
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(folder.startSaver("/s").waitForExit(10000), 0);
    EXPECT_TRUE(saver.running());
    endSceneAndExpectSaverToFollow(scene, false);
}

}  // namespace
