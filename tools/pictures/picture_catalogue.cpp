#include "tools/pictures/picture_catalogue.h"

namespace pictures {
namespace {

template <Picture (*make)()>
std::vector<Picture> single() {
    return {make()};
}

}  // namespace

std::span<const PictureFile> builtInPictures() {
    static constexpr PictureFile kFiles[] = {
        {"puff.bmp", single<makePuffPicture>},
        {"sky.bmp", single<makeSkyPicture>},
        {"skin_normal.bmp", single<makeNormalSkinPicture>},
        {"skin_highlight.bmp", single<makeHighLightSkinPicture>},
        {"skin_selected.bmp", single<makeSelectedSkinPicture>},
        {"skin_pressed.bmp", single<makePressedSkinPicture>},
        {"skin_disable.bmp", single<makeDisableSkinPicture>},
        {"preview_back.bmp", single<makePreviewBackPicture>},
        {"metal_strip.bmp", single<makeMetalStripPicture>},
        {"box_empty.bmp", single<makeEmptyBoxPicture>},
        {"box_checked.bmp", single<makeCheckedBoxPicture>},
        {"soravane.ico", makeWindowIconImages},
    };
    return kFiles;
}

}  // namespace pictures
