#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/flight.h"
#include "scene/scene_drawing.h"

void placeCamera(World& world) {
    replaceEyeIfFar(world);
    const JetState& jet = world.jet;
    gluLookAt(world.eye.x, world.eye.y, world.eye.z, jet.x, jet.y, jet.z, 0, 1, 0);
}

void drawJet(World& world, const MeshModel& model) {
    JetState& jet = world.jet;
    glPushMatrix();
    glEnable(GL_LIGHTING);
    glTranslatef(jet.x, jet.y, jet.z);
    // Minus the heading maps the model's +z (its nose) onto the direction of flight.
    glRotatef(-jet.heading, 0, 1, 0);
    if (jet.turning == 1) {
        glRotatef(stepBank(jet), 0, 0, 1);
    }
    model.draw();
    glDisable(GL_LIGHTING);
    glPopMatrix();
}
