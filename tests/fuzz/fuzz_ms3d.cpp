// libFuzzer entry point for the MS3D model reader: any byte string must be refused or parsed
// without a crash, a leak or a read outside the input, and whatever parses must be drawable:
// every index names an existing record.
#include <cstdlib>
#include <span>

#include "scene/model/model_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<ModelData> model = parseMs3d({data, size});
    const auto mustFit = [](int32_t index, size_t count) {
        if (index < 0 || static_cast<size_t>(index) >= count) {
            std::abort();
        }
    };
    for (size_t t = 0; model && t < model->triangles.size(); ++t) {
        for (const int32_t index : model->triangles[t].vertexIndices) {
            mustFit(index, model->vertices.size());
        }
    }
    for (size_t m = 0; model && m < model->meshes.size(); ++m) {
        for (const int32_t index : model->meshes[m].triangleIndices) {
            mustFit(index, model->triangles.size());
        }
        if (const int32_t material = model->meshes[m].materialIndex; material >= 0) {
            mustFit(material, model->materials.size());  // a negative one names none
        }
    }
    return 0;
}
