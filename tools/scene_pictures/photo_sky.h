#pragma once
// The sky behind the photographed jet: the same sky and clouds the scene flies under, painted
// by direction at the photograph's own resolution, so the long lens shows crisp clouds rather
// than the magnified pixels of the scene's sky picture.
#include "tools/pictures/picture.h"
#include "tools/scene_pictures/photo_camera.h"

namespace scene_pictures {

pictures::Picture paintPhotoSky(const PhotoCamera& camera);

}  // namespace scene_pictures
