// Start-up time of a screen-saver run on this desktop: from the saver's start to the scene
// window's appearance, and the parts it is made of, measured with the saver's own routines:
//
//   snapshot      the mirrored desktop into a screen-sized picture (Skymere_S's Pic_1)
//   file writing  the three bitmaps and the model copy in C:\qorvin
//   scene start   Soravane.dll started until its window "Skymere_VC" is there
//   files ready   Soravane.scr /s started until its last file, the model copy, is complete
//                 (process start, settings, file checks, snapshot and writing together)
//   whole run     Soravane.scr /s started until "Skymere_VC" is there
//
// Each is run several times; the median, the fastest and the slowest are printed in
// milliseconds. The scene is closed after each look. Run it with bench/startup_bench.sh, which
// provides the Wine prefix and X displays: 1024x768, where the scene switches the display to
// its own mode, and 1920x1080, which cannot switch, so the scene runs at the desktop's mode.
//
//   startup_bench.exe [runs]      (default 5)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "contract/work_folder.h"
#include "saver/run/desktop_snapshot.h"
#include "saver/runtime/files.h"
#include "saver/runtime/picture_saving.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/program_start.h"
#include "saver/runtime/screen.h"

namespace {

constexpr DWORD kSceneTimeoutMs = 30000;

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string ShippedFile(const char* name) {
    std::string path = std::string("Z:") + SORAVANE_BIN_DIR + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Milliseconds until `process` shows the scene window; nothing when it ends or times out
// first.
std::optional<double> WaitForSceneWindow(HANDLE process, double startMs) {
    while (NowMs() - startMs < kSceneTimeoutMs) {
        if (FindWindowA(nullptr, contract::kSceneWindowTitle) != nullptr) {
            return NowMs() - startMs;
        }
        if (process != nullptr && WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
            return std::nullopt;
        }
        Sleep(5);
    }
    return std::nullopt;
}

void CloseScene() {
    if (HWND scene = FindWindowA(nullptr, contract::kSceneWindowTitle)) {
        PostMessageA(scene, WM_CLOSE, 0, 0);
    }
    for (int i = 0; i < 300 && FindWindowA(nullptr, contract::kSceneWindowTitle); ++i) {
        Sleep(50);
    }
    Sleep(300);  // the display mode comes back after the window has gone
}

struct Figures {
    std::vector<double> ms;
    int failures = 0;
};

void Print(const char* name, Figures figures) {
    if (figures.ms.empty()) {
        std::printf("  %-13s not measured (%d failed attempts)\n", name, figures.failures);
        return;
    }
    std::sort(figures.ms.begin(), figures.ms.end());
    std::printf("  %-13s median %8.1f ms   fastest %8.1f   slowest %8.1f   (%zu runs", name,
                figures.ms[figures.ms.size() / 2], figures.ms.front(), figures.ms.back(),
                figures.ms.size());
    std::printf(figures.failures > 0 ? ", %d failed)\n" : ")\n", figures.failures);
}

double TimeSnapshot(PictureSurface& ground) {
    const ScreenSize screen = PrimaryScreenSize();
    const double start = NowMs();
    ground.Resize(screen.width, screen.height);
    TakeDesktopSnapshot(ground);
    return NowMs() - start;
}

double TimeFileWriting(const PictureSurface& ground, const PictureSurface& puff,
                       const PictureSurface& sky) {
    const double start = NowMs();
    SavePicture(ground, contract::kGroundBitmapPath);
    SavePicture(puff, contract::kSmokeBitmapPath);
    SavePicture(sky, contract::kSkyBitmapPath);
    CopyFileOver(ShippedFile("Soravane.data"), contract::kModelPath);
    return NowMs() - start;
}

std::optional<double> TimeSceneStart() {
    const double start = NowMs();
    const UniqueHandle scene = StartProgram(ShippedFile("Soravane.dll"), SW_SHOWNORMAL);
    const std::optional<double> shown = WaitForSceneWindow(scene.get(), start);
    CloseScene();
    return shown;
}

bool ModelCopyIsComplete(LONGLONG expectedSize) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(contract::kModelPath, GetFileExInfoStandard, &data) &&
           (static_cast<LONGLONG>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) == expectedSize;
}

struct WholeRun {
    std::optional<double> filesReadyMs;  // the model copy, the saver's last file, is complete
    std::optional<double> sceneShownMs;
};

WholeRun TimeWholeRun() {
    WIN32_FILE_ATTRIBUTE_DATA model;
    GetFileAttributesExA(ShippedFile("Soravane.data").c_str(), GetFileExInfoStandard, &model);
    const LONGLONG modelSize =
        static_cast<LONGLONG>(model.nFileSizeHigh) << 32 | model.nFileSizeLow;
    DeleteFileA(contract::kModelPath);

    std::string commandLine = '"' + ShippedFile("Soravane.scr") + "\" /s";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver = {};
    WholeRun run;
    const double start = NowMs();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &saver)) {
        return run;
    }
    while (NowMs() - start < kSceneTimeoutMs) {
        if (!run.filesReadyMs && ModelCopyIsComplete(modelSize)) {
            run.filesReadyMs = NowMs() - start;
        }
        if (FindWindowA(nullptr, contract::kSceneWindowTitle) != nullptr) {
            run.sceneShownMs = NowMs() - start;
            break;
        }
        if (WaitForSingleObject(saver.hProcess, 0) == WAIT_OBJECT_0) {
            break;  // no scene window came, and the saver has given up on it
        }
        Sleep(2);
    }
    CloseScene();
    WaitForSingleObject(saver.hProcess, 5000);
    CloseHandle(saver.hThread);
    CloseHandle(saver.hProcess);
    return run;
}

void Add(Figures& figures, std::optional<double> ms) {
    if (ms) {
        figures.ms.push_back(*ms);
    } else {
        ++figures.failures;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const ScreenSize screen = PrimaryScreenSize();
    std::printf("Saver start-up on a %d x %d desktop, %d runs each\n", screen.width, screen.height,
                runs);
    CreateFolder(contract::kWorkFolder);

    PictureSurface ground;
    PictureSurface puff;
    PictureSurface sky;
    puff.Resize(32, 32);
    sky.Resize(512, 512);
    Figures snapshot;
    Figures writing;
    Figures sceneStart;
    Figures filesReady;
    Figures wholeRun;
    for (int run = 0; run < runs; ++run) {
        snapshot.ms.push_back(TimeSnapshot(ground));
        writing.ms.push_back(TimeFileWriting(ground, puff, sky));
        Add(sceneStart, TimeSceneStart());
        const WholeRun whole = TimeWholeRun();
        Add(filesReady, whole.filesReadyMs);
        Add(wholeRun, whole.sceneShownMs);
    }
    Print("snapshot", snapshot);
    Print("file writing", writing);
    Print("scene start", sceneStart);
    Print("files ready", filesReady);
    Print("whole run", wholeRun);
    return 0;
}
