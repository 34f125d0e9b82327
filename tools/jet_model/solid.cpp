#include "tools/jet_model/solid.h"

#include <utility>

Vector3 centreOf(const Section& section) {
    Vector3 sum;
    for (const Vector3& point : section) {
        sum = add(sum, point);
    }
    return scale(sum, 1.0 / static_cast<double>(section.size()));
}

namespace {

// The enclosed volume, positive when the solid is wound outwards and negative when inwards.
double signedVolume(const Solid& solid) {
    double volume = 0;
    for (const auto& [a, b, c] : solid.triangles) {
        volume += dot(solid.points[a], cross(solid.points[b], solid.points[c]));
    }
    return volume / 6;
}

// The rings' points one after another; ring r's point j is at r x ringSize + j.
Solid ringsOf(const std::vector<Section>& sections) {
    Solid solid;
    for (const Section& section : sections) {
        solid.points.insert(solid.points.end(), section.begin(), section.end());
    }
    return solid;
}

void joinRings(Solid& solid, int ring, int nextRing, int ringSize) {
    for (int j = 0; j < ringSize; ++j) {
        const int next = (j + 1) % ringSize;
        const int a = ring * ringSize + j, b = ring * ringSize + next;
        const int c = nextRing * ringSize + next, d = nextRing * ringSize + j;
        solid.triangles.push_back({a, b, c});
        solid.triangles.push_back({a, c, d});
    }
}

// Which way the rings run round is up to the caller: turn the whole surface outwards here.
Solid orientedOutwards(Solid solid) {
    if (signedVolume(solid) < 0) {
        for (auto& triangle : solid.triangles) {
            std::swap(triangle[1], triangle[2]);
        }
    }
    return solid;
}

}  // namespace

Solid loft(const std::vector<Section>& sections, Vector3 startTip, Vector3 endTip) {
    Solid solid = ringsOf(sections);
    const int ringCount = static_cast<int>(sections.size());
    const int ringSize = static_cast<int>(sections.front().size());
    for (int ring = 0; ring + 1 < ringCount; ++ring) {
        joinRings(solid, ring, ring + 1, ringSize);
    }
    const int start = static_cast<int>(solid.points.size());
    solid.points.push_back(startTip);
    solid.points.push_back(endTip);
    const int last = (ringCount - 1) * ringSize;
    for (int j = 0; j < ringSize; ++j) {
        const int next = (j + 1) % ringSize;
        solid.triangles.push_back({start, next, j});
        solid.triangles.push_back({last + j, last + next, start + 1});
    }
    return orientedOutwards(std::move(solid));
}

Solid loopLoft(const std::vector<Section>& sections) {
    Solid solid = ringsOf(sections);
    const int ringCount = static_cast<int>(sections.size());
    const int ringSize = static_cast<int>(sections.front().size());
    for (int ring = 0; ring < ringCount; ++ring) {
        joinRings(solid, ring, (ring + 1) % ringCount, ringSize);
    }
    return orientedOutwards(std::move(solid));
}

Solid mirroredX(const Solid& solid) {
    Solid mirror = solid;
    for (Vector3& point : mirror.points) {
        point.x = -point.x;
    }
    // A reflection turns the winding inside out; swapping two corners turns it back.
    for (auto& triangle : mirror.triangles) {
        std::swap(triangle[1], triangle[2]);
    }
    return mirror;
}

Solid moved(const Solid& solid, Vector3 offset) {
    Solid result = solid;
    for (Vector3& point : result.points) {
        point = add(point, offset);
    }
    return result;
}

Solid joined(const Solid& a, const Solid& b) {
    Solid result = a;
    const int offset = static_cast<int>(a.points.size());
    result.points.insert(result.points.end(), b.points.begin(), b.points.end());
    for (const auto& [p, q, r] : b.triangles) {
        result.triangles.push_back({p + offset, q + offset, r + offset});
    }
    return result;
}

Solid box(Vector3 low, Vector3 high) {
    const auto face = [&](double z) {
        return Section{
            {high.x, low.y, z}, {high.x, high.y, z}, {low.x, high.y, z}, {low.x, low.y, z}};
    };
    const std::vector<Section> ends = {face(low.z), face(high.z)};
    return loft(ends, centreOf(ends.front()), centreOf(ends.back()));
}
