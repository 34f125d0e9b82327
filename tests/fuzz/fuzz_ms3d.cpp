// libFuzzer entry point for the MS3D model reader: any byte string must be refused or parsed
// without a crash, a leak or a read outside the input.
#include <cstdlib>
#include <span>

#include "scene/model/model_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Whatever parses must be drawable: every index names an existing record.
    const auto fits = [](int32_t index, size_t count) {
        return index >= 0 && static_cast<size_t>(index) < count;
    };
    if (const std::optional<ModelData> model = parseMs3d({data, size})) {
        bool drawable = true;
        for (const ModelTriangle& triangle : model->triangles) {
            for (const int32_t index : triangle.vertexIndices) {
                drawable = drawable && fits(index, model->vertices.size());
            }
        }
        for (const ModelMesh& mesh : model->meshes) {
            for (const int32_t index : mesh.triangleIndices) {
                drawable = drawable && fits(index, model->triangles.size());
            }
            drawable = drawable && (mesh.materialIndex < 0 ||
                                    fits(mesh.materialIndex, model->materials.size()));
        }
        if (!drawable) {
            std::abort();
        }
    }
    return 0;
}
