// make_pictures <folder>: writes every built-in picture of the saver into the folder as a BMP
// file, and every icon as an ICO file. The results are committed under saver/resources; unit
// tests regenerate them and fail when the committed files are stale.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/pictures/bmp_writer.h"
#include "tools/pictures/ico_writer.h"
#include "tools/pictures/icon_catalogue.h"
#include "tools/pictures/picture_catalogue.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    int failures = 0;
    for (const pictures::PictureRecipe& recipe : pictures::builtInPictures()) {
        const std::filesystem::path path = folder / recipe.fileName;
        if (pictures::writeBmpFile(path, recipe.make())) {
            std::printf("wrote %s\n", path.string().c_str());
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ++failures;
        }
    }
    for (const pictures::IconRecipe& recipe : pictures::builtInIcons()) {
        const std::filesystem::path path = folder / recipe.fileName;
        if (pictures::writeIcoFile(path, recipe.make())) {
            std::printf("wrote %s\n", path.string().c_str());
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
