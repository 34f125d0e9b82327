#pragma once
// Every picture file the saver carries and the recipe that draws it. A new picture is a recipe
// in its own file and one more line in the catalogue; the tool, the update target and the tests
// pick it up.
#include <span>
#include <string_view>
#include <vector>

#include "tools/pictures/picture.h"

namespace pictures {

struct PictureFile {
    std::string_view name;           // inside saver/resources
    std::vector<Picture> (*draw)();  // the picture, or each size of an icon
};

std::span<const PictureFile> builtInPictures();

// 32 x 32 soft, lumpy grey smoke on black. The scene adds it onto what lies behind, so black is
// no smoke and the border stays pure black.
Picture makePuffPicture();

// 512 x 512, wrapped round the inside of the scene's sky sphere: its left and right edges
// join, and its top and bottom rows (the poles) change only gently.
Picture makeSkyPicture();

// The Command button's looks, 64 x 25 each; the button draws only their 4-pixel rings.
Picture makeNormalSkinPicture();
Picture makeHighLightSkinPicture();
Picture makeSelectedSkinPicture();
Picture makePressedSkinPicture();
Picture makeDisableSkinPicture();

// 152 x 112, behind the control panel's preview: glowing panels on a deep blue ground.
Picture makePreviewBackPicture();

// 556 x 20 of brushed metal tiling the settings dialog's panel both ways, so opposite edges join.
Picture makeMetalStripPicture();

// The settings dialog's 12 x 12 check boxes: a white face sunk in a grey-blue frame, and the
// same holding a blue square.
Picture makeEmptyBoxPicture();
Picture makeCheckedBoxPicture();

// The window icon at 16 x 16 (title bars) and 32 x 32 (Alt+Tab): a white jet across a
// sky-blue rounded square on a transparent ground.
std::vector<Picture> makeWindowIconImages();

}  // namespace pictures
