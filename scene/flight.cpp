#include "scene/flight.h"

#include <cmath>

namespace {

float wrapCoordinate(float value) {
    if (value < -kWorldEdge) {
        value = kWorldEdge;
    }
    if (value > kWorldEdge) {
        value = -kWorldEdge;
    }
    return value;
}

void startTurnMaybe(World& world) {
    JetState& jet = world.jet;
    if (world.random.next() % 100 != 0) {
        return;
    }
    const int first = world.random.next() % 160;
    const int second = world.random.next() % 160;
    const int degrees = first - second;  // -159 to 159
    jet.targetHeading = jet.heading + static_cast<float>(degrees);
    jet.turnRate = static_cast<float>(degrees / 400.0);
    jet.turning = 1;
    jet.bankFrames = 0;
    jet.bankRamp = 0;
}

void continueTurn(JetState& jet) {
    jet.heading += jet.turnRate;
    if (jet.targetHeading - 1 < jet.heading && jet.heading < jet.targetHeading + 1) {
        jet.turning = 0;
    }
}

}  // namespace

void flyJet(World& world) {
    JetState& jet = world.jet;
    const double angle = (jet.heading + 90.0f) * kDegreesToRadians;
    jet.x = static_cast<float>(jet.x + std::cos(angle) * jet.speed);
    jet.z = static_cast<float>(jet.z + std::sin(angle) * jet.speed);
    jet.x = wrapCoordinate(jet.x);
    jet.z = wrapCoordinate(jet.z);

    if (jet.turning == 0) {
        startTurnMaybe(world);
    } else {
        continueTurn(jet);
    }
}

float stepBank(JetState& jet) {
    const float roll = jet.turnRate * jet.bankRamp;
    jet.bankRamp += jet.bankFrames >= kBankRampFrames ? -0.5f : 0.5f;
    jet.bankFrames += 1;
    return roll;
}

bool replaceEyeIfFar(World& world) {
    JetState& jet = world.jet;
    Vector3& eye = world.eye;
    const double dx = jet.x - eye.x;
    const double dz = jet.z - eye.z;
    const float distance = static_cast<float>(std::sqrt(dx * dx + dz * dz));
    if (distance <= kCameraLeash) {
        return false;
    }
    // Independent angles for x and z: the eye lands anywhere in the square the offsets span.
    eye.x =
        std::cos((world.random.next() % 180 + jet.heading) * kDegreesToRadians) * kCameraOffset +
        jet.x;
    eye.y = world.random.next() % 35 + 1;
    eye.z =
        std::sin((world.random.next() % 180 + jet.heading) * kDegreesToRadians) * kCameraOffset +
        jet.z;
    jet.speed = static_cast<float>((world.random.next() % 100) / 50.0 + 1);
    return true;
}
