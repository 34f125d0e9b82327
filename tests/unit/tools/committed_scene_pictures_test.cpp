// The pictures rendered from the scene through Mesa are generated files too: the committed ones
// must still be what a fresh rendering gives.
#include <optional>

#include "tests/unit/tools/committed_files.h"
#include "tools/pictures/picture_files.h"
#include "tools/scene_pictures/scene_pictures.h"

TEST(committed_files, ScenePicturesMatchAFreshRendering) {
    const std::filesystem::path source = SORAVANE_SOURCE_DIR;
    const scene_pictures::ScenePictureInputs inputs{source / "saver" / "resources",
                                                    source / "data" / "Soravane.data"};
    for (const scene_pictures::ScenePictureRecipe& recipe : scene_pictures::scenePictures()) {
        const std::optional<pictures::Picture> fresh = recipe.render(inputs);
        ASSERT_TRUE(fresh.has_value()) << recipe.fileName << " cannot be rendered";
        committed::expectCommittedPicturesMatch(std::string(recipe.fileName),
                                                pictures::encodeBmp(*fresh));
    }
}
