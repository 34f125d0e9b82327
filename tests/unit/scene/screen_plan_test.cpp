// The scene's window and the black covers over whatever of the monitors it leaves bare.
#include <gtest/gtest.h>

#include <vector>

#include "scene/screen_plan.h"

namespace {

TEST(ScreenPlan, SceneOverThePrimaryAtTheModeItRunsAndCoversOverTheRest) {
    const ScreenRect switched = {0, 0, 1024, 768};
    const ScreenRect own = {0, 0, 1920, 1080};       // the primary's mode, kept
    const ScreenRect right = {1920, 0, 3200, 1024};  // placed before the primary shrank
    const ScreenRect leftAbove = {-1280, -200, 0, 824};
    const ScreenRect around = {-10, -20, 1034, 788};  // reaching past the scene on every side
    struct Case {
        bool modeSet;
        std::vector<ScreenRect> monitors;
        ScreenRect scene;
        std::vector<ScreenRect> covers;
    };
    const Case cases[] = {
        {true, {switched}, switched, {}},
        {false, {own}, own, {}},
        {true, {switched, right}, switched, {right}},
        {false, {leftAbove, own}, own, {leftAbove}},
        {true,
         {around},
         switched,
         {{-10, -20, 1034, 0}, {-10, 768, 1034, 788}, {-10, 0, 0, 768}, {1024, 0, 1034, 768}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);  // the row
        const ScreenPlan plan = planScreens(c.modeSet, {1024, 768}, {1920, 1080}, c.monitors);
        EXPECT_EQ(plan.scene, c.scene);
        EXPECT_EQ(plan.covers, c.covers);
    }
}

}  // namespace
