#pragma once
// The six skin pictures that Command buttons draw from, each a 64 x 25 picture held in a
// device context ready to copy from. The program fills one set from its bitmap resources and
// hands it to every button; the set must outlive them. Keeping the resource ids with the
// program leaves the button free of them.
#include <windows.h>

#include <array>

#include "saver/dialog/button/command_skin.h"
#include "saver/runtime/picture_surface.h"

// Bitmap resource ids of the program's pictures. HighLightSelect is HighLight's picture.
struct CommandSkinResources {
    int normal = 0;
    int highLight = 0;
    int selected = 0;
    int pressed = 0;
    int disable = 0;
};

class CommandSkinSet {
public:
    CommandSkinSet() = default;
    CommandSkinSet(const CommandSkinSet&) = delete;
    CommandSkinSet& operator=(const CommandSkinSet&) = delete;

    // Every picture from the bitmap resources of `module`; false when any is missing (the
    // others are loaded all the same).
    bool LoadResources(HMODULE module, const CommandSkinResources& ids);

    // The picture's device context; null when the skin has no picture.
    HDC PictureDc(CommandSkin skin) const;

private:
    std::array<PictureSurface, kCommandSkinCount> pictures_;
};
