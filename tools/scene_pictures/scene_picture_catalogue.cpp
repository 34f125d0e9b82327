#include "tools/scene_pictures/scene_picture_catalogue.h"

#include "tools/scene_pictures/jet_photo.h"
#include "tools/scene_pictures/preview_picture.h"

namespace scene_pictures {

std::span<const ScenePictureRecipe> scenePictures() {
    static constexpr ScenePictureRecipe kRecipes[] = {
        {"preview.bmp", renderPreviewPicture},
        {"jet_photo.bmp", renderJetPhoto},
    };
    return kRecipes;
}

}  // namespace scene_pictures
