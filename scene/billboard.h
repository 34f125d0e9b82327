#pragma once
// Camera-facing, additively blended textured squares, for explosions and smoke, sent to OpenGL
// in one batch: the state is set once for all of them.
#include "scene/vector3.h"
#include "scene/world.h"

class BillboardBatch {
public:
    // Binds world.textures[textureSlot] and turns texturing and additive blending on and depth
    // writes off (the depth test stays on), for squares facing `eye`, which is taken at the
    // float precision of the world's positions.
    BillboardBatch(const World& world, int textureSlot, const Vector3& eye);
    // Afterwards texturing and blending are off and depth writes on; the current colour is
    // the last square's.
    ~BillboardBatch();
    BillboardBatch(const BillboardBatch&) = delete;
    BillboardBatch& operator=(const BillboardBatch&) = delete;

    // A square centred on `center` whose corners lie `size` away from it on the two axes
    // facing the eye, its texture modulated by the colour. A square whose side or up vector
    // has no length (the eye on the z-parallel line through the centre) is skipped.
    void add(Vector3 center, double size, float red, float green, float blue);

private:
    Vector3 eye_;
};
