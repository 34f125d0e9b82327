#pragma once
// Exit codes of the scene program. 0 is a normal end (Escape or a close request); each
// failure to start has its own code so that a caller or a test can tell them apart.

enum SceneExitCode : int {
    kSceneEndedNormally = 0,
    kSceneModelUnreadable = 2,
    kSceneWindowFailed = 4,  // class, window, device context, pixel format or GL context
    kSceneNoBitmapTexture = 5,
};
