// libFuzzer entry point for the MS3D model reader: any byte string must be refused or parsed
// without a crash, a leak or a read outside the input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "scene/model/model_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const std::optional<ModelData> model = parseMs3d(std::span<const uint8_t>(data, size))) {
        // Whatever parses must be drawable: every index names an existing record.
        for (const ModelTriangle& triangle : model->triangles) {
            for (const int32_t index : triangle.vertexIndices) {
                if (index < 0 || static_cast<size_t>(index) >= model->vertices.size()) {
                    __builtin_trap();
                }
            }
        }
        for (const ModelMesh& mesh : model->meshes) {
            for (const int32_t index : mesh.triangleIndices) {
                if (index < 0 || static_cast<size_t>(index) >= model->triangles.size()) {
                    __builtin_trap();
                }
            }
            if (mesh.materialIndex >= static_cast<int32_t>(model->materials.size())) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
