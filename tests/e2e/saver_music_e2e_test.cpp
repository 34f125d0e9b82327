// Background music in a real run: a WAV file chosen in the settings is played by the saver
// while the scene runs, and released when the run ends. Under ctest, Wine's sound device is
// ALSA's null output, so nothing is heard.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "contract/work_folder.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

using e2e::Process;

// One second of 8-bit mono silence at 8000 Hz.
std::vector<char> SilentWav() {
    constexpr unsigned kRate = 8000;
    std::vector<char> file(44 + kRate, static_cast<char>(128));
    const auto put = [&](std::size_t at, const char* text) {
        std::copy(text, text + 4, file.begin() + static_cast<std::ptrdiff_t>(at));
    };
    const auto put32 = [&](std::size_t at, unsigned value) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    put(0, "RIFF");
    put32(4, 36 + kRate);
    put(8, "WAVE");
    put(12, "fmt ");
    put32(16, 16);
    put32(20, 1 | 1 << 16);  // PCM, one channel
    put32(24, kRate);
    put32(28, kRate);        // bytes per second
    put32(32, 1 | 8 << 16);  // one byte per frame, 8 bits
    put(36, "data");
    put32(40, kRate);
    return file;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
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
    const std::vector<char> wav = SilentWav();
    ASSERT_TRUE(WriteFile(music, std::string(wav.begin(), wav.end())));
    // Music source 2 (a sound file) with that file, under the Japanese keys.
    ASSERT_TRUE(WriteFile(folder.file("Soravane.ini"),
                          "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\nBGM\xD8\xCB\xDF\xB0\xC4= 0\r\n"
                          "BGM\xCC\xA7\xB2\xD9=" +
                              music + "\r\n"));

    Process saver = folder.startSaver("/s");
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
