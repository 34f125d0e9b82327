#pragma once
// What the tests of the rendered pictures share: the committed inputs, a model that draws no
// jet, and the region where two renderings differ.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "scene/model/mesh_model.h"
#include "tests/support/temp_folder.h"
#include "tools/pictures/rgb_picture.h"
#include "tools/scene_pictures/scene_picture_catalogue.h"

namespace picture_test {

// The inputs the committed pictures were rendered from, with a scratch folder of the test's.
inline scene_pictures::ScenePictureInputs committedSceneInputs(const TempFolder& scratch) {
    const std::filesystem::path source = SORAVANE_SOURCE_DIR;
    return {source / "saver" / "resources", source / "data" / "Soravane.data",
            std::filesystem::path(scratch.file(""))};
}

// A model without a single mesh: the scene around the jet, without the jet.
class NoJetModel final : public MeshModel {
public:
    bool load(const char*) override { return true; }
};

struct Region {
    int left = 0;
    int top = 0;
    int right = -1;  // inclusive; right < left when nothing differs
    int bottom = -1;
    int pixels = 0;

    bool empty() const { return right < left; }
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
};

// Where the two pictures differ by more than a faint rounding difference.
inline Region differingRegion(const pictures::RgbPicture& a, const pictures::RgbPicture& b) {
    Region region{a.width(), a.height(), -1, -1, 0};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const pictures::Rgb p = a.at(x, y);
            const pictures::Rgb q = b.at(x, y);
            const int difference =
                std::abs(p.red - q.red) + std::abs(p.green - q.green) + std::abs(p.blue - q.blue);
            if (difference > 12) {
                region.left = std::min(region.left, x);
                region.right = std::max(region.right, x);
                region.top = std::min(region.top, y);
                region.bottom = std::max(region.bottom, y);
                ++region.pixels;
            }
        }
    }
    return region;
}

}  // namespace picture_test
