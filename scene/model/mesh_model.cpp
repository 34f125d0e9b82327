// Immediate-mode drawing of the model and the creation of its material textures.
#include "scene/model/mesh_model.h"

#include <GL/gl.h>

#include "scene/textures.h"

namespace {

void applyMaterial(const ModelMaterial& material) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
    if (material.textureId != 0) {
        glBindTexture(GL_TEXTURE_2D, material.textureId);
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

}  // namespace

void MeshModel::draw() const {
    const bool wasTextured = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
    for (const ModelMesh& mesh : data_.meshes) {
        if (mesh.materialIndex >= 0) {
            applyMaterial(data_.materials[static_cast<size_t>(mesh.materialIndex)]);
        } else {
            // No material: the previous mesh's colours carry over, but never its texture.
            glDisable(GL_TEXTURE_2D);
        }
        glBegin(GL_TRIANGLES);
        for (const int32_t triangleIndex : mesh.triangleIndices) {
            const ModelTriangle& triangle = data_.triangles[static_cast<size_t>(triangleIndex)];
            for (int corner = 0; corner < 3; ++corner) {
                const ModelVertex& vertex =
                    data_.vertices[static_cast<size_t>(triangle.vertexIndices[corner])];
                glNormal3fv(triangle.normals[corner]);
                glTexCoord2f(triangle.s[corner], triangle.t[corner]);
                glVertex3fv(vertex.position);
            }
        }
        glEnd();
    }
    if (wasTextured) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void MeshModel::loadMaterialTextures() {
    for (ModelMaterial& material : data_.materials) {
        // The name is passed as the file gives it: a relative one resolves against the
        // program's current directory.
        material.textureId =
            material.textureFile.empty() ? 0 : loadBitmapTexture(material.textureFile.c_str());
    }
}
