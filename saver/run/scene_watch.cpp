#include "saver/run/scene_watch.h"

bool SceneWatch::RunIsOver(bool sceneWindowExists, bool sceneProcessEnded,
                           std::uint64_t elapsedMs) {
    if (sceneWindowExists) {
        hasSeenSceneWindow_ = true;
        return false;
    }
    return hasSeenSceneWindow_ || sceneProcessEnded || elapsedMs >= kStartUpLimitMs;
}
