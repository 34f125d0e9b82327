// Soravane.scr in configure mode: the settings dialog opens centred and a third down, a kind
// chosen with the mouse switches the file button and the repeat box, Set saves the three
// settings and ends the process, Cancel saves nothing, and a second start meanwhile ends at
// once.
#include <gtest/gtest.h>

#include <string>

#include "contract/work_folder.h"
#include "tests/e2e/dialog_e2e_support.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

using e2e::Process;

constexpr DWORD kOpenTimeoutMs = 20000;
constexpr DWORD kEndTimeoutMs = 15000;
// The keys' code-page-932 bytes as the settings file holds them.
constexpr char kModeLine[] = "BGM\x8B\xE6\x95\xAA=";
constexpr char kRepeatLine[] = "BGM\xD8\xCB\xDF\xB0\xC4=";
constexpr char kFileLine[] = "BGM\xCC\xA7\xB2\xD9=";

// The value on the line of `key` in the settings file's bytes, without the blank the platform
// may keep after the equals sign (Windows keeps the number's leading blank, Wine drops it).
std::string valueOnLine(const std::string& bytes, const std::string& key) {
    const std::size_t line = bytes.find(key);
    if (line == std::string::npos) {
        return "(no line for the key)";
    }
    std::size_t start = line + key.size();
    if (start < bytes.size() && bytes[start] == ' ') {
        ++start;
    }
    return bytes.substr(start, bytes.find_first_of("\r\n", start) - start);
}

std::string besideTest(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.complete());
        saver = folder.startSaver("/c:1234");
        ASSERT_TRUE(saver.started());
        dialog = e2e::waitForWindow(contract::kDialogWindowTitle, kOpenTimeoutMs);
        ASSERT_NE(dialog, nullptr);
        e2e::sleepMs(500);  // the opening zoom and the first painting
    }
    void TearDown() override {
        if (saver.running()) {
            saver.kill();
            // Gone before the folder is removed, or its program file stays behind in use.
            saver.waitForExit(kEndTimeoutMs);
        }
    }

    HWND control(const std::string& caption, const wchar_t* className = nullptr) const {
        return e2e::findChildByText(dialog, caption, className);
    }
    std::string settingsFile() const { return e2e::readFile(folder.file("Soravane.ini")); }

    e2e::SaverFolder folder;
    Process saver;
    HWND dialog = nullptr;
};

TEST_F(SettingsDialog, OpensCentredAcrossAndAThirdDownWithItsClientAreaAndControls) {
    const RECT client = e2e::clientRectOnScreen(dialog);
    EXPECT_EQ(client.right - client.left, 492);
    EXPECT_EQ(client.bottom - client.top, 246);
    RECT outer = {};
    GetWindowRect(dialog, &outer);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(outer.left, (screenWidth - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (screenHeight - (outer.bottom - outer.top)) / 3);

    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    for (const char* caption :
         {"設定", "ｷｬﾝｾﾙ", "...", "音楽CD", "なし", "MP3、WAV", "BGM", "曲目をﾘﾋﾟｰﾄ"}) {
        EXPECT_NE(control(caption), nullptr) << caption;
    }
    // No settings file: kind 0, so neither the file button nor the repeat box is enabled.
    EXPECT_FALSE(IsWindowEnabled(control("...")));
    EXPECT_FALSE(IsWindowEnabled(FindWindowExW(control("BGM") ? GetParent(control("BGM")) : nullptr,
                                               nullptr, L"ComboBox", nullptr)));

    const e2e::ScreenShot shot = e2e::captureScreen();
    EXPECT_TRUE(shot.saveBmp(besideTest("dialog_screenshot.bmp")));
    // The gradient: dark blue at the top row, pale in the middle, left of the panel.
    EXPECT_EQ(shot.at(client.left + 4, client.top), 0x00001EU);
    EXPECT_EQ(shot.at(client.left + 4, client.top + 123), 0xDCDCFAU);

    EXPECT_TRUE(saver.running());  // modal until closed
}

TEST_F(SettingsDialog, ClickingSoundFilesEnablesTheFileButtonAndAMusicCdTheRepeatBox) {
    const HWND soundFiles = control("MP3、WAV");
    const HWND musicCd = control("音楽CD");
    const HWND fileButton = control("...");
    ASSERT_NE(soundFiles, nullptr);
    ASSERT_NE(fileButton, nullptr);
    const HWND repeat = FindWindowExW(GetParent(fileButton), nullptr, L"ComboBox", nullptr);
    ASSERT_NE(repeat, nullptr);

    e2e::pressOnControl(soundFiles, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowEnabled(fileButton));
    EXPECT_FALSE(IsWindowEnabled(repeat));

    // Any button selects: the right one here.
    e2e::pressOnControl(musicCd, WM_RBUTTONDOWN);
    EXPECT_FALSE(IsWindowEnabled(fileButton));
    EXPECT_TRUE(IsWindowEnabled(repeat));
}

TEST_F(SettingsDialog, SetSavesTheKindTheRepeatAndTheFileThenTheProcessEnds) {
    e2e::pressOnControl(control("MP3、WAV"), WM_LBUTTONDOWN);
    const HWND repeat = FindWindowExW(GetParent(control("...")), nullptr, L"ComboBox", nullptr);
    ASSERT_NE(repeat, nullptr);
    SetWindowTextW(repeat, L"3.5");  // read although the box is disabled

    e2e::clickControl(control("設定"));
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    EXPECT_EQ(FindWindowA(nullptr, contract::kDialogWindowTitle), nullptr);

    const std::string written = settingsFile();
    EXPECT_NE(written.find("[Section]"), std::string::npos) << written;
    EXPECT_EQ(valueOnLine(written, kModeLine), "2");
    EXPECT_EQ(valueOnLine(written, kRepeatLine), "4");  // 3.5 halves to even
    EXPECT_EQ(valueOnLine(written, kFileLine), "");
}

// The system's open dialog of Cmd_File, once it is there (null after the timeout).
HWND waitForFileChooser(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND chooser = FindWindowW(L"#32770", L"ﾌｧｲﾙを開く")) {
            return chooser;
        }
        e2e::sleepMs(50);
    }
    return nullptr;
}

TEST_F(SettingsDialog, TheChosenFileIsShownAndSavedWithoutChangingTheKind) {
    const std::string song = folder.file("song.mp3");
    CloseHandle(CreateFileA(song.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    e2e::pressOnControl(control("MP3、WAV"), WM_LBUTTONDOWN);
    e2e::pressOnControl(control("なし"), WM_LBUTTONDOWN);
    // Kind 0 disables the button; pick the file under kind 2, then go back to 0.
    e2e::pressOnControl(control("MP3、WAV"), WM_LBUTTONDOWN);
    e2e::clickControl(control("..."));
    HWND chooser = waitForFileChooser(kOpenTimeoutMs);
    ASSERT_NE(chooser, nullptr);
    // The file name box (cmb13) takes the whole path; OK accepts it.
    constexpr int kFileNameBox = 0x47c;
    SetDlgItemTextA(chooser, kFileNameBox, song.c_str());
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int wait = 0; wait < 100 && IsWindow(chooser); ++wait) {
        e2e::sleepMs(50);
    }
    ASSERT_FALSE(IsWindow(chooser));
    // lbl_Fname shows the path.
    EXPECT_NE(control(song), nullptr) << e2e::windowTexts(dialog);

    e2e::pressOnControl(control("なし"), WM_LBUTTONDOWN);
    e2e::clickControl(control("設定"));
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    const std::string written = settingsFile();
    EXPECT_EQ(valueOnLine(written, kModeLine), "0");
    EXPECT_EQ(valueOnLine(written, kFileLine), song);
}

TEST_F(SettingsDialog, CancelAndTheCloseBoxSaveNothing) {
    e2e::pressOnControl(control("音楽CD"), WM_LBUTTONDOWN);
    const HWND cancel = control("ｷｬﾝｾﾙ");
    ASSERT_NE(cancel, nullptr);
    e2e::clickControl(cancel);
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    EXPECT_FALSE(e2e::fileExists(folder.file("Soravane.ini")));

    Process again = folder.startSaver("/c");
    HWND second = e2e::waitForWindow(contract::kDialogWindowTitle, kOpenTimeoutMs);
    ASSERT_NE(second, nullptr);
    e2e::pressOnControl(e2e::findChildByText(second, "MP3、WAV"), WM_LBUTTONDOWN);
    PostMessageW(second, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.waitForExit(kEndTimeoutMs), 0);
    EXPECT_FALSE(e2e::fileExists(folder.file("Soravane.ini")));
}

TEST_F(SettingsDialog, ASecondStartWhileItIsOpenEndsAtOnce) {
    for (const char* arguments : {"/s", "/p 1234"}) {
        Process second = folder.startSaver(arguments);
        ASSERT_TRUE(second.started());
        EXPECT_EQ(second.waitForExit(kEndTimeoutMs), 0) << arguments;
        if (second.running()) {
            second.kill();
        }
    }
    EXPECT_EQ(FindWindowA(nullptr, contract::kSaverWindowTitle), nullptr);
    EXPECT_TRUE(saver.running());
}

}  // namespace
