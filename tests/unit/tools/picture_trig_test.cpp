#include <gtest/gtest.h>

#include <cmath>

#include "tools/pictures/turn_trig.h"

TEST(picture_trig, MatchesTheLibraryOverSeveralTurnsBothWays) {
    constexpr double kTwoPi = 6.283185307179586;
    for (double turns = -2.5; turns <= 2.5; turns += 0.0137) {
        EXPECT_NEAR(pictures::sinTurns(turns), std::sin(turns * kTwoPi), 1e-11) << turns;
        EXPECT_NEAR(pictures::cosTurns(turns), std::cos(turns * kTwoPi), 1e-11) << turns;
    }
}

TEST(picture_trig, QuarterTurnsLandOnTheAxes) {
    EXPECT_EQ(pictures::sinTurns(0.0), 0.0);
    EXPECT_NEAR(pictures::sinTurns(0.25), 1.0, 1e-12);
    EXPECT_NEAR(pictures::sinTurns(0.5), 0.0, 1e-12);
    EXPECT_NEAR(pictures::sinTurns(0.75), -1.0, 1e-12);
    EXPECT_NEAR(pictures::cosTurns(0.5), -1.0, 1e-12);
}
