// Writes the jet model file that ships beside the saver (data/Soravane.data).
// Usage: jet_model OUTPUT_FILE
#include <cstdio>

#include "tools/file_bytes.h"
#include "tools/jet_model/jet_design.h"
#include "tools/jet_model/ms3d_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
        return 2;
    }
    const NamedModel jet = buildJetModel();
    const std::vector<uint8_t> bytes = writeMs3d(jet.model, jet.names);
    if (bytes.empty()) {
        std::fprintf(stderr, "the jet does not fit the MS3D format\n");
        return 1;
    }
    if (!tools::writeFileBytes(argv[1], bytes)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %zu vertices, %zu triangles, %zu groups, %zu materials, %zu bytes\n", argv[1],
                jet.model.vertices.size(), jet.model.triangles.size(), jet.model.meshes.size(),
                jet.model.materials.size(), bytes.size());
    return 0;
}
