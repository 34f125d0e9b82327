#include "saver/settings/command_skin_set.h"

#include <utility>

#include "saver/runtime/win32_handles.h"

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

bool CommandSkinSet::SetPicture(CommandSkin skin, HBITMAP bitmap) {
    PictureSurface& picture = pictures_[IndexOf(skin)];
    BITMAP size = {};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof size, &size) == 0 ||
        !picture.Resize(size.bmWidth, size.bmHeight)) {
        return false;
    }
    MemoryDc source(CreateCompatibleDC(picture.Dc()));
    if (source.get() == nullptr) {
        return false;
    }
    const HGDIOBJ original = SelectObject(source.get(), bitmap);
    const BOOL copied =
        BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), original);
    return copied != FALSE;
}

HDC CommandSkinSet::PictureDc(CommandSkin skin) const {
    return pictures_[IndexOf(skin)].Dc();
}
