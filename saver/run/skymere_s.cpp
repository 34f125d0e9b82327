#include "saver/run/skymere_s.h"

#include "contract/work_folder.h"
#include "saver/resources/resource_ids.h"
#include "saver/run/beside_saver.h"
#include "saver/run/work_folder_files.h"
#include "saver/runtime/files.h"
#include "saver/runtime/program_start.h"
#include "saver/runtime/screen.h"

namespace {

constexpr UINT kTimer1IntervalMs = 1000;
constexpr UINT kTimer2IntervalMs = 200;
constexpr UINT kTimer3IntervalMs = 500;

// No border, so the inner area is the whole form; never shown.
FormStyle HiddenMainFormStyle() {
    return {.style = WS_POPUP,
            .extendedStyle = WS_EX_TOOLWINDOW,
            .x = 0,
            .y = 0,
            .width = 0,
            .height = 0};
}

}  // namespace

Skymere_S::Skymere_S(Application& application, SharedState& state, bool cursorHidden,
                     std::string programFolder, HMODULE resources)
    : Form(application, contract::kSaverWindowTitle, HiddenMainFormStyle()),
      state_(state),
      cursorHidden_(cursorHidden),
      programFolder_(std::move(programFolder)),
      bgm_(mciPort_, state),
      Timer1(*this, kTimer1, kTimer1IntervalMs, false),
      Timer2(*this, kTimer2, kTimer2IntervalMs, false),
      Timer3(*this, kTimer3, kTimer3IntervalMs, true) {
    Pic_2.LoadBitmapResource(resources, SORAVANE_RESOURCE_PUFF);
    Pic_3.LoadBitmapResource(resources, SORAVANE_RESOURCE_SKY);
}

// Every step's failure is ignored and the next step runs: whatever could not be written, the
// scene program still starts and finds older files or none.
void Skymere_S::OnLoad() {
    PrepareWorkFolder();
    StartScene();
    StartMusic(bgm_, state_, musicTimers_);
    ApplyMusicTimers();
    // While the scene program starts, which takes far longer.
    for (const char* file : {contract::kGroundBitmapPath, contract::kSmokeBitmapPath,
                             contract::kSkyBitmapPath, contract::kModelPath}) {
        RemoveSwappedOutFile(file);
    }
}

void Skymere_S::PrepareWorkFolder() {
    const ScreenSize screen = PrimaryScreenSize();
    SetWindowPos(Window(), nullptr, 0, 0, screen.width, screen.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT inner = {};
    GetClientRect(Window(), &inner);
    Pic_1.Resize(inner.right - inner.left, inner.bottom - inner.top);
    WriteWorkFolderFiles(Pic_1, Pic_2, Pic_3, programFolder_ + beside_saver::kModelFile);
}

void Skymere_S::StartScene() {
    ScenePath = programFolder_ + beside_saver::kSceneProgram;
    sceneProcess_ = StartProgram(ScenePath, SW_SHOWNORMAL);
    sceneStartedAtMs_ = GetTickCount64();
}

void Skymere_S::OnTimer(Timer& timer) {
    switch (timer.Id()) {
        case kTimer1:
            bgm_.Mp3Loop();
            break;
        case kTimer2:
            Timer2Tick(bgm_, state_, musicTimers_);
            ApplyMusicTimers();
            break;
        case kTimer3:
            WatchScene();
            break;
        default:
            break;
    }
}

void Skymere_S::WatchScene() {
    const bool windowExists = FindWindowA(nullptr, contract::kSceneWindowTitle) != nullptr;
    const bool processEnded =
        !sceneProcess_ || WaitForSingleObject(sceneProcess_.get(), 0) == WAIT_OBJECT_0;
    const std::uint64_t elapsedMs = GetTickCount64() - sceneStartedAtMs_;
    if (sceneWatch_.RunIsOver(windowExists, processEnded, elapsedMs)) {
        Timer3.SetEnabled(false);
        Unload();
    }
}

// Runs on every way out, the watch's and Windows' own (log-off, shutdown, a close request),
// and never lets the form stay.
void Skymere_S::OnQueryUnload(UnloadReason) {
    StopMusic(bgm_, state_, musicTimers_);
    ApplyMusicTimers();
    if (cursorHidden_) {
        ShowCursor(TRUE);
    }
    sceneProcess_.reset();
    App().End();
}

void Skymere_S::ApplyMusicTimers() {
    Timer1.SetEnabled(musicTimers_.Timer1Enabled);
    Timer2.SetEnabled(musicTimers_.Timer2Enabled);
}
