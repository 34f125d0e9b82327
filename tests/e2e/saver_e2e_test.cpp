// Soravane.scr as the system starts it: the modes that end at once, the messages about a file
// missing beside it, a screen-saver run from the snapshot to the scene's end, the preview
// inside its host, the settings dialog with its file chooser, and the music of a run.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "contract/work_folder.h"
#include "saver/runtime/win32_text.h"
#include "scene/bitmap/bitmap_file.h"
#include "tests/e2e/saver_e2e_support.h"
#include "tests/support/whole_files.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
// The saver looks for the scene window every 500 ms; the rest is the process ending.
constexpr DWORD kSaverEndAfterSceneMs = 2000;
constexpr char kModeKey[] = "BGM\x8B\xE6\x95\xAA";
constexpr char kFileKey[] = "BGM\xCC\xA7\xB2\xD9";

class Saver : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.complete());
        e2e::removeWorkFolder();
        DeleteFileA("Z:" SORAVANE_SOUND_CAPTURE);  // what earlier scenarios played
    }
    void TearDown() override {
        if (HWND scene = FindWindowA(nullptr, contract::kSceneWindowTitle)) {
            PostMessageA(scene, WM_CLOSE, 0, 0);
            e2e::waitForNoWindow(contract::kSceneWindowTitle, 10000);
        }
        saver.kill();  // gone before the folder is removed, or its program file stays in use
    }

    // Starts the saver and expects it to end by itself, with exit code 0, no scene, no box.
    void expectEndsQuietly(const std::string& arguments) {
        saver = folder.startSaver(arguments);
        EXPECT_EQ(saver.waitForExit(kTimeoutMs), 0) << '"' << arguments << '"';
        EXPECT_EQ(FindWindowA(nullptr, contract::kSceneWindowTitle), nullptr);
        EXPECT_EQ(FindWindowW(L"#32770", L"Soravane"), nullptr);
    }
    // Starts a run and waits for the scene window.
    HWND startRun(const std::string& arguments) {
        saver = folder.startSaver(arguments);
        return e2e::waitForWindow(contract::kSceneWindowTitle, 30000);
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
    void writeMusicSetting(const std::string& music) {
        ASSERT_TRUE(writeWholeFile(
            folder.file("Soravane.ini"),
            std::string("[Section]\r\n") + kModeKey + "=2\r\n" + kFileKey + "=" + music + "\r\n"));
    }
    // Listens to a run's sound until its test tone (0.2 s of 880 Hz, then `bodyHz`) has started
    // twice or 10 s have passed, ends the run, and expects no message and no sound after it.
    // Wine plays through ALSA into a file (see alsa_capture.conf.in), truncated here first.
    e2e::HeardTone listenToTheRun(HWND scene, double bodyHz) {
        const std::string capture = "Z:" SORAVANE_SOUND_CAPTURE;
        for (int i = 0; i < 40 && e2e::listen(capture, 880, bodyHz).starts < 2; ++i) {
            Sleep(250);
        }
        EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr);
        endSceneAndExpectSaverToFollow(scene, false);
        const std::size_t played = readWholeFile(capture).size();
        Sleep(1000);
        EXPECT_EQ(readWholeFile(capture).size(), played) << "still playing";
        const e2e::HeardTone heard = e2e::listen(capture, 880, bodyHz);
        DeleteFileA(capture.c_str());
        return heard;
    }
    // Opens the settings dialog of the saver in `from`, chooses sound files and returns 設定
    // once the dialog takes input.
    HWND openDialog(const e2e::SaverFolder& from) {
        saver = from.startSaver("/c");
        dialog = e2e::waitForWindow(contract::kDialogWindowTitle, kTimeoutMs);
        HWND set = e2e::waitFor([&] { return e2e::findChildByText(dialog, "設定"); }, kTimeoutMs);
        saver.waitUntilIdle(5000);
        e2e::clickWindow(e2e::findChildByText(dialog, "MP3、WAV"));
        return set;
    }

    e2e::SaverFolder folder;
    e2e::Process saver;
    HWND dialog = nullptr;
};

TEST_F(Saver, ModesWithNothingToDoEndQuietlyWithoutWritingTheWorkFolder) {
    // No such mode ends after the start's file steps; a preview whose host is no window before
    // them. (Which text is which mode is the command line's own test.)
    for (const auto& [arguments, madeWorkFolder] : {std::pair{"/a", true}, {"/p 1234", false}}) {
        e2e::removeWorkFolder();
        expectEndsQuietly(arguments);
        EXPECT_EQ(e2e::fileExists(contract::kWorkFolder), madeWorkFolder) << arguments;
        EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath)) << arguments;
    }
}

TEST_F(Saver, ARunningSaverOrOpenSettingsDialogEndsEveryModeAtOnce) {
    for (const char* title : {contract::kSaverWindowTitle, contract::kDialogWindowTitle}) {
        HWND running = CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
        for (const char* arguments : {"/s", "", "/c"}) {
            expectEndsQuietly(arguments);
            EXPECT_FALSE(e2e::fileExists(contract::kWorkFolder)) << title << ' ' << arguments;
        }
        DestroyWindow(running);
    }
}

TEST_F(Saver, AMissingFileBesideItShowsItsMessageAndEndsWhenItIsClosed) {
    // The arguments and the files removed: the message names the first of them.
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        {"/s", {"Soravane.dll", "Soravane.data"}},
        {"", {"Soravane.data"}},
        {"/c", {"Soravane.dll"}},
    };
    for (const auto& [arguments, removed] : cases) {
        for (const char* name : removed) {
            DeleteFileA(folder.file(name).c_str());
        }
        saver = folder.startSaver(arguments);
        HWND box = e2e::waitFor([] { return FindWindowW(L"#32770", L"Soravane"); }, kTimeoutMs);
        ASSERT_NE(box, nullptr) << arguments;
        const std::string message = std::string(removed[0]) + " が同じﾌｫﾙﾀﾞに見つかりません！";
        EXPECT_NE(e2e::findChildByText(box, message), nullptr) << arguments;
        EXPECT_TRUE(saver.running());  // it waits for the box
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_EQ(saver.waitForExit(kTimeoutMs), 0);
        // Only the one message, then the end: no second box, no scene, no snapshot.
        EXPECT_EQ(FindWindowW(L"#32770", L"Soravane"), nullptr);
        EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath));
        for (const char* name : removed) {
            CopyFileA(e2e::shippedFile(name).c_str(), folder.file(name).c_str(), FALSE);
        }
    }
}

TEST_F(Saver, ARunWritesTheWorkFolderStartsTheSceneAndEndsAfterEscape) {
    // A block at the desktop's left edge, which the mirrored snapshot shows at the right.
    HWND block = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 100, 100,
                                 50, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(block);
    const auto desktop = e2e::captureScreen();
    ASSERT_NE(GetPixel(desktop->Dc(), 50, 120), GetPixel(desktop->Dc(), 500, 500));
    // Files of an earlier run, which the new ones replace.
    CreateDirectoryA(contract::kWorkFolder, nullptr);
    const char* const workFiles[] = {contract::kGroundBitmapPath, contract::kSmokeBitmapPath,
                                     contract::kSkyBitmapPath, contract::kModelPath};
    for (const char* file : workFiles) {
        ASSERT_TRUE(writeWholeFile(file, "an earlier run's"));
    }
    HWND scene = startRun("/s");
    ASSERT_NE(scene, nullptr);
    DestroyWindow(block);  // the scene's window alone on the screen, for the key press

    // The snapshot: the screen's size, column x holding desktop column 1023 - x.
    const std::unique_ptr<RgbImage> ground = readBitmapFile(contract::kGroundBitmapPath);
    ASSERT_NE(ground, nullptr);
    ASSERT_EQ(ground->width, 1024);
    ASSERT_EQ(ground->height, 768);
    for (const auto& [x, y] : {std::pair{0, 120}, {1023, 100}, {924, 149}, {512, 767}}) {
        EXPECT_EQ(e2e::pixelAt(*ground, x, y), GetPixel(desktop->Dc(), 1023 - x, y))
            << x << "," << y;
    }
    // The built-in pictures as they were drawn, and the model as shipped.
    EXPECT_EQ(readWholeFile(contract::kSmokeBitmapPath),
              readWholeFile(SORAVANE_SOURCE_DIR "/saver/resources/puff.bmp"));
    EXPECT_EQ(readWholeFile(contract::kSkyBitmapPath),
              readWholeFile(SORAVANE_SOURCE_DIR "/saver/resources/sky.bmp"));
    EXPECT_TRUE(readWholeFile(contract::kModelPath) == readWholeFile(folder.file("Soravane.data")));
    // The older files are gone by the time the scene shows: nothing else is left beside these.
    std::vector<std::filesystem::path> left(
        std::filesystem::directory_iterator(contract::kWorkFolder), {});
    EXPECT_EQ(left.size(), std::size(workFiles));

    HWND saverForm = FindWindowA(nullptr, contract::kSaverWindowTitle);
    ASSERT_NE(saverForm, nullptr);
    EXPECT_FALSE(IsWindowVisible(saverForm));
    // The cursor is hidden while the run lasts. (Once the saver has ended, its count is gone
    // with its thread: showing the cursor again at the end cannot be seen from here.)
    EXPECT_EQ(e2e::cursorDisplayCount(saverForm), -1);
    endSceneAndExpectSaverToFollow(scene, true);
}

TEST_F(Saver, ARunWithoutTheSwitchLeavesTheCursorAlone) {
    HWND scene = startRun("");
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(e2e::cursorDisplayCount(FindWindowA(nullptr, contract::kSaverWindowTitle)), 0);
    endSceneAndExpectSaverToFollow(scene, false);
}

TEST_F(Saver, WhenTheSceneCannotRunTheRunEndsAtItsFirstLooks) {
    // A scene program that Windows cannot start, and one that starts but finds no model and
    // ends without a window: neither leaves the saver waiting for the start-up limit.
    for (const char* broken : {"Soravane.dll", "Soravane.data"}) {
        ASSERT_TRUE(writeWholeFile(folder.file(broken), "not what it should be"));
        saver = folder.startSaver("/s");
        EXPECT_EQ(saver.waitForExit(10000), 0) << broken;
        EXPECT_TRUE(e2e::fileExists(contract::kGroundBitmapPath)) << broken;
        CopyFileA(e2e::shippedFile(broken).c_str(), folder.file(broken).c_str(), FALSE);
    }
}

TEST_F(Saver, APreviewShowsInsideTheNamedHostUntilTheHostIsDestroyed) {
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112,
                                nullptr, nullptr, nullptr, nullptr);
    saver = folder.startSaver(
        "/p:" + std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(host))));
    // The waits answer this thread's messages: the saver's SetParent waits on the host's thread.
    const auto shown = [&] {
        HWND preview = FindWindowExW(host, nullptr, nullptr, L"Preview Window");
        return IsWindowVisible(preview) ? preview : nullptr;
    };
    EXPECT_NE(e2e::waitFor(shown, kTimeoutMs), nullptr);
    EXPECT_TRUE(saver.running());
    DestroyWindow(host);
    const auto ended = [&] { return saver.running() ? nullptr : GetDesktopWindow(); };
    EXPECT_NE(e2e::waitFor(ended, kTimeoutMs), nullptr);
    EXPECT_EQ(saver.waitForExit(0), 0);
}

TEST_F(Saver, SetSaysWhyItCannotSaveAndSavesOnceItCan) {
    const std::string ini = folder.file("Soravane.ini");
    const std::string before = std::string("[Section]\r\n") + kModeKey + "= 1\r\n";
    ASSERT_TRUE(writeWholeFile(ini, before));
    ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));  // never replaced
    HWND set = openDialog(folder);
    // While the file cannot be written, a click shows what failed, and where, instead of saving.
    e2e::clickWindow(set);
    HWND box = e2e::waitFor([] { return FindWindowW(L"#32770", L"Soravane"); }, kTimeoutMs);
    std::wstring text(1024, L'\0');
    text.resize(static_cast<std::size_t>(GetDlgItemTextW(box, 0xFFFF, text.data(), 1024)));
    EXPECT_NE(text.find(L"保存できません"), std::wstring::npos);
    EXPECT_NE(text.find(Utf8ToWide(ini)), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    e2e::waitForNoWindow("Soravane", kTimeoutMs);
    e2e::settle(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(readWholeFile(ini), before);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    e2e::clickWindow(set);
    EXPECT_EQ(saver.waitForExit(kTimeoutMs), 0);
    EXPECT_EQ(profileValue(readWholeFile(ini), kModeKey), "2");  // the kind the dialog chose
}

TEST_F(Saver, AnMp3FileLoopsWhileTheSceneRunsAndOneThatCannotPlayGivesSilence) {
    // Blanks and mixed letter case in its name. A file that is not sound and one deleted since
    // it was chosen give no message either, and the run goes on.
    const std::string music = folder.file("My Song.MP3");
    const std::pair<std::optional<std::string>, bool> files[] = {
        {readWholeFile("Z:" SORAVANE_TONES "/tone.mp3"), true},
        {"not music", false},
        {std::nullopt, false}};
    for (const auto& [content, plays] : files) {
        DeleteFileA(music.c_str());
        ASSERT_TRUE(!content || writeWholeFile(music, *content));
        writeMusicSetting(music);
        HWND scene = startRun("/s");
        ASSERT_NE(scene, nullptr);
        const e2e::HeardTone heard = listenToTheRun(scene, 660);
        EXPECT_TRUE(plays ? heard.starts >= 2 : heard.starts == 0) << heard.starts;
        EXPECT_NEAR(heard.bodyHz, plays ? 660 : 0, 660 * 0.02) << (content ? content->size() : 0);
    }
}

TEST_F(Saver, AFileOfAnyLettersChosenInTheDialogIsSavedThenLoopsInARunFromAFolderOfAnyLetters) {
    // On a Western system, a music file and a program folder with letters its code page lacks.
    ASSERT_EQ(GetACP(), 1252u);
    const e2e::SaverFolder anyLetters(" ソラ café");
    ASSERT_TRUE(anyLetters.complete());
    const std::wstring musicFolder = L"C:\\音楽";
    const std::string music = "C:\\音楽\\café\\Loop Music.Wav";
    CreateDirectoryW(musicFolder.c_str(), nullptr);
    CreateDirectoryW((musicFolder + L"\\café").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(Utf8ToWide("Z:" SORAVANE_TONES "/tone.wav").c_str(),
                          Utf8ToWide(music).c_str(), FALSE));

    HWND set = openDialog(anyLetters);
    e2e::clickWindow(e2e::findChildByText(dialog, "..."));
    HWND chooser = e2e::waitFor([] { return FindWindowW(L"#32770", L"ﾌｧｲﾙを開く"); }, kTimeoutMs);
    ASSERT_NE(chooser, nullptr);
    constexpr int kFileNameBox = 0x47c;  // cmb13, which takes a whole path
    SetDlgItemTextW(chooser, kFileNameBox, Utf8ToWide(music).c_str());
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(e2e::waitFor([&] { return e2e::findChildByText(dialog, music); }, kTimeoutMs),
              nullptr);
    e2e::clickWindow(set);
    EXPECT_EQ(saver.waitForExit(kTimeoutMs), 0);

    // The next start finds the file and loops it until the run ends.
    saver = anyLetters.startSaver("/s");
    HWND scene = e2e::waitForWindow(contract::kSceneWindowTitle, 30000);
    ASSERT_NE(scene, nullptr);
    const e2e::HeardTone heard = listenToTheRun(scene, 440);
    EXPECT_GE(heard.starts, 2);
    EXPECT_NEAR(heard.bodyHz, 440, 440 * 0.02);
    std::filesystem::remove_all(std::filesystem::path(musicFolder));
}

}  // namespace
