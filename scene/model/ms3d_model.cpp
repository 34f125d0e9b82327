// Loading the jet model from an MS3D file on disk.
#include <cstdint>
#include <exception>
#include <fstream>
#include <optional>
#include <vector>

#include "scene/model/mesh_model.h"

namespace {

// The whole file, or nothing when it cannot be opened or read. Opening for input alone never
// creates a missing file. The file is read to its end rather than sized first: a folder or a
// device opens but has no meaningful size.
std::optional<std::vector<uint8_t>> readWholeFile(const char* path) {
    std::ifstream stream(path, std::ios::in | std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    char chunk[64 * 1024];
    do {
        stream.read(chunk, sizeof chunk);
        bytes.insert(bytes.end(), chunk, chunk + stream.gcount());
    } while (stream);
    if (stream.bad() || !stream.eof()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

bool Ms3dModel::load(const char* path) {
    try {
        std::optional<ModelData> model;
        if (path != nullptr) {
            if (const std::optional<std::vector<uint8_t>> file = readWholeFile(path)) {
                model = parseMs3d(*file);
            }
        }
        if (!model) {
            data_ = {};
            return false;
        }
        data_ = std::move(*model);
        // No rendering context exists yet when the program loads its model, so this gives
        // every material texture 0; the scene start-up calls it again once one is current.
        loadMaterialTextures();
        return true;
    } catch (const std::exception&) {
        // Out of memory (or a file too large to hold): the model stays empty.
        data_ = {};
        return false;
    }
}
