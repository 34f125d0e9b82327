#pragma once
// Writes a model as an MS3D version 4 file: the four sections the scene reads, then the
// format's animation header with no joints, so that modelling tools open it too. The writer
// checks only that each value fits its field: the tests also use it to make files that the
// reader has to refuse.
#include <cstdint>
#include <string>
#include <vector>

#include "scene/model/model_data.h"

// Names the scene does not read but modelling tools show; missing ones are written empty.
struct Ms3dNames {
    std::vector<std::string> groups;
    std::vector<std::string> materials;
};

// The file's bytes; empty when something does not fit its field (more than 65535 records in
// a section, an index outside 16 bits, a material index outside -128..127, a name of 32 or a
// texture name of 128 characters or more). `t` is written as 1 minus the model's value, the
// inverse of what the reader does.
std::vector<uint8_t> writeMs3d(const ModelData& model, const Ms3dNames& names = {});
