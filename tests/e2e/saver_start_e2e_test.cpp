// Soravane.scr's start in the modes that never reach the scene: unsupported switches, a saver
// or settings dialog already open, a preview without a host, and the two messages about a file
// missing beside it.
#include <gtest/gtest.h>

#include <string>

#include "contract/work_folder.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

constexpr DWORD kEndTimeoutMs = 15000;

class SaverStart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.complete());
        e2e::removeWorkFolder();
    }

    // Starts the saver and expects it to end by itself, with exit code 0 and no scene.
    void expectEndsQuietly(const std::string& arguments) {
        e2e::Process saver = folder.startSaver(arguments);
        EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0) << '"' << arguments << '"';
        saver.kill();
        EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr);
        EXPECT_EQ(FindWindowW(L"#32770", L"Soravane"), nullptr);
    }

    e2e::SaverFolder folder;
};

TEST_F(SaverStart, UnsupportedSwitchesEndAfterMakingTheWorkFolderWithoutWritingIt) {
    // No such mode; one character, so no mode letter; another letter with more after it.
    for (const char* arguments : {"/a", "s", "-x 1234"}) {
        e2e::removeWorkFolder();
        expectEndsQuietly(arguments);
        EXPECT_TRUE(e2e::fileExists(contract::kWorkFolder)) << arguments;
        EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath)) << arguments;
    }
}

TEST_F(SaverStart, ARunningSaverOrOpenSettingsDialogEndsEveryModeAtOnce) {
    for (const char* title : {contract::kSaverWindowTitle, contract::kDialogWindowTitle}) {
        HWND running = CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
        ASSERT_NE(running, nullptr);
        for (const char* arguments : {"/s", "", "/c"}) {
            expectEndsQuietly(arguments);
            EXPECT_FALSE(e2e::fileExists(contract::kWorkFolder)) << title << ' ' << arguments;
        }
        DestroyWindow(running);
    }
}

TEST_F(SaverStart, APreviewWithoutAHostWindowEndsAtOnceWithoutFilesOrChecks) {
    DeleteFileA(folder.file("Soravane.dll").c_str());  // goes unnoticed in preview
    for (const char* arguments : {"/p 1234", "/p", "/p:0"}) {
        expectEndsQuietly(arguments);
    }
    EXPECT_FALSE(e2e::fileExists(contract::kWorkFolder));
}

struct MissingFile {
    const char* name;
    const char* arguments;
    std::vector<const char*> removed;
    const char* message;
};

class SaverMissingFile : public SaverStart, public ::testing::WithParamInterface<MissingFile> {};

TEST_P(SaverMissingFile, ShowsItsMessageAndEndsWhenItIsClosed) {
    for (const char* removed : GetParam().removed) {
        DeleteFileA(folder.file(removed).c_str());
    }
    e2e::Process saver = folder.startSaver(GetParam().arguments);
    HWND box = e2e::waitFor([] { return FindWindowW(L"#32770", L"Soravane"); }, kEndTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(e2e::findChildByText(box, GetParam().message), nullptr);
    EXPECT_TRUE(saver.running());  // it waits for the box

    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    saver.kill();
    // Only the one message, then the end: no second box, no scene, no snapshot.
    EXPECT_EQ(FindWindowW(L"#32770", L"Soravane"), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr);
    EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath));
}

constexpr char kSceneProgramMissing[] = "Soravane.dll が同じﾌｫﾙﾀﾞに見つかりません！";
constexpr char kModelFileMissing[] = "Soravane.data が同じﾌｫﾙﾀﾞに見つかりません！";

INSTANTIATE_TEST_SUITE_P(
    Files, SaverMissingFile,
    ::testing::Values(
        MissingFile{"BothTheSceneProgramFirst",
                    "/s",
                    {"Soravane.dll", "Soravane.data"},
                    kSceneProgramMissing},
        MissingFile{"ModelFile", "", {"Soravane.data"}, kModelFileMissing},
        MissingFile{"SceneProgramWhenConfiguring", "/c", {"Soravane.dll"}, kSceneProgramMissing}),
    [](const ::testing::TestParamInfo<MissingFile>& info) { return info.param.name; });

}  // namespace
