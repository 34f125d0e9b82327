#pragma once
// Skymere_S, the saver's hidden main form during a screen-saver run. Its load handler takes
// the desktop snapshot, writes the work folder's files, starts the scene program and the
// music; its timers keep the music going and watch the scene window; when that window has
// gone, its close-request handler stops the music, shows the cursor again and ends the
// process. The form is never shown: its caption "Skymere_Main" tells a later start of the
// saver that one is running.
#include <windows.h>

#include <cstdint>
#include <string>

#include "saver/music/music_timers.h"
#include "saver/music/skymere_bgm.h"
#include "saver/music/win32_mci_port.h"
#include "saver/run/scene_watch.h"
#include "saver/runtime/form.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/timer.h"
#include "saver/runtime/win32_handles.h"
#include "saver/settings/shared_state.h"

class Skymere_S : public Form {
public:
    // `state` is Skymere_B's shared state; `cursorHidden` says whether the start hid the mouse
    // cursor, which the shutdown then shows again; `resources` holds the built-in pictures.
    Skymere_S(Application& application, SharedState& state, bool cursorHidden,
              std::string programFolder, HMODULE resources);

protected:
    void OnLoad() override;
    void OnTimer(Timer& timer) override;
    void OnQueryUnload(UnloadReason reason) override;

private:
    enum TimerId : UINT_PTR { kTimer1 = 1, kTimer2, kTimer3 };

    void PrepareWorkFolder();
    void StartScene();
    void WatchScene();
    // Switches Timer1 and Timer2 to what the music rules decided.
    void ApplyMusicTimers();

    SharedState& state_;
    bool cursorHidden_;
    std::string programFolder_;

    Win32MciPort mciPort_;
    Skymere_BGM bgm_;
    MusicTimers musicTimers_;

    PictureSurface Pic_1;  // the mirrored desktop, screen-sized at load
    PictureSurface Pic_2;  // the built-in puff
    PictureSurface Pic_3;  // the built-in sky

    Timer Timer1;  // Mp3Loop
    Timer Timer2;  // CD watch
    Timer Timer3;  // scene-window watch

    std::string ScenePath;
    UniqueHandle sceneProcess_;
    std::uint64_t sceneStartedAtMs_ = 0;
    SceneWatch sceneWatch_;
};
