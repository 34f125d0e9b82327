// The scene's window and the black covers over whatever of the monitors it leaves bare.
#include <gtest/gtest.h>

#include <vector>

#include "scene/screen_plan.h"

namespace {

TEST(ScreenPlan, SceneOverThePrimaryAtTheModeItRunsAndCoversOverTheRest) {
    struct Case {
        const char* layout;
        bool requestedModeSet;
        std::vector<ScreenRect> monitors;
        ScreenRect scene;
        std::vector<ScreenRect> covers;
    };
    const ScreenRect switched = {0, 0, 1024, 768};
    const ScreenRect wide = {0, 0, 1920, 1080};
    const Case cases[] = {
        {"one monitor, switched", true, {switched}, switched, {}},
        {"one monitor, mode refused", false, {wide}, wide, {}},
        {"second monitor right of the primary, which shrank in the switch",
         true,
         {switched, {1920, 0, 3200, 1024}},
         switched,
         {{1920, 0, 3200, 1024}}},
        {"monitors left of and above the primary",
         false,
         {{-1280, -200, 0, 824}, wide, {0, -900, 1600, 0}},
         wide,
         {{-1280, -200, 0, 824}, {0, -900, 1600, 0}}},
        {"a clone of the primary", true, {switched, switched}, switched, {}},
        {"a monitor overlapping the primary's right part",
         true,
         {switched, {800, 0, 1824, 768}},
         switched,
         {{1024, 0, 1824, 768}}},
        {"a monitor reaching past the scene on every side",
         true,
         {{-10, -20, 1034, 788}},
         switched,
         {{-10, -20, 1034, 0}, {-10, 768, 1034, 788}, {-10, 0, 0, 768}, {1024, 0, 1034, 768}}},
    };
    for (const Case& c : cases) {
        const ScreenPlan plan =
            planScreens(c.requestedModeSet, {1024, 768}, {1920, 1080}, c.monitors);
        EXPECT_EQ(plan.scene, c.scene) << c.layout;
        EXPECT_EQ(plan.covers, c.covers) << c.layout;
    }
}

}  // namespace
