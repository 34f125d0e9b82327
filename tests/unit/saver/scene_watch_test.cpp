// Timer3's watch over the scene program: the run ends when the scene window has gone, but a
// scene program that is still starting up is given its time.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "saver/run/scene_watch.h"

namespace {

TEST(SaverSceneWatch, RunEndsWhenTheSeenWindowGoesTheSceneEndsWindowlessOrStartUpRunsOut) {
    constexpr std::uint64_t kLimit = SceneWatch::kStartUpLimitMs;
    // Each run: ticks of (window exists, process ended, elapsed ms, run is over).
    using Run = std::vector<std::tuple<bool, bool, std::uint64_t, bool>>;
    const Run runs[] = {
        // Seen, then gone while the process is still tidying up: over before the limit.
        {{false, false, 500, false}, {true, false, 1000, false}, {false, false, 1500, true}},
        {{true, false, 4 * kLimit, false}},  // no limit while the window is there
        {{false, false, kLimit - 1, false}, {false, false, kLimit, true}},  // starting up
        {{false, true, 500, true}},  // ended without a window
        // A window titled like the scene's, from an earlier scene program, keeps it going.
        {{true, true, 500, false}, {false, true, 1000, true}},
    };
    for (const Run& run : runs) {
        SceneWatch watch;
        for (const auto& [window, ended, elapsedMs, over] : run) {
            EXPECT_EQ(watch.RunIsOver(window, ended, elapsedMs), over)
                << "run " << &run - runs << " at " << elapsedMs;
        }
    }
}

}  // namespace
