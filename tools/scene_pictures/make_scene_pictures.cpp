// make_scene_pictures <resources folder> <model file>: renders the built-in pictures that show
// the scene itself, reading the sky and smoke pictures from the resources folder and writing
// the results there as BMP files.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "tools/file_bytes.h"
#include "tools/pictures/picture_files.h"
#include "tools/scene_pictures/scene_pictures.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_scene_pictures <resources folder> <model file>\n");
        return 2;
    }
    const scene_pictures::ScenePictureInputs inputs{argv[1], argv[2]};

    int failures = 0;
    for (const scene_pictures::ScenePictureRecipe& recipe : scene_pictures::scenePictures()) {
        const std::filesystem::path path = inputs.resources / recipe.fileName;
        const std::optional<pictures::Picture> picture = recipe.render(inputs);
        if (picture && tools::writeFileBytes(path, pictures::encodeBmp(*picture))) {
            std::printf("wrote %s\n", path.string().c_str());
        } else {
            std::fprintf(stderr, "cannot render %s\n", path.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
