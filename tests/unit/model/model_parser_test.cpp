// The MS3D reader: what it takes from a well-formed file, and that it refuses, without
// reading outside the file, every file that does not hold what it claims.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tests/support/whole_files.h"
#include "tests/unit/model/model_test_files.h"

namespace {

using Bytes = std::vector<uint8_t>;
using namespace ms3d;

const ModelData kSquare = squareModel();
const Bytes kSquareFile = writeMs3d(kSquare);
// Where the writer puts the square's records: each section is a 16-bit count and its records.
const size_t kTriangle0 = kHeaderSize + 2 + 4 * kVertexSize + 2;
const size_t kGroup0 = kTriangle0 + 2 * kTriangleSize + 2;
const size_t kGroup1 = kGroup0 + kGroupFixedSize + 2 * 2;  // after two triangle indices
const size_t kGroup2 = kGroup1 + kGroupFixedSize + 2;
const size_t kMaterial0 = kGroup2 + kGroupFixedSize + 2;
const size_t kMaterialsEnd = kMaterial0 + 2 * kMaterialSize;

// Parses a fresh vector of exactly the first `length` bytes of `bytes`, so that
// AddressSanitizer sees any read past its end.
std::optional<ModelData> parse(const Bytes& bytes, size_t length = SIZE_MAX) {
    return parseMs3d(Bytes(bytes.begin(), bytes.begin() + std::min(length, bytes.size())));
}

// Whether `bytes` parse to exactly `model`: written again, the two give the same file.
bool parsesTo(const Bytes& bytes, const ModelData& model, size_t length = SIZE_MAX) {
    const std::optional<ModelData> parsed = parse(bytes, length);
    return parsed && writeMs3d(*parsed) == writeMs3d(model);
}

TEST(Ms3dParser, ReadsEveryRecordAndIgnoresWhatFollowsTheMaterials) {
    EXPECT_TRUE(parsesTo(writeMs3d(ModelData{}), ModelData{}));
    ASSERT_LT(kMaterialsEnd, kSquareFile.size());  // the writer adds an animation header
    EXPECT_TRUE(parsesTo(kSquareFile, kSquare));
    EXPECT_TRUE(parsesTo(kSquareFile, kSquare, kMaterialsEnd));
    Bytes longAnimation = kSquareFile;
    longAnimation.resize(longAnimation.size() + 5000, 0xA5);
    EXPECT_TRUE(parsesTo(longAnimation, kSquare));
    // Cut anywhere before the materials' end, in the header, a count or a record: refused.
    for (size_t length = 0; length < kMaterialsEnd; ++length) {
        EXPECT_FALSE(parse(kSquareFile, length)) << length;
    }
}

TEST(Ms3dParser, ParsesOnlyWhatAPatchedFileStillHolds) {
    const size_t lastIndex = kTriangle0 + kTriangleSize + kTriangleIndicesOffset + 4;
    // What is patched, at which offset, with which bytes, and whether the file still parses.
    const std::tuple<const char*, size_t, Bytes, bool> patches[] = {
        {"version 3", 10, {3, 0, 0, 0}, true},
        {"version 2", 10, {2, 0, 0, 0}, false},
        {"version 5", 10, {5, 0, 0, 0}, false},
        {"identifier digit", 9, {'1'}, false},
        {"identifier case", 0, {'m'}, false},
        {"vertex count", kHeaderSize, {0xFF, 0xFF}, false},
        {"one material more", kMaterial0 - 2, {3, 0}, false},  // the animation header is short
        {"index count", kGroup2 + kGroupCountOffset, {0xFF, 0xFF}, false},
        {"the last vertex", lastIndex, {3, 0}, true},
        {"vertex past the last", lastIndex, {4, 0}, false},
        {"triangle past the last", kGroup1 + kGroupCountOffset + 2, {2, 0}, false},
        {"material past the last", kMaterial0 - 3, {2}, false},
        {"material -128 for none", kMaterial0 - 3, {0x80}, true},
        {"texture name without end", kMaterial0 + kMaterialTextureOffset, Bytes(128, 'a'), false},
        {"texture name of 127", kMaterial0 + kMaterialTextureOffset, Bytes(127, 'a'), true},
    };
    for (const auto& [name, offset, patch, parses] : patches) {
        Bytes bytes = kSquareFile;
        std::copy(patch.begin(), patch.end(), bytes.begin() + static_cast<ptrdiff_t>(offset));
        EXPECT_EQ(parse(bytes).has_value(), parses) << name;
    }
}

// MS3D files made by MilkShape 3D and other tools (the assimp project's test models, from
// Debian's assimp-testmodels package) are read in full; jeep1's readme speaks of its 2032
// polygons.
TEST(Ms3dParser, ReadsEveryRecordOfFilesMadeByOtherTools) {
    const std::tuple<const char*, size_t, size_t, size_t, size_t> files[] = {
        {"Wuson", 2117, 3732, 1, 0},
        {"jeep1", 1190, 2032, 7, 1},
        {"twospheres", 124, 240, 2, 0},
        {"twospheres_withmats", 124, 240, 2, 2}};
    for (const auto& [name, vertices, triangles, groups, materials] : files) {
        const std::string path = std::string("/usr/share/assimp/models/MS3D/") + name + ".ms3d";
        const std::string file = readWholeFile(path);
        const std::optional<ModelData> model = parse(Bytes(file.begin(), file.end()));
        ASSERT_TRUE(model.has_value()) << path << " (package assimp-testmodels)";
        EXPECT_EQ(std::tuple(model->vertices.size(), model->triangles.size(), model->meshes.size(),
                             model->materials.size()),
                  std::tuple(vertices, triangles, groups, materials))
            << name;
    }
}

}  // namespace
