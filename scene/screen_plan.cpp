#include "scene/screen_plan.h"

#include <algorithm>

namespace {

bool isEmpty(const ScreenRect& rect) {
    return rect.left >= rect.right || rect.top >= rect.bottom;
}

// The parts of `monitor` outside `scene`: the bands above and below the scene across the
// monitor's whole width, then the pieces left and right of it between those bands.
void addBareParts(const ScreenRect& monitor, const ScreenRect& scene,
                  std::vector<ScreenRect>& covers) {
    const ScreenRect overlap = {
        std::max(monitor.left, scene.left), std::max(monitor.top, scene.top),
        std::min(monitor.right, scene.right), std::min(monitor.bottom, scene.bottom)};
    if (isEmpty(overlap)) {
        covers.push_back(monitor);
        return;
    }
    const ScreenRect parts[] = {
        {monitor.left, monitor.top, monitor.right, overlap.top},
        {monitor.left, overlap.bottom, monitor.right, monitor.bottom},
        {monitor.left, overlap.top, overlap.left, overlap.bottom},
        {overlap.right, overlap.top, monitor.right, overlap.bottom},
    };
    for (const ScreenRect& part : parts) {
        if (!isEmpty(part)) {
            covers.push_back(part);
        }
    }
}

}  // namespace

ScreenPlan planScreens(bool requestedModeSet, ScreenSize requested, ScreenSize primary,
                       std::span<const ScreenRect> monitors) {
    const ScreenSize size = requestedModeSet ? requested : primary;
    ScreenPlan plan;
    plan.scene = {0, 0, size.width, size.height};
    for (const ScreenRect& monitor : monitors) {
        addBareParts(monitor, plan.scene, plan.covers);
    }
    return plan;
}
