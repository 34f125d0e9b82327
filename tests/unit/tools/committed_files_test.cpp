// The drawn pictures and the jet model are generated files: the committed ones must still be
// what the generators make today.
#include <cmath>
#include <optional>

#include "tests/unit/tools/committed_files.h"
#include "tools/jet_model/jet_design.h"
#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_files.h"

namespace {

// Every number the scene reads from a model, in the file's order.
std::vector<double> numbersOf(const ModelData& model) {
    std::vector<double> numbers;
    const auto add = [&](const auto&... values) {
        (numbers.push_back(static_cast<double>(values)), ...);
    };
    const auto addAll = [&](const auto& values) {
        numbers.insert(numbers.end(), std::begin(values), std::end(values));
    };
    add(model.vertices.size(), model.triangles.size(), model.meshes.size(), model.materials.size());
    for (const ModelVertex& vertex : model.vertices) {
        add(vertex.boneIndex);
        addAll(vertex.position);
    }
    for (const ModelTriangle& triangle : model.triangles) {
        for (const auto& normal : triangle.normals) {
            addAll(normal);
        }
        addAll(triangle.s);
        addAll(triangle.t);
        addAll(triangle.vertexIndices);
    }
    for (const ModelMesh& mesh : model.meshes) {
        add(mesh.materialIndex, mesh.triangleIndices.size());
        addAll(mesh.triangleIndices);
    }
    for (const ModelMaterial& material : model.materials) {
        addAll(material.ambient);
        addAll(material.diffuse);
        addAll(material.specular);
        addAll(material.emissive);
        add(material.shininess, material.textureFile.size());
    }
    return numbers;
}

}  // namespace

TEST(committed_files, PicturesMatchAFreshDrawing) {
    for (const pictures::PictureFile& file : pictures::builtInPictures()) {
        committed::expectCommittedPicturesMatch(
            std::string(file.name), pictures::encodePictureFile(file.name, file.draw()));
    }
}

// By content rather than byte for byte, its numbers within 1e-5: the generator's arithmetic is
// not pinned to one rounding, and the scene reads nothing else (the names are for modelling
// tools).
TEST(committed_files, JetModelMatchesAFreshBuild) {
    const NamedModel jet = buildJetModel();
    const std::optional<ModelData> fresh = parseMs3d(writeMs3d(jet.model, jet.names));
    const std::optional<ModelData> committed = parseMs3d(committed::readFile("data/Soravane.data"));
    ASSERT_TRUE(fresh.has_value());
    ASSERT_TRUE(committed.has_value()) << "data/Soravane.data is missing or unreadable";
    const std::vector<double> expected = numbersOf(*fresh);
    const std::vector<double> actual = numbersOf(*committed);
    ASSERT_EQ(actual.size(), expected.size()) << "data/Soravane.data is stale";
    int differing = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        differing += std::fabs(actual[i] - expected[i]) > 1e-5;
    }
    EXPECT_EQ(differing, 0) << "data/Soravane.data is stale: run the update_jet_model target";
}
