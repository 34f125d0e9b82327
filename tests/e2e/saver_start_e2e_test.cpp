// Soravane.scr's start in the modes that never reach the scene: unsupported switches, a saver
// or settings dialog already open, and the two messages about a file missing beside it.
#include <gtest/gtest.h>

#include <string>

#include "contract/work_folder.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

using e2e::Process;

constexpr DWORD kEndTimeoutMs = 15000;
constexpr char kSceneProgramMissing[] = "Soravane.dll が同じﾌｫﾙﾀﾞに見つかりません！";
constexpr char kModelFileMissing[] = "Soravane.data が同じﾌｫﾙﾀﾞに見つかりません！";

class SaverStart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.complete());
        e2e::removeWorkFolder();
    }
    void TearDown() override {
        if (HWND box = FindWindowW(L"#32770", L"Soravane")) {
            PostMessageW(box, WM_CLOSE, 0, 0);
        }
    }

    // Starts the saver and expects it to end by itself, without a scene and with exit code 0.
    void expectEndsQuietly(const std::string& arguments) {
        Process saver = folder.startSaver(arguments);
        ASSERT_TRUE(saver.started());
        EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0) << "arguments: \"" << arguments << '"';
        if (saver.running()) {
            saver.kill();
        }
        EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr);
        EXPECT_EQ(FindWindowW(L"#32770", L"Soravane"), nullptr);
    }

    e2e::SaverFolder folder;
};

// A hidden top-level window with the given title, as another saver would have.
class TitledWindow {
public:
    explicit TitledWindow(const char* title)
        : window_(CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr)) {}
    ~TitledWindow() { DestroyWindow(window_); }
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;
    bool exists() const { return window_ != nullptr; }

private:
    HWND window_;
};

TEST_F(SaverStart, UnsupportedSwitchesEndAfterTheFileStepsWithoutTouchingTheSnapshots) {
    // "/a": no such mode; "s": one character, so no mode letter; "-x 1234": another letter
    // with something after it.
    for (const char* arguments : {"/a", "s", "-x 1234"}) {
        e2e::removeWorkFolder();
        expectEndsQuietly(arguments);
        EXPECT_TRUE(e2e::fileExists(contract::kWorkFolder)) << arguments;  // made all the same
        EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath)) << arguments;
        EXPECT_FALSE(e2e::fileExists(contract::kModelPath)) << arguments;
    }
}

TEST_F(SaverStart, ARunningSaverOrOpenSettingsDialogEndsEveryModeAtOnce) {
    for (const char* title : {contract::kSaverWindowTitle, contract::kDialogWindowTitle}) {
        const TitledWindow running(title);
        ASSERT_TRUE(running.exists());
        for (const char* arguments : {"/s", "", "/c", "/p 1234"}) {
            expectEndsQuietly(arguments);
            // It ended before making the work folder: nothing of this run is on disk.
            EXPECT_FALSE(e2e::fileExists(contract::kWorkFolder)) << title << ' ' << arguments;
        }
    }
}

TEST_F(SaverStart, PreviewEndsAtOnceWithoutFilesOrSettings) {
    expectEndsQuietly("/p 1234");
    EXPECT_FALSE(e2e::fileExists(contract::kWorkFolder));
    // Not even the file checks: a missing scene program goes unnoticed in preview.
    folder.remove("Soravane.dll");
    expectEndsQuietly("/p:1234");
}

struct MissingFileCase {
    const char* name;
    const char* arguments;
    bool sceneProgram;  // whether Soravane.dll is there
    bool modelFile;     // whether Soravane.data is there
    const char* message;
};

class SaverMissingFile : public SaverStart,
                         public ::testing::WithParamInterface<MissingFileCase> {};

TEST_P(SaverMissingFile, ShowsItsMessageAndEndsWhenItIsClosed) {
    const MissingFileCase& missing = GetParam();
    if (!missing.sceneProgram) {
        folder.remove("Soravane.dll");
    }
    if (!missing.modelFile) {
        folder.remove("Soravane.data");
    }
    Process saver = folder.startSaver(missing.arguments);
    ASSERT_TRUE(saver.started());
    HWND box = e2e::waitForMessageBox(L"Soravane", kEndTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::messageBoxText(box), missing.message);
    EXPECT_TRUE(saver.running());  // it waits for the box

    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    if (saver.running()) {
        saver.kill();
    }
    // Only the one message, then the end: no second box, no scene, no snapshot.
    EXPECT_EQ(FindWindowW(L"#32770", L"Soravane"), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr);
    EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath));
}

INSTANTIATE_TEST_SUITE_P(
    Files, SaverMissingFile,
    ::testing::Values(
        MissingFileCase{"SceneProgram", "/s", false, true, kSceneProgramMissing},
        MissingFileCase{"BothTheSceneProgramComesFirst", "/s", false, false, kSceneProgramMissing},
        MissingFileCase{"ModelFile", "/s", true, false, kModelFileMissing},
        MissingFileCase{"SceneProgramWhenConfiguring", "/c", false, true, kSceneProgramMissing},
        MissingFileCase{"ModelFileWithoutArguments", "", true, false, kModelFileMissing}),
    [](const ::testing::TestParamInfo<MissingFileCase>& info) { return info.param.name; });

}  // namespace
