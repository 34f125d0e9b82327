// Timer3's watch over the scene program: the run ends when the scene window has gone, but a
// scene program that is still starting up is given its time.
#include <gtest/gtest.h>

#include "saver/run/scene_watch.h"

namespace {

constexpr bool kWindow = true;
constexpr bool kNoWindow = false;
constexpr bool kProcessEnded = true;
constexpr bool kProcessRunning = false;

TEST(SaverSceneWatch, RunEndsWhenTheWindowThatWasSeenHasGone) {
    SceneWatch watch;
    EXPECT_FALSE(watch.RunIsOver(kNoWindow, kProcessRunning, 500));  // still loading
    EXPECT_FALSE(watch.RunIsOver(kWindow, kProcessRunning, 3000));
    EXPECT_FALSE(watch.RunIsOver(kWindow, kProcessRunning, 60000));  // no limit once seen
    // Gone while the process is still tidying up: the run is over all the same.
    EXPECT_TRUE(watch.RunIsOver(kNoWindow, kProcessRunning, 60500));
}

TEST(SaverSceneWatch, AStartingSceneIsGivenTheStartUpLimit) {
    SceneWatch watch;
    EXPECT_FALSE(watch.RunIsOver(kNoWindow, kProcessRunning, 500));
    EXPECT_FALSE(watch.RunIsOver(kNoWindow, kProcessRunning, SceneWatch::kStartUpLimitMs - 1));
    EXPECT_TRUE(watch.RunIsOver(kNoWindow, kProcessRunning, SceneWatch::kStartUpLimitMs));
}

TEST(SaverSceneWatch, ASceneThatEndedOrNeverStartedWithoutAWindowEndsTheRunAtOnce) {
    SceneWatch ended;
    EXPECT_TRUE(ended.RunIsOver(kNoWindow, kProcessEnded, 500));
    // A window titled like the scene's, from an earlier scene program, keeps the run going.
    SceneWatch other;
    EXPECT_FALSE(other.RunIsOver(kWindow, kProcessEnded, 500));
    EXPECT_TRUE(other.RunIsOver(kNoWindow, kProcessEnded, 1000));
}

}  // namespace
