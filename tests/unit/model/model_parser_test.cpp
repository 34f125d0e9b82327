// The MS3D reader: what it takes from a well-formed file, and that it refuses, without
// reading outside the file, every file that does not hold what it claims.
#include <gtest/gtest.h>

#include <tuple>

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
void PrintTo(const Patch& patch, std::ostream* out) {
    *out << patch.name;
}

const Patch kPatches[] = {
    {"version 3", 10, littleEndian(3, 4), true},
    {"version 2", 10, littleEndian(2, 4), false},
    {"version 5", 10, littleEndian(5, 4), false},
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

Bytes patched(Bytes bytes, size_t offset, const Bytes& patch) {
    std::copy(patch.begin(), patch.end(), bytes.begin() + static_cast<ptrdiff_t>(offset));
    return bytes;
}

TEST_P(Ms3dPatch, ParsesOnlyWhatTheFileHolds) {
    EXPECT_EQ(parse(patched(kSquareFile, GetParam().offset, GetParam().bytes)).has_value(),
              GetParam().parses);
}

INSTANTIATE_TEST_SUITE_P(Files, Ms3dPatch, testing::ValuesIn(kPatches));

// MS3D files made by MilkShape 3D and other tools (the assimp project's test models, from
// Debian's assimp-testmodels package) are read in full.
struct SampleFile {
    const char* name;
    size_t vertices, triangles, groups, materials;
};

// jeep1's readme speaks of its 2032 polygons.
const SampleFile kSampleFiles[] = {
    {"Wuson", 2117, 3732, 1, 0},
    {"jeep1", 1190, 2032, 7, 1},
    {"twospheres", 124, 240, 2, 0},
    {"twospheres_withmats", 124, 240, 2, 2},
};

class SampleMs3dFile : public testing::TestWithParam<SampleFile> {};

TEST_P(SampleMs3dFile, ReadsEveryRecord) {
    const SampleFile& file = GetParam();
    const std::string path = std::string("/usr/share/assimp/models/MS3D/") + file.name + ".ms3d";
    const std::optional<ModelData> model = parseMs3d(readFileBytes(path));
    ASSERT_TRUE(model.has_value()) << path << " (package assimp-testmodels)";
    EXPECT_EQ(std::tuple(model->vertices.size(), model->triangles.size(), model->meshes.size(),
                         model->materials.size()),
              std::tuple(file.vertices, file.triangles, file.groups, file.materials));
    // Modelling tools store unit normals; misread records would not give them.
    for (const ModelTriangle& triangle : model->triangles) {
        for (const auto& n : triangle.normals) {
            EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0, 0.02);
        }
    }
    if (file.name == std::string("jeep1")) {
        EXPECT_EQ(model->materials[0].textureFile, ".\\jeep1.jpg");
    }
}

INSTANTIATE_TEST_SUITE_P(AssimpTestModels, SampleMs3dFile, testing::ValuesIn(kSampleFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
