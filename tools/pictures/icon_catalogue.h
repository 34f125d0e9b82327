#pragma once
// Every icon file the saver carries. Like the picture catalogue: a new icon is a recipe and one
// more line here; the tool and the tests pick it up.
#include <span>
#include <string_view>
#include <vector>

#include "tools/pictures/picture.h"

namespace pictures {

struct IconRecipe {
    std::string_view fileName;  // inside saver/resources
    std::vector<Picture> (*make)();
};

std::span<const IconRecipe> builtInIcons();

}  // namespace pictures
