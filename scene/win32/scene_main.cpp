// Soravane.dll, the scene program: a jet flying low over the desktop snapshot until Escape.
// It takes no arguments; the saver has written the model and the three bitmaps into the
// work folder before starting it. Exit codes: scene_exit_code.h.
#include <windows.h>

#include <ctime>
#include <memory>

#include "contract/work_folder.h"
#include "scene/frame.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_start.h"
#include "scene/snapshot_read_ahead.h"
#include "scene/win32/message_box_error.h"
#include "scene/win32/scene_window.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kColourBits = 32;
constexpr clock_t kTitleRefreshMs = 1000;
constexpr double kEyeClimbPerTurn = 0.1;

// Polls the queue and draws on every turn that finds it empty, until a close request or
// Escape. The eye climbs on every idle turn, drawn or not.
void runFrameLoop(World& world, const MeshModel& model) {
    SceneWindowState& window = sceneWindowState();
    clock_t lastTitleRefresh = clock();
    for (;;) {
        if (clock() - lastTitleRefresh >= kTitleRefreshMs) {
            lastTitleRefresh = clock();
            SetWindowTextA(window.window, contract::kSceneWindowTitle);
        }
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        // Escape is tested after the frame is drawn: the stopping frame is never shown.
        if ((window.windowActive && renderFrame(world, model) == 0) || window.escapePressed) {
            return;
        }
        SwapBuffers(window.deviceContext);
        world.eye.y += kEyeClimbPerTurn;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxError errorBox;
    setErrorBox(&errorBox);

    // The bitmaps are read while the model is read and the window and its context are made:
    // none waits for another.
    SnapshotReadAhead readAhead(workFolderSnapshotPaths());
    const auto model = std::make_unique<Ms3dModel>();
    if (!model->load(contract::kModelPath)) {
        return kSceneModelUnreadable;  // before any window or display change
    }

    // The world's tables are large; they live on the heap for the whole run.
    const auto world = std::make_unique<World>();
    if (const auto failure = openSceneWindow(contract::kSceneWindowTitle, kScreenWidth,
                                             kScreenHeight, kColourBits)) {
        return *failure;
    }
    if (!initScene(*world, *model, workFolderSnapshotPaths(), readAhead.pictures().data())) {
        closeSceneWindow();
        return kSceneNoBitmapTexture;
    }
    readAhead.release();
    // The start-up's draws come before this seeding, so every run starts alike.
    world->random.seed(static_cast<uint32_t>(clock()));

    runFrameLoop(*world, *model);
    releaseScene(*world);
    closeSceneWindow();
    return kSceneEndedNormally;
}
