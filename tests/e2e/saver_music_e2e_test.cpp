// Background music in a real run: a WAV file chosen in the settings is played by the saver
// while the scene runs, and released when the run ends. Under ctest, Wine's sound device is
// ALSA's null output, so nothing is heard.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "contract/work_folder.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

// One second of 8-bit mono silence at 8000 Hz: RIFF size 8036, PCM, one channel, 8000 frames
// of one byte each second, 8 bits, 8000 bytes of data.
std::string SilentWav() {
    using namespace std::string_literals;
    return "RIFF\x64\x1F\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0"
           "data\x40\x1F\0\0"s +
           std::string(8000, static_cast<char>(128));
}

// Whether someone holds `path` open so that it cannot be opened for writing alone.
bool HeldOpen(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    CloseHandle(file);
    return false;
}

TEST(SaverMusic, AWavFileLoopsWhileTheSceneRunsAndIsReleasedAtTheEnd) {
    e2e::SaverFolder folder;
    ASSERT_TRUE(folder.complete());
    const std::string music = folder.file("Loop Music.Wav");  // blanks and letter case
    ASSERT_TRUE(e2e::writeFile(music, SilentWav()));
    // Music source 2 (a sound file) with that file, under the Japanese keys.
    ASSERT_TRUE(
        e2e::writeFile(folder.file("Soravane.ini"),
                       "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\nBGM\xD8\xCB\xDF\xB0\xC4= 0\r\n"
                       "BGM\xCC\xA7\xB2\xD9=" +
                           music + "\r\n"));

    e2e::Process saver = folder.startSaver("/s");
    ASSERT_TRUE(saver.started());
    HWND scene = e2e::waitForWindow(contract::kSceneWindowTitle, 30000);
    ASSERT_NE(scene, nullptr);
    // The saver plays the file when Wine has a waveform device, as it has under ctest
    // (saver_alsa_null.conf): PlaySound keeps the file open while it loops.
    if (waveOutGetNumDevs() == 0) {
        std::printf("no waveform output device: playing cannot be observed here\n");
    } else {
        EXPECT_TRUE(HeldOpen(music)) << "the saver is not playing the file";
    }

    PostMessageA(scene, WM_CLOSE, 0, 0);
    EXPECT_EQ(saver.waitForExit(15000), 0);
    EXPECT_FALSE(HeldOpen(music));
    if (saver.running()) {
        saver.kill();
    }
}

}  // namespace
