#pragma once
// The settings dialog's photograph: 270 x 202 pixels of the jet banking through a sunny sky
// with clouds, seen from a little below and ahead, as from a chase plane with a long lens.
#include <optional>

#include "scene/model/mesh_model.h"
#include "tools/pictures/picture.h"
#include "tools/scene_pictures/scene_picture_catalogue.h"

namespace scene_pictures {

std::optional<pictures::Picture> renderJetPhoto(const ScenePictureInputs& inputs);

// The same photograph of the jet drawn by `model`, already loaded.
std::optional<pictures::Picture> renderJetPhotoWithModel(MeshModel& model);

}  // namespace scene_pictures
