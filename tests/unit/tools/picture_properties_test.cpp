// What a user would see go wrong in the committed pictures: a seam where the sky's edges meet
// round the sphere, steps between the tiles of the metal panel, the square around a puff.
#include <cstdlib>

#include "tests/unit/tools/committed_files.h"

namespace {

// Mean difference per channel between two columns (or two rows) of the picture.
double lineDifference(const committed::Picture& picture, bool columns, int a, int b) {
    const int length = columns ? picture.height() : picture.width();
    long sum = 0;
    for (int i = 0; i < length; ++i) {
        const committed::Rgba p = columns ? picture.at(a, i) : picture.at(i, a);
        const committed::Rgba q = columns ? picture.at(b, i) : picture.at(i, b);
        sum += std::abs(p.red - q.red) + std::abs(p.green - q.green) + std::abs(p.blue - q.blue);
    }
    return sum / (3.0 * length);
}

// The last column (or row) continues into the first as smoothly as neighbours continue each
// other; lines only two apart already differ by more than this allows.
void expectJoinsRoundTheEdge(const committed::Picture& picture, bool columns) {
    const int count = columns ? picture.width() : picture.height();
    ASSERT_GT(count, 2);
    double neighbours = 0;
    for (int i = 0; i + 1 < count; ++i) {
        neighbours += lineDifference(picture, columns, i, i + 1) / (count - 1);
    }
    EXPECT_LE(lineDifference(picture, columns, count - 1, 0), 1.25 * neighbours + 0.25)
        << (columns ? "left and right edges" : "top and bottom edges");
}

}  // namespace

TEST(picture_properties, SkyJoinsLeftToRight) {
    expectJoinsRoundTheEdge(committed::committedPicture("sky.bmp"), true);
}

TEST(picture_properties, MetalStripTilesBothWays) {
    const committed::Picture strip = committed::committedPicture("metal_strip.bmp");
    expectJoinsRoundTheEdge(strip, true);
    expectJoinsRoundTheEdge(strip, false);
}

// The scene adds the puff onto what lies behind it: black is no smoke at all.
TEST(picture_properties, PuffHasABlackBorder) {
    const committed::Picture puff = committed::committedPicture("puff.bmp");
    ASSERT_GT(puff.width(), 0);
    for (int y = 0; y < puff.height(); ++y) {
        for (int x = 0; x < puff.width(); ++x) {
            const bool border = x == 0 || y == 0 || x == puff.width() - 1 || y == puff.height() - 1;
            if (border) {
                EXPECT_EQ(puff.at(x, y), (committed::Rgba{0, 0, 0, 255})) << x << ", " << y;
            }
        }
    }
}
