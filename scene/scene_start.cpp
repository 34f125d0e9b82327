#include "scene/scene_start.h"

#include <GL/gl.h>

#include "contract/work_folder.h"
#include "scene/scene_reset.h"
#include "scene/sky_dome.h"

namespace {

void startWorld(World& world, MeshModel& model) {
    // Set while the model-view matrix is the identity: the light stays at this place relative
    // to the eye for the whole run.
    const GLfloat lightPosition[4] = {1, 140, 1, 1};

    resetBullets(world);
    resetGround(world);
    resetJet(world);
    resetSmoke(world);
    model.loadMaterialTextures();

    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glEnable(GL_LIGHT0);  // lighting itself is enabled only around the jet

    world.skyDomeList = buildSkyDome();
}

}  // namespace

SnapshotPaths workFolderSnapshotPaths() {
    return {contract::kSkyBitmapPath, contract::kGroundBitmapPath, contract::kSmokeBitmapPath};
}

bool initScene(World& world, MeshModel& model, const SnapshotPaths& paths,
               PreparedPicture* prepared) {
    if (!loadSnapshotTextures(world, paths, prepared)) {
        return false;
    }
    startWorld(world, model);
    return true;
}

void releaseScene(World& world) {
    deleteSkyDome(world.skyDomeList);
    world.skyDomeList = 0;
}
