#include "scene/flight.h"

#include <cmath>
#include <limits>

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

// Takes a whole turn off a heading beyond the bound, and off its target with it, and counts
// it. A turn moves the heading by less than 1 degree a frame, so one turn is enough.
void keepHeadingBounded(JetState& jet) {
    int turns = 0;
    if (jet.heading >= kHeadingBound) {
        turns = 1;
    } else if (jet.heading < -kHeadingBound) {
        turns = -1;
    }
    jet.heading -= static_cast<float>(360 * turns);
    jet.targetHeading -= static_cast<float>(360 * turns);
    jet.headingTurns += turns;
}

void continueTurn(JetState& jet) {
    jet.heading += jet.turnRate;
    if (jet.targetHeading - 1 < jet.heading && jet.heading < jet.targetHeading + 1) {
        jet.turning = 0;
    }
    keepHeadingBounded(jet);
}

}  // namespace

void flyJet(World& world) {
    JetState& jet = world.jet;
    const double angle = courseRadians(jet, jet.heading + 90.0f);
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
    // Only "200 or more" counts: a count that stops at its largest value keeps meaning that.
    if (jet.bankFrames < std::numeric_limits<int32_t>::max()) {
        jet.bankFrames += 1;
    }
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
    eye.x = std::cos(courseRadians(jet, world.random.next() % 180 + jet.heading)) * kCameraOffset +
            jet.x;
    eye.y = world.random.next() % 35 + 1;
    eye.z = std::sin(courseRadians(jet, world.random.next() % 180 + jet.heading)) * kCameraOffset +
            jet.z;
    jet.speed = static_cast<float>((world.random.next() % 100) / 50.0 + 1);
    return true;
}
