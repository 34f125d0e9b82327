#include "saver/dialog/button/command_skin_set.h"

#include <utility>

namespace {

std::size_t IndexOf(CommandSkin skin) {
    return static_cast<std::size_t>(skin);
}

}  // namespace

bool CommandSkinSet::LoadResources(HMODULE module, const CommandSkinResources& ids) {
    const std::pair<CommandSkin, int> sources[] = {
        {CommandSkin::Normal, ids.normal},
        {CommandSkin::HighLight, ids.highLight},
        {CommandSkin::HighLightSelect, ids.highLight},
        {CommandSkin::Selected, ids.selected},
        {CommandSkin::Pressed, ids.pressed},
        {CommandSkin::Disable, ids.disable},
    };
    bool allLoaded = true;
    for (const auto& [skin, id] : sources) {
        allLoaded = pictures_[IndexOf(skin)].LoadBitmapResource(module, id) && allLoaded;
    }
    return allLoaded;
}

HDC CommandSkinSet::PictureDc(CommandSkin skin) const {
    return pictures_[IndexOf(skin)].Dc();
}
