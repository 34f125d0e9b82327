// Soravane.scr in configure mode: the kind chosen with the mouse switches the file button and
// the repeat box, Set saves the settings beside the saver and ends the process, and a file is
// chosen through the system's open dialog.
#include <gtest/gtest.h>

#include <string>

#include "contract/work_folder.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

constexpr DWORD kOpenTimeoutMs = 20000;
constexpr DWORD kEndTimeoutMs = 15000;

// The value on the line of `key` in the settings file's bytes, without the blank the platform
// may keep after the equals sign (Windows keeps the number's leading blank, Wine drops it).
std::string valueOf(const std::string& bytes, const std::string& key) {
    const std::size_t line = bytes.find(key + "=");
    if (line == std::string::npos) {
        return "(no line for the key)";
    }
    const std::size_t start = bytes.find_first_not_of(' ', line + key.size() + 1);
    return bytes.substr(start, bytes.find_first_of("\r\n", start) - start);
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.complete());
        saver = folder.startSaver("/c:1234");
        dialog = e2e::waitForWindow(contract::kDialogWindowTitle, kOpenTimeoutMs);
        ASSERT_NE(dialog, nullptr);
        saver.waitUntilIdle(5000);  // the opening zoom and the first painting
    }
    void TearDown() override {
        saver.kill();  // gone before the folder is removed, or its program file stays in use
    }

    HWND control(const std::string& caption) const { return e2e::findChildByText(dialog, caption); }
    HWND repeatBox() const {
        return FindWindowExW(GetParent(control("...")), nullptr, L"ComboBox", nullptr);
    }
    // A mouse button going down on a kind's caption selects the kind.
    void press(const std::string& caption, UINT message = WM_LBUTTONDOWN) const {
        SendMessageW(control(caption), message, 0, MAKELPARAM(2, 2));
    }
    std::string settings() const { return e2e::readFile(folder.file("Soravane.ini")); }

    e2e::SaverFolder folder;
    e2e::Process saver;
    HWND dialog = nullptr;
};

TEST_F(SettingsDialog, TheChosenKindSwitchesTheControlsAndSetSavesItAndEnds) {
    press("MP3、WAV");
    EXPECT_TRUE(IsWindowEnabled(control("...")));
    EXPECT_FALSE(IsWindowEnabled(repeatBox()));
    press("音楽CD", WM_RBUTTONDOWN);  // any button selects
    EXPECT_FALSE(IsWindowEnabled(control("...")));
    EXPECT_TRUE(IsWindowEnabled(repeatBox()));

    SetWindowTextW(repeatBox(), L"3.5");
    e2e::clickWindow(control("設定"));
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    const std::string written = settings();
    EXPECT_EQ(written.rfind("[Section]", 0), 0u) << written;
    EXPECT_EQ(valueOf(written, "BGM\x8B\xE6\x95\xAA"), "1");
    EXPECT_EQ(valueOf(written, "BGM\xD8\xCB\xDF\xB0\xC4"), "4");  // 3.5 halves to even
    EXPECT_EQ(valueOf(written, "BGM\xCC\xA7\xB2\xD9"), "");
}

TEST_F(SettingsDialog, TheChosenFileIsShownAndSavedWithoutChangingTheKind) {
    const std::string song = folder.file("song.mp3");
    ASSERT_TRUE(e2e::writeFile(song, "ID3"));
    press("MP3、WAV");
    e2e::clickWindow(control("..."));
    HWND chooser =
        e2e::waitFor([] { return FindWindowW(L"#32770", L"ﾌｧｲﾙを開く"); }, kOpenTimeoutMs);
    ASSERT_NE(chooser, nullptr);
    constexpr int kFileNameBox = 0x47c;  // cmb13, which takes a whole path
    SetDlgItemTextA(chooser, kFileNameBox, song.c_str());
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(e2e::waitFor([&] { return control(song); }, kEndTimeoutMs), nullptr);

    press("なし");
    e2e::clickWindow(control("設定"));
    EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0);
    EXPECT_EQ(valueOf(settings(), "BGM\x8B\xE6\x95\xAA"), "0");
    EXPECT_EQ(valueOf(settings(), "BGM\xCC\xA7\xB2\xD9"), song);
}

}  // namespace
