// Drawing arithmetic of the Command button: the skin pieces for any size, the caption's top
// and the face gradient's colours.
#include <gtest/gtest.h>

#include <array>

#include "saver/settings/command_geometry.h"

namespace {

using Pieces = std::array<SkinPiece, 8>;

TEST(ButtonGeometry, CornersStayFourPixelsAndOnlyTheEdgesStretch) {
    EXPECT_EQ(SkinPieces(81, 25), (Pieces{{
                                      {{0, 0, 4, 4}, {0, 0, 4, 4}},
                                      {{4, 0, 73, 4}, {4, 0, 56, 4}},
                                      {{77, 0, 4, 4}, {60, 0, 4, 4}},
                                      {{77, 4, 4, 17}, {60, 4, 4, 17}},
                                      {{77, 21, 4, 4}, {60, 21, 4, 4}},
                                      {{4, 21, 73, 4}, {4, 21, 56, 4}},
                                      {{0, 21, 4, 4}, {0, 21, 4, 4}},
                                      {{0, 4, 4, 17}, {0, 4, 4, 17}},
                                  }}));
    const Pieces large = SkinPieces(400, 90);
    EXPECT_EQ(large[4], (SkinPiece{{396, 86, 4, 4}, {60, 21, 4, 4}}));
    EXPECT_EQ(large[1].destination, (PixelRect{4, 0, 392, 4}));
    EXPECT_EQ(large[7].destination, (PixelRect{0, 4, 4, 82}));
}

TEST(ButtonGeometry, AButtonSmallerThanTwoCornersSharesThemAndHasNoEdges) {
    const Pieces pieces = SkinPieces(7, 5);
    EXPECT_EQ(pieces[0], (SkinPiece{{0, 0, 3, 2}, {0, 0, 3, 2}}));
    EXPECT_EQ(pieces[2], (SkinPiece{{3, 0, 4, 2}, {60, 0, 4, 2}}));
    EXPECT_EQ(pieces[4], (SkinPiece{{3, 2, 4, 3}, {60, 22, 4, 3}}));
    EXPECT_EQ(pieces[6], (SkinPiece{{0, 2, 3, 3}, {0, 22, 3, 3}}));
    for (int edge : {1, 3, 5, 7}) {
        EXPECT_TRUE(pieces[edge].destination.IsEmpty()) << edge;
    }
    for (const SkinPiece& piece : SkinPieces(0, -3)) {
        EXPECT_TRUE(piece.destination.IsEmpty());
    }
}

TEST(ButtonGeometry, TheCaptionSitsTwentyTwipsAboveTheMiddle) {
    EXPECT_EQ(CaptionTop(25, 13, 15.0), 5);   // 80 twips
    EXPECT_EQ(CaptionTop(25, 12, 15.0), 6);   // 87.5 twips
    EXPECT_EQ(CaptionTop(25, 13, 12.0), 5);   // 62 twips at 120 dots per inch
    EXPECT_EQ(CaptionTop(10, 13, 15.0), -2);  // a caption taller than its button
}

TEST(ButtonGeometry, FaceColoursAreReadRedGreenBlueIntoTheHighBytes) {
    EXPECT_EQ(FaceColourFromText("&H0a0B1Z"), (FaceColour{0x0A00, 0x0B00, 0x0100, 0}));
    const FaceColour white{0xFF00, 0xFF00, 0xFF00, 0};
    const FaceColour lavender{0xC600, 0xC500, 0xD700, 0};
    EXPECT_EQ(FaceGradientColours(false).top, white);
    EXPECT_EQ(FaceGradientColours(false).bottom, lavender);
    EXPECT_EQ(FaceGradientColours(true).top, lavender);
    EXPECT_EQ(FaceGradientColours(true).bottom, white);
}

}  // namespace
