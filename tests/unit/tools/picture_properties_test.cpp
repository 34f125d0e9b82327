// What a user would see go wrong in the pictures as drawn today (the committed ones match them):
// a seam where the sky's edges meet round the sphere, steps between the tiles of the metal
// panel, the square around a puff.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tools/pictures/picture_catalogue.h"

namespace {

// The last column (or row) continues into the first as smoothly as neighbours continue each
// other; lines only two apart already differ by more than this allows.
void expectJoinsRoundTheEdge(const pictures::Picture& picture, bool columns) {
    const int count = columns ? picture.width() : picture.height();
    const int length = columns ? picture.height() : picture.width();
    ASSERT_GT(count, 2);
    // Mean difference per channel between two lines.
    const auto difference = [&](int a, int b) {
        long sum = 0;
        for (int i = 0; i < length; ++i) {
            const auto p = columns ? picture.at(a, i) : picture.at(i, a);
            const auto q = columns ? picture.at(b, i) : picture.at(i, b);
            sum +=
                std::abs(p.red - q.red) + std::abs(p.green - q.green) + std::abs(p.blue - q.blue);
        }
        return sum / (3.0 * length);
    };
    double neighbours = 0;
    for (int i = 0; i + 1 < count; ++i) {
        neighbours += difference(i, i + 1) / (count - 1);
    }
    EXPECT_LE(difference(count - 1, 0), 1.25 * neighbours + 0.25)
        << (columns ? "left and right edges" : "top and bottom edges");
}

}  // namespace

TEST(picture_properties, SkyJoinsLeftToRightAndTheMetalStripTilesBothWays) {
    expectJoinsRoundTheEdge(pictures::makeSkyPicture(), true);
    const pictures::Picture strip = pictures::makeMetalStripPicture();
    expectJoinsRoundTheEdge(strip, true);
    expectJoinsRoundTheEdge(strip, false);
}

// The scene adds the puff onto what lies behind it: black is no smoke at all.
TEST(picture_properties, PuffHasABlackBorder) {
    const pictures::Picture puff = pictures::makePuffPicture();
    ASSERT_TRUE(puff.width() > 0 && puff.width() == puff.height());
    const int last = puff.width() - 1;
    for (int i = 0; i <= last; ++i) {
        for (const pictures::Rgba edge :
             {puff.at(i, 0), puff.at(i, last), puff.at(0, i), puff.at(last, i)}) {
            EXPECT_EQ(edge, (pictures::Rgba{0, 0, 0, 255})) << i;
        }
    }
}
