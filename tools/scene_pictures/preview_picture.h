#pragma once
// The control panel's preview: 152 x 112 pixels of the scene itself, the jet flying low over a
// desktop tiled as the ground, seen from behind and above, its smoke trail curving away behind
// it and a burst of rounds flashing red on the ground ahead, the cloudy sky above.
#include <optional>

#include "scene/model/mesh_model.h"
#include "tools/pictures/picture.h"
#include "tools/scene_pictures/scene_picture_catalogue.h"

namespace scene_pictures {

std::optional<pictures::Picture> renderPreviewPicture(const ScenePictureInputs& inputs);

// The same picture with the jet drawn by `model`, already loaded; the world, the camera and
// the flight do not depend on the model.
std::optional<pictures::Picture> renderPreviewWithModel(MeshModel& model,
                                                        const ScenePictureInputs& inputs);

}  // namespace scene_pictures
