#pragma once
// The built-in pictures rendered with the scene's own drawing code through Mesa. They are
// committed under saver/resources like the drawn pictures, but because a different Mesa could
// round a few pixels differently, they are checked against a fresh rendering with a tolerance
// rather than byte for byte.
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "tools/pictures/picture.h"

namespace scene_pictures {

struct ScenePictureInputs {
    std::filesystem::path resources;  // holds the committed sky.bmp and puff.bmp
    std::filesystem::path model;      // the jet model file
    std::filesystem::path scratch;    // an existing folder for intermediate files
};

struct ScenePictureRecipe {
    std::string_view fileName;  // inside saver/resources
    // Nothing when an input is missing or OpenGL cannot draw.
    std::optional<pictures::Picture> (*make)(const ScenePictureInputs& inputs);
};

std::span<const ScenePictureRecipe> scenePictures();

}  // namespace scene_pictures
