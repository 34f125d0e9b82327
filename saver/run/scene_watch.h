#pragma once
// Skymere_S's watch over the scene program (Timer3, every 500 ms): the screen-saver run is
// over once the scene window, titled "Skymere_VC", has gone.
//
// The scene program needs a few seconds to load its model and open its window, so a missing
// window only ends the run once the window has been seen, once the scene process has ended
// without ever showing it (or never started), or once the start-up limit has passed.
#include <cstdint>

class SceneWatch {
public:
    // How long the scene program may take to show its window.
    static constexpr std::uint64_t kStartUpLimitMs = 15000;

    // One look, `elapsedMs` after the scene program was started. `sceneProcessEnded` is true
    // also when it could not be started. True when the run is over.
    bool RunIsOver(bool sceneWindowExists, bool sceneProcessEnded, std::uint64_t elapsedMs);

private:
    bool hasSeenSceneWindow_ = false;
};
