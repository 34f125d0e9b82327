#include "tools/pictures/icon_catalogue.h"

#include "tools/pictures/window_icon.h"

namespace pictures {

std::span<const IconRecipe> builtInIcons() {
    static constexpr IconRecipe kRecipes[] = {
        {"soravane.ico", makeWindowIconImages},
    };
    return kRecipes;
}

}  // namespace pictures
