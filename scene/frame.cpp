#include "scene/frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/flight.h"
#include "scene/gunfire.h"
#include "scene/scene_drawing.h"
#include "scene/smoke.h"

int renderFrame(World& world, const MeshModel& model) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    placeCamera(world);
    drawSky(world);
    scheduleGunfire(world);
    drawGround(world);
    flyJet(world);
    drawJet(world, model);
    emitSmoke(world);
    updateSmoke(world);
    updateBullets(world);
    return 1;
}

void resizeScene(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, static_cast<double>(width) / height, 0.1, 2000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
