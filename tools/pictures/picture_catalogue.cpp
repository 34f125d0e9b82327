#include "tools/pictures/picture_catalogue.h"

#include "tools/pictures/puff_picture.h"
#include "tools/pictures/sky_picture.h"

namespace pictures {

std::span<const PictureRecipe> builtInPictures() {
    static constexpr PictureRecipe kRecipes[] = {
        {"puff.bmp", makePuffPicture},
        {"sky.bmp", makeSkyPicture},
    };
    return kRecipes;
}

}  // namespace pictures
