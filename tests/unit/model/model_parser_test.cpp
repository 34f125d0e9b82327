// The MS3D reader: what it takes from a well-formed file, and that it refuses, without
// reading outside the file, every file that does not hold what it claims.
#include <gtest/gtest.h>

#include <string_view>

#include "tests/unit/model/model_test_files.h"

namespace {

std::optional<ModelData> parse(const std::vector<uint8_t>& bytes) {
    // A copy of exactly this size, so that AddressSanitizer sees any read past its end.
    const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    return parseMs3d(exact);
}

// Whether `bytes` parse to exactly `model`: written again, the two give the same file.
bool parsesTo(const std::vector<uint8_t>& bytes, const ModelData& model) {
    const std::optional<ModelData> parsed = parse(bytes);
    return parsed && writeMs3d(*parsed) == writeMs3d(model);
}

TEST(Ms3dParser, ReadsEveryRecordTheSceneUses) {
    EXPECT_TRUE(parsesTo(writeMs3d(squareModel()), squareModel()));
    EXPECT_TRUE(parsesTo(writeMs3d(ModelData{}), ModelData{}));
}

TEST(Ms3dParser, CountsTextureTFromTheBottomAndKeepsS) {
    std::vector<uint8_t> bytes = writeMs3d(squareModel());
    const size_t triangle = Ms3dPositions(squareModel()).triangle(0);
    const float fileS[3] = {0.5f, -2.0f, 3.0f}, fileT[3] = {0.0f, 0.25f, 1.0f};
    for (size_t c = 0; c < 3; ++c) {
        putFloat(bytes, triangle + ms3d::kTriangleSOffset + 4 * c, fileS[c]);
        putFloat(bytes, triangle + ms3d::kTriangleTOffset + 4 * c, fileT[c]);
    }
    const std::optional<ModelData> parsed = parse(bytes);
    ASSERT_TRUE(parsed.has_value());
    const ModelTriangle& read = parsed->triangles[0];
    EXPECT_EQ(std::vector<float>(read.s, read.s + 3), std::vector<float>(fileS, fileS + 3));
    EXPECT_EQ(std::vector<float>(read.t, read.t + 3), (std::vector<float>{1.0f, 0.75f, 0.0f}));
}

TEST(Ms3dParser, TakesAnyNegativeMaterialByteAsNoMaterial) {
    for (const uint8_t byte : {uint8_t{0xFF}, uint8_t{0x80}}) {
        std::vector<uint8_t> bytes = writeMs3d(squareModel());
        bytes.at(Ms3dPositions(squareModel()).groupMaterial(0)) = byte;
        const std::optional<ModelData> parsed = parse(bytes);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->meshes[0].materialIndex, byte == 0xFF ? -1 : -128);
    }
}

TEST(Ms3dParser, AcceptsOnlyItsIdentifierAndVersionsThreeAndFour) {
    for (const int32_t version : {-1, 0, 2, 3, 4, 5, 0x7FFFFFFF}) {
        std::vector<uint8_t> bytes = writeMs3d(squareModel());
        putLittleEndian(bytes, ms3d::kIdentifier.size(), static_cast<uint32_t>(version), 4);
        EXPECT_EQ(parse(bytes).has_value(), version == 3 || version == 4) << version;
    }
    using namespace std::string_view_literals;
    for (const std::string_view identifier :
         {"MS3D000001"sv, "ms3d000000"sv, "BM\0\0\0\0\0\0\0\0"sv}) {
        std::vector<uint8_t> bytes = writeMs3d(squareModel());
        std::copy(identifier.begin(), identifier.end(), bytes.begin());
        EXPECT_FALSE(parse(bytes).has_value());
    }
}

TEST(Ms3dParser, IgnoresWhateverFollowsTheMaterials) {
    const std::vector<uint8_t> written = writeMs3d(squareModel());
    const size_t materialsEnd = Ms3dPositions(squareModel()).end();
    ASSERT_LT(materialsEnd, written.size());  // the writer adds an animation header
    std::vector<uint8_t> longAnimation = written;
    for (int i = 0; i < 5000; ++i) {
        longAnimation.push_back(static_cast<uint8_t>(i * 37));
    }
    const std::vector<uint8_t> bare(written.begin(), written.begin() + materialsEnd);
    EXPECT_TRUE(parsesTo(bare, squareModel()));
    EXPECT_TRUE(parsesTo(longAnimation, squareModel()));
    // Cut anywhere before the materials' end, in the header, a count or a record: refused.
    for (size_t length = 0; length < materialsEnd; ++length) {
        EXPECT_FALSE(parse({written.begin(), written.begin() + length}).has_value()) << length;
    }
}

TEST(Ms3dParser, RefusesCountsTheFileCannotHold) {
    const ModelData model = squareModel();
    const Ms3dPositions at(model);
    for (const size_t offset : {at.vertexCount(), at.triangleCount(), at.groupCount(),
                                at.materialCount(), at.group(2) + ms3d::kGroupCountOffset}) {
        std::vector<uint8_t> bytes = writeMs3d(model);
        putLittleEndian(bytes, offset, 0xFFFF, 2);
        EXPECT_FALSE(parse(bytes).has_value()) << "count at " << offset;
    }
    // One material more than written: the animation header is too short to be one.
    std::vector<uint8_t> bytes = writeMs3d(model);
    putLittleEndian(bytes, at.materialCount(), 3, 2);
    EXPECT_FALSE(parse(bytes).has_value());
}

TEST(Ms3dParser, RefusesIndicesOutsideTheirSections) {
    const auto parses = [](const ModelData& model) { return parse(writeMs3d(model)).has_value(); };
    ModelData model = squareModel();
    model.triangles[1].vertexIndices[2] = 3;  // the last vertex
    EXPECT_TRUE(parses(model));
    model.triangles[1].vertexIndices[2] = 4;
    EXPECT_FALSE(parses(model));

    model = squareModel();
    model.meshes[1].triangleIndices = {0, 2};
    EXPECT_FALSE(parses(model));

    for (const int32_t material : {2, 127}) {
        model = squareModel();
        model.meshes[2].materialIndex = material;
        EXPECT_FALSE(parses(model)) << material;
    }
}

TEST(Ms3dParser, NeedsATerminatorInTheTextureName) {
    std::vector<uint8_t> bytes = writeMs3d(squareModel());
    const auto name =
        bytes.begin() + static_cast<ptrdiff_t>(Ms3dPositions(squareModel()).material(0) +
                                               ms3d::kMaterialTextureOffset);
    std::fill_n(name, ms3d::kFileNameSize, 'a');
    EXPECT_FALSE(parse(bytes).has_value());
    name[ms3d::kFileNameSize - 1] = 0;
    const std::optional<ModelData> parsed = parse(bytes);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->materials[0].textureFile, std::string(ms3d::kFileNameSize - 1, 'a'));
}

}  // namespace
