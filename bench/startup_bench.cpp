// Start-up time of a screen-saver run on this desktop, step by step, each measured with the
// programs' own routines inside this one process, so that neither process start is counted:
//
//   snapshot and files    the saver's part as it runs it: the mirrored desktop into a
//                         screen-sized picture (Skymere_S's Pic_1) and the three BMP files and
//                         the jet model into C:\qorvin, the built-in files beside the snapshot;
//                         then each on its own:
//   - snapshot            the mirrored desktop
//   - writing the bitmaps the three BMP files, one after the other
//   - model copy          the jet model
//   older files removed   the files the new bitmaps and model replaced, deleted while the
//                         scene program starts (a process start, so not in the line below)
//   scene: model read     the jet model read back
//   scene: bitmaps' levels the three bitmaps read and their textures' levels made from them,
//                         as the scene does it beside the window's making, here on its own
//   scene: window/GL      the scene's window, display mode, covers and OpenGL context
//   scene: waiting        for the bitmaps and levels, read ahead beside the window's making
//   scene: uploads        the textures handed to the renderer, and the world's start
//   scene: first frame    the first frame drawn and shown
//
// The scene runs its steps as the program does: the bitmaps and their levels on a thread of
// their own while the model is read and the window and context are made (window/GL, then
// waiting), then the uploads. Reading and levels, and the saver's steps, are then timed again
// on their own. Each run's "saver start to first frame, without process starts" is its time
// from the snapshot's start to the first frame's, as run; with the first frame drawn, to its
// end. For comparison, with the process starts:
//
//   scene start   Soravane.dll started until its window "Skymere_VC" is there
//   whole run     Soravane.scr /s started until "Skymere_VC" is there
//
// Each is run several times; the median, the fastest and the slowest are printed in
// milliseconds. Run it with bench/startup_bench.sh, which provides the Wine prefix and X
// displays: 1024x768, where the scene switches the display to its own mode, and 1920x1080,
// which cannot switch, so the scene runs at the desktop's mode.
//
//   startup_bench.exe [runs]      (default 5)
#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "contract/work_folder.h"
#include "saver/run/desktop_snapshot.h"
#include "saver/run/work_folder_files.h"
#include "saver/runtime/files.h"
#include "saver/runtime/picture_saving.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/program_start.h"
#include "saver/runtime/screen.h"
#include "scene/frame.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_start.h"
#include "scene/snapshot_read_ahead.h"
#include "scene/win32/message_box_error.h"
#include "scene/win32/scene_window.h"

namespace {

constexpr DWORD kSceneTimeoutMs = 30000;

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds since `start`, and `start` moved on to now.
double Lap(double& start) {
    const double now = NowMs();
    const double lap = now - start;
    start = now;
    return lap;
}

void RemoveOlderFiles() {
    for (const char* file : {contract::kGroundBitmapPath, contract::kSmokeBitmapPath,
                             contract::kSkyBitmapPath, contract::kModelPath}) {
        RemoveSwappedOutFile(file);
    }
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

void Add(Figures& figures, std::optional<double> ms) {
    if (ms) {
        figures.ms.push_back(*ms);
    } else {
        ++figures.failures;
    }
}

void Print(const char* name, Figures figures) {
    if (figures.ms.empty()) {
        std::printf("  %-22s not measured (%d failed attempts)\n", name, figures.failures);
        return;
    }
    std::sort(figures.ms.begin(), figures.ms.end());
    std::printf("  %-22s median %7.1f ms   fastest %7.1f   slowest %7.1f   (%zu runs", name,
                figures.ms[figures.ms.size() / 2], figures.ms.front(), figures.ms.back(),
                figures.ms.size());
    std::printf(figures.failures > 0 ? ", %d failed)\n" : ")\n", figures.failures);
}

enum Step {
    kSnapshotAndFiles,
    kSnapshot,
    kWritingBitmaps,
    kModelCopy,
    kOlderFilesRemoved,
    kModelRead,
    kBitmapLevels,
    kWindowAndGl,
    kWaiting,
    kUploads,
    kFirstFrame,
    kStepCount
};
constexpr const char* kStepNames[kStepCount] = {
    "snapshot and files",  "- snapshot",        "- writing the bitmaps",  "- model copy",
    "older files removed", "scene: model read", "scene: bitmaps' levels", "scene: window/GL",
    "scene: waiting",      "scene: uploads",    "scene: first frame",
};

using StepTimes = std::array<double, kStepCount>;

// The saver's part of a run, as Skymere_S prepares the work folder, and the older files'
// removal that follows the scene program's start.
void TimeSaverSteps(PictureSurface& ground, const PictureSurface& puff, const PictureSurface& sky,
                    StepTimes& times) {
    const ScreenSize screen = PrimaryScreenSize();
    double start = NowMs();
    ground.Resize(screen.width, screen.height);
    WriteWorkFolderFiles(ground, puff, sky, ShippedFile("Soravane.data"));
    times[kSnapshotAndFiles] = Lap(start);
    RemoveOlderFiles();
    times[kOlderFilesRemoved] = Lap(start);
}

// The saver's steps again, each on its own.
void TimeSaverStepsAlone(PictureSurface& ground, const PictureSurface& puff,
                         const PictureSurface& sky, StepTimes& times) {
    const ScreenSize screen = PrimaryScreenSize();
    double start = NowMs();
    ground.Resize(screen.width, screen.height);
    TakeDesktopSnapshot(ground);
    times[kSnapshot] = Lap(start);
    SavePicture(ground, contract::kGroundBitmapPath);
    SavePicture(puff, contract::kSmokeBitmapPath);
    SavePicture(sky, contract::kSkyBitmapPath);
    times[kWritingBitmaps] = Lap(start);
    SwapInCopy(ShippedFile("Soravane.data"), contract::kModelPath);
    times[kModelCopy] = Lap(start);
    RemoveOlderFiles();
}

// The scene program's start as it runs it (scene_main.cpp): the model, the bitmaps read ahead
// while the window and its context are made, the textures and the world, the first frame.
// Nothing when a step failed; otherwise the milliseconds from the start to the first frame's
// start, and the model's reading in times[kModelRead].
std::optional<double> TimeSceneStart(StepTimes& times) {
    const auto model = std::make_unique<Ms3dModel>();
    const auto world = std::make_unique<World>();
    const SnapshotPaths paths = workFolderSnapshotPaths();
    const double begin = NowMs();
    double start = begin;
    SnapshotReadAhead readAhead(paths);
    if (!model->load(contract::kModelPath)) {
        return std::nullopt;
    }
    times[kModelRead] = Lap(start);
    if (openSceneWindow(contract::kSceneWindowTitle, 1024, 768, 32)) {
        return std::nullopt;
    }
    times[kWindowAndGl] = Lap(start);
    PreparedPicture* const pictures = readAhead.pictures().data();
    times[kWaiting] = Lap(start);
    const bool started = initScene(*world, *model, paths, pictures);
    readAhead.release();
    times[kUploads] = Lap(start);
    const double untilFirstFrame = start - begin;
    if (started) {
        renderFrame(*world, *model);
        SwapBuffers(sceneWindowState().deviceContext);
        glFinish();
        times[kFirstFrame] = Lap(start);
        releaseScene(*world);
    }
    closeSceneWindow();
    Sleep(300);  // the display mode comes back after the window has gone
    return started ? std::optional(untilFirstFrame) : std::nullopt;
}

// The bitmaps read and their levels made on their own (the scene does it beside the window's
// making).
void TimeBitmapLevels(StepTimes& times) {
    const SnapshotPaths paths = workFolderSnapshotPaths();
    double start = NowMs();
    for (const char* path : {paths.sky, paths.ground, paths.smoke}) {
        preparePicture(path);
    }
    times[kBitmapLevels] = Lap(start);
}

std::optional<double> TimeSceneProgramStart() {
    const double start = NowMs();
    const UniqueHandle scene = StartProgram(ShippedFile("Soravane.dll"), SW_SHOWNORMAL);
    const std::optional<double> shown = WaitForSceneWindow(scene.get(), start);
    CloseScene();
    return shown;
}

std::optional<double> TimeWholeRun() {
    std::string commandLine = '"' + ShippedFile("Soravane.scr") + "\" /s";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver = {};
    const double start = NowMs();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &saver)) {
        return std::nullopt;
    }
    const std::optional<double> shown = WaitForSceneWindow(saver.hProcess, start);
    CloseScene();
    WaitForSingleObject(saver.hProcess, 5000);
    CloseHandle(saver.hThread);
    CloseHandle(saver.hProcess);
    return shown;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const ScreenSize screen = PrimaryScreenSize();
    std::printf("Saver start-up on a %d x %d desktop, %d runs each\n", screen.width, screen.height,
                runs);
    CreateFolder(contract::kWorkFolder);
    MessageBoxError errorBox;
    setErrorBox(&errorBox);

    // The saver's built-in pictures have these sizes; their content costs nothing more.
    PictureSurface ground;
    PictureSurface puff;
    PictureSurface sky;
    puff.Resize(32, 32);
    sky.Resize(512, 512);
    std::array<Figures, kStepCount> steps;
    Figures untilFirstFrame;
    Figures withFirstFrame;
    Figures sceneStart;
    Figures wholeRun;
    for (int run = 0; run < runs; ++run) {
        StepTimes times{};
        TimeSaverSteps(ground, puff, sky, times);
        const std::optional<double> scene = TimeSceneStart(times);
        if (scene) {
            TimeBitmapLevels(times);
            TimeSaverStepsAlone(ground, puff, sky, times);
            for (int step = 0; step < kStepCount; ++step) {
                steps[step].ms.push_back(times[step]);
            }
            const double saver = times[kSnapshotAndFiles];
            untilFirstFrame.ms.push_back(saver + *scene);
            withFirstFrame.ms.push_back(saver + *scene + times[kFirstFrame]);
        } else {
            ++untilFirstFrame.failures;
        }
        Add(sceneStart, TimeSceneProgramStart());
        Add(wholeRun, TimeWholeRun());
    }
    for (int step = 0; step < kStepCount; ++step) {
        Print(kStepNames[step], steps[step]);
    }
    std::printf("saver start to first frame, without process starts, at %d x %d:\n", screen.width,
                screen.height);
    Print("", untilFirstFrame);
    Print("with the frame drawn", withFirstFrame);
    std::printf("with the process starts:\n");
    Print("scene start", sceneStart);
    Print("whole run", wholeRun);
    return 0;
}
