#pragma once
// The built-in pictures that show the scene itself, rendered offscreen through Mesa with the
// scene's own drawing code. They are committed under saver/resources like the drawn pictures.
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "tools/pictures/picture.h"

namespace scene_pictures {

struct ScenePictureInputs {
    std::filesystem::path resources;  // holds the committed sky.bmp and puff.bmp
    std::filesystem::path model;      // the jet model file
};

// Each is nothing when an input is missing or OpenGL cannot draw.

// 152 x 112, the control panel's preview: the scene's own start-up and frame code with the jet
// low over a desktop tiled as the ground, seen from behind and above, its smoke trail curving
// away behind it and a burst of rounds flashing red on the ground ahead.
std::optional<pictures::Picture> renderPreviewPicture(const ScenePictureInputs& inputs);

// 270 x 202, the settings dialog's photograph: the jet banking through a sunny sky with clouds,
// seen from a little below and ahead, as from a chase plane with a long lens.
std::optional<pictures::Picture> renderJetPhoto(const ScenePictureInputs& inputs);

struct ScenePictureRecipe {
    std::string_view fileName;  // inside saver/resources
    std::optional<pictures::Picture> (*render)(const ScenePictureInputs& inputs);
};

inline std::span<const ScenePictureRecipe> scenePictures() {
    static constexpr ScenePictureRecipe kRecipes[] = {
        {"preview.bmp", renderPreviewPicture},
        {"jet_photo.bmp", renderJetPhoto},
    };
    return kRecipes;
}

}  // namespace scene_pictures
