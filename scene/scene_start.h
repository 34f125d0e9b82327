#pragma once
// Bringing the world to its start: textures, tables and the OpenGL state every frame relies
// on. Runs once, with the rendering context current and the model-view matrix the identity.
#include "scene/model/mesh_model.h"
#include "scene/textures.h"
#include "scene/world.h"

// The work-folder bitmaps the saver writes before it starts the scene program.
SnapshotPaths workFolderSnapshotPaths();

// False when none of the three bitmaps became a texture; the scene cannot start then, and no
// table or state has been touched. Otherwise the textures are made, and the world's tables, the
// model's own textures and the OpenGL state every frame relies on are set.
// `prepared`: the pictures read ahead, as loadSnapshotTextures takes them.
bool initScene(World& world, MeshModel& model, const SnapshotPaths& paths,
               PreparedPicture* prepared = nullptr);

// Releases the sky's display list that initScene made. Textures go with the context.
void releaseScene(World& world);
