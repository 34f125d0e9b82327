#include "tools/pictures/picture_catalogue.h"

#include "tools/pictures/check_box_pictures.h"
#include "tools/pictures/metal_strip_picture.h"
#include "tools/pictures/preview_back_picture.h"
#include "tools/pictures/puff_picture.h"
#include "tools/pictures/skin_pictures.h"
#include "tools/pictures/sky_picture.h"

namespace pictures {

std::span<const PictureRecipe> builtInPictures() {
    static constexpr PictureRecipe kRecipes[] = {
        {"puff.bmp", makePuffPicture},
        {"sky.bmp", makeSkyPicture},
        {"skin_normal.bmp", makeNormalSkinPicture},
        {"skin_highlight.bmp", makeHighLightSkinPicture},
        {"skin_selected.bmp", makeSelectedSkinPicture},
        {"skin_pressed.bmp", makePressedSkinPicture},
        {"skin_disable.bmp", makeDisableSkinPicture},
        {"preview_back.bmp", makePreviewBackPicture},
        {"metal_strip.bmp", makeMetalStripPicture},
        {"box_empty.bmp", makeEmptyBoxPicture},
        {"box_checked.bmp", makeCheckedBoxPicture},
    };
    return kRecipes;
}

}  // namespace pictures
