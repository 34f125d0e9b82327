#pragma once
// Every built-in picture the saver carries, with the file it is stored in. A new picture is a
// new recipe file and one more line in the catalogue; the tool and the tests pick it up.
#include <span>
#include <string_view>

#include "tools/pictures/picture.h"

namespace pictures {

struct PictureRecipe {
    std::string_view fileName;  // inside saver/resources
    Picture (*make)();
};

std::span<const PictureRecipe> builtInPictures();

}  // namespace pictures
