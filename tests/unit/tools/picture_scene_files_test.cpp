// The committed pictures rendered through Mesa must still be what a fresh rendering gives.
// Unlike the drawn pictures they are compared with a tolerance: another Mesa version may round
// a few pixels of the rasterised jet, the filtered textures or the blended smoke differently,
// and that is no reason to fail. A changed recipe, camera, model or input picture moves far more
// than the tolerance allows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/unit/tools/picture_committed.h"
#include "tests/unit/tools/picture_scene_rendering.h"

namespace {

struct Comparison {
    double meanDifference = 0.0;  // per channel, in levels of 255
    double shareFarOff = 0.0;     // pixels off by more than 32 levels in some channel
};

Comparison compare(const pictures::RgbPicture& a, const pictures::RgbPicture& b) {
    long total = 0;
    int farOff = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const pictures::Rgb p = a.at(x, y);
            const pictures::Rgb q = b.at(x, y);
            const int red = std::abs(p.red - q.red);
            const int green = std::abs(p.green - q.green);
            const int blue = std::abs(p.blue - q.blue);
            total += red + green + blue;
            farOff += red > 32 || green > 32 || blue > 32;
        }
    }
    const double pixels = static_cast<double>(a.width()) * a.height();
    return {total / (3.0 * pixels), farOff / pixels};
}

}  // namespace

TEST(picture_scene_files, CommittedRenderingsMatchAFreshRendering) {
    TempFolder scratch;
    ASSERT_FALSE(scene_pictures::scenePictures().empty());
    for (const scene_pictures::ScenePictureRecipe& recipe : scene_pictures::scenePictures()) {
        const std::string name(recipe.fileName);
        const std::optional<pictures::RgbPicture> fresh =
            recipe.make(picture_test::committedSceneInputs(scratch));
        ASSERT_TRUE(fresh.has_value()) << name << " could not be rendered";
        const pictures::RgbPicture committed = picture_test::committedPicture(name.c_str());
        ASSERT_EQ(committed.width(), fresh->width()) << name;
        ASSERT_EQ(committed.height(), fresh->height()) << name;
        const Comparison comparison = compare(committed, *fresh);
        EXPECT_LT(comparison.meanDifference, 0.5)
            << "saver/resources/" << name
            << " is stale; render it again with the update_scene_pictures target";
        EXPECT_LT(comparison.shareFarOff, 0.005) << name;
    }
}

TEST(picture_scene_files, MissingInputsAreReportedNotRendered) {
    TempFolder scratch;
    scene_pictures::ScenePictureInputs inputs = picture_test::committedSceneInputs(scratch);
    inputs.model = inputs.resources / "no_such_model.data";
    for (const scene_pictures::ScenePictureRecipe& recipe : scene_pictures::scenePictures()) {
        EXPECT_FALSE(recipe.make(inputs).has_value()) << recipe.fileName;
    }
}
