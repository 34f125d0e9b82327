#pragma once
// The jet model object: created once at program entry, loaded before any OpenGL context
// exists, given its material textures once the context is current, drawn once per frame.
#include "scene/model/model_data.h"

class MeshModel {
public:
    virtual ~MeshModel() = default;

    // Reads the model from `path`; false when the file cannot be read or is not a model.
    // A failed load leaves the model empty.
    virtual bool load(const char* path) = 0;

    // Draws every mesh under the current model-view matrix. Leaves GL_TEXTURE_2D enabled or
    // disabled as it found it.
    void draw() const;

    // Turns each material's texture file into a texture (0 when it cannot).
    void loadMaterialTextures();

    const ModelData& data() const { return data_; }

protected:
    ModelData data_;
};

class Ms3dModel final : public MeshModel {
public:
    bool load(const char* path) override;
};
