// The MS3D reader: what it takes from a well-formed file, and that it refuses, without
// reading outside the file, every file that does not hold what it claims.
#include <gtest/gtest.h>

#include "tests/unit/model/model_test_files.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::optional<ModelData> parse(const Bytes& bytes) {
    // A copy of exactly this size, so that AddressSanitizer sees any read past its end.
    return parseMs3d(Bytes(bytes.begin(), bytes.end()));
}

// Whether `bytes` parse to exactly `model`: written again, the two give the same file.
bool parsesTo(const Bytes& bytes, const ModelData& model) {
    const std::optional<ModelData> parsed = parse(bytes);
    return parsed && writeMs3d(*parsed) == writeMs3d(model);
}

const ModelData kSquare = squareModel();
const Ms3dPositions kAt(kSquare);
const Bytes kSquareFile = writeMs3d(kSquare);

TEST(Ms3dParser, ReadsEveryRecordAndIgnoresWhatFollowsTheMaterials) {
    EXPECT_TRUE(parsesTo(kSquareFile, kSquare));
    EXPECT_TRUE(parsesTo(writeMs3d(ModelData{}), ModelData{}));
    ASSERT_LT(kAt.end(), kSquareFile.size());  // the writer adds an animation header
    EXPECT_TRUE(parsesTo(Bytes(kSquareFile.begin(), kSquareFile.begin() + kAt.end()), kSquare));
    Bytes longAnimation = kSquareFile;
    longAnimation.resize(longAnimation.size() + 5000, 0xA5);
    EXPECT_TRUE(parsesTo(longAnimation, kSquare));
    // Cut anywhere before the materials' end, in the header, a count or a record: refused.
    for (size_t length = 0; length < kAt.end(); ++length) {
        EXPECT_FALSE(parse(Bytes(kSquareFile.begin(), kSquareFile.begin() + length))) << length;
    }
}

TEST(Ms3dParser, CountsTextureTFromTheBottomAndKeepsS) {
    Bytes bytes = kSquareFile;
    const float fileS[3] = {0.5f, -2.0f, 3.0f}, fileT[3] = {0.0f, 0.25f, 1.0f};
    for (size_t c = 0; c < 3; ++c) {
        putFloat(bytes, kAt.triangle(0) + ms3d::kTriangleSOffset + 4 * c, fileS[c]);
        putFloat(bytes, kAt.triangle(0) + ms3d::kTriangleTOffset + 4 * c, fileT[c]);
    }
    const std::optional<ModelData> parsed = parse(bytes);
    ASSERT_TRUE(parsed.has_value());
    const ModelTriangle& read = parsed->triangles[0];
    EXPECT_EQ(std::vector<float>(read.s, read.s + 3), std::vector<float>(fileS, fileS + 3));
    EXPECT_EQ(std::vector<float>(read.t, read.t + 3), (std::vector<float>{1.0f, 0.75f, 0.0f}));
}

Bytes littleEndian(uint32_t value, size_t size) {
    Bytes bytes;
    for (size_t i = 0; i < size; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    return bytes;
}

struct Patch {
    const char* name;
    size_t offset;
    Bytes bytes;
    bool parses;
};

const Patch kPatches[] = {
    {"version 3", 10, littleEndian(3, 4), true},
    {"version 2", 10, littleEndian(2, 4), false},
    {"version 5", 10, littleEndian(5, 4), false},
    {"version -1", 10, littleEndian(0xFFFFFFFF, 4), false},
    {"identifier digit", 9, {'1'}, false},
    {"identifier case", 0, {'m'}, false},
    {"vertex count", kAt.vertexCount(), littleEndian(0xFFFF, 2), false},
    {"triangle count", kAt.triangleCount(), littleEndian(0xFFFF, 2), false},
    {"group count", kAt.groupCount(), littleEndian(0xFFFF, 2), false},
    {"material count", kAt.materialCount(), littleEndian(0xFFFF, 2), false},
    {"one material more", kAt.materialCount(), littleEndian(3, 2), false},  // animation short
    {"index count", kAt.group(2) + ms3d::kGroupCountOffset, littleEndian(0xFFFF, 2), false},
    {"the last vertex", kAt.triangle(1) + ms3d::kTriangleIndicesOffset + 4, {3, 0}, true},
    {"vertex past the last", kAt.triangle(1) + ms3d::kTriangleIndicesOffset + 4, {4, 0}, false},
    {"triangle past the last", kAt.group(1) + ms3d::kGroupCountOffset + 2, {2, 0}, false},
    {"material past the last", kAt.groupMaterial(2), {2}, false},
    {"material 127", kAt.groupMaterial(2), {127}, false},
    {"material -128 for none", kAt.groupMaterial(2), {0x80}, true},
    {"texture name without end", kAt.material(0) + ms3d::kMaterialTextureOffset, Bytes(128, 'a'),
     false},
    {"texture name of 127", kAt.material(0) + ms3d::kMaterialTextureOffset, Bytes(127, 'a'), true},
};

class Ms3dPatch : public testing::TestWithParam<Patch> {};

TEST_P(Ms3dPatch, ParsesOnlyWhatTheFileHolds) {
    Bytes bytes = kSquareFile;
    std::copy(GetParam().bytes.begin(), GetParam().bytes.end(),
              bytes.begin() + static_cast<ptrdiff_t>(GetParam().offset));
    EXPECT_EQ(parse(bytes).has_value(), GetParam().parses);
}

INSTANTIATE_TEST_SUITE_P(Files, Ms3dPatch, testing::ValuesIn(kPatches), [](const auto& info) {
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

}  // namespace
