// Frame time of the scene at 1024 x 768, drawn offscreen by Mesa (llvmpipe), split by step.
//
// Prints the mean milliseconds per frame of each step of a frame (camera and sky, ground,
// flight and jet, smoke, bullets) and of a frame that only clears and finishes (the floor:
// what the buffer itself costs); every step ends with glFinish so that Mesa's deferred
// rendering is charged to the step that asked for it. Then the median of the whole renderFrame
// against the median of one full-screen textured pass of the ground picture, the least a frame
// showing a textured ground and sky can cost, and their ratio. Last, the CPU time the scene
// takes running at a display's refresh rate, each frame started on the next refresh as a
// swap that waits for it would: the process's CPU time (Mesa's threads included) per second.
//
//   frame_bench [frames] [refresh Hz]      (default 300 and 60; the world runs from its usual
//                                           start)
#include <GL/osmesa.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "scene/flight.h"
#include "scene/frame.h"
#include "scene/gunfire.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_drawing.h"
#include "scene/scene_start.h"
#include "scene/smoke.h"
#include "tests/support/bmp_file_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

struct StepTimes {
    double skyAndCamera = 0, ground = 0, jet = 0, smoke = 0, bullets = 0;
};

// The steps of renderFrame in its order, each timed on its own.
void timedFrame(World& world, const MeshModel& model, StepTimes& times) {
    auto start = Clock::now();
    const auto charge = [&](double& total) {
        glFinish();
        total += millisecondsSince(start);
        start = Clock::now();
    };
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    placeCamera(world);
    drawSky(world);
    charge(times.skyAndCamera);
    scheduleGunfire(world);
    drawGround(world);
    charge(times.ground);
    flyJet(world);
    drawJet(world, model);
    charge(times.jet);
    emitSmoke(world);
    updateSmoke(world);
    charge(times.smoke);
    updateBullets(world);
    charge(times.bullets);
}

// Clears, then covers the whole viewport with one quad showing `texture`, in the state a frame
// draws in (depth test on); the matrices are left as they were.
void drawFullScreenTexture(uint32_t texture) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct RunningCost {
    double seconds = 0;
    double cpuMs = 0;
    int framesDrawn = 0;
    int refreshesMissed = 0;  // refreshes that came while a frame was still being drawn
};

// Frames drawn one per refresh for `seconds`, sleeping between them, as the scene's loop does
// when its buffer swap waits for the display.
RunningCost runAtRefreshRate(World& world, const MeshModel& model, int refreshHz, int seconds) {
    const auto period = std::chrono::nanoseconds(1'000'000'000 / refreshHz);
    RunningCost cost;
    const double cpuStart = processCpuMs();
    const auto start = Clock::now();
    auto nextRefresh = start + period;
    for (int frame = 0; frame < refreshHz * seconds; ++frame) {
        renderFrame(world, model);
        glFinish();
        world.eye.y += 0.1;
        ++cost.framesDrawn;
        const auto now = Clock::now();
        while (nextRefresh < now) {  // a late frame waits for the refresh after
            nextRefresh += period;
            ++cost.refreshesMissed;
        }
        std::this_thread::sleep_until(nextRefresh);
        nextRefresh += period;
    }
    cost.cpuMs = processCpuMs() - cpuStart;
    cost.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return cost;
}

// A desktop-like picture of the screen's size for the ground.
void writeDesktopPicture(const std::string& path) {
    writeTestBmp(path, kWidth, kHeight, [](int x, int y) {
        if (y > kHeight - 40) {
            return TestRgb{30, 30, 60};  // task bar
        }
        const bool window = x > 200 && x < 700 && y > 100 && y < 500;
        return window ? TestRgb{240, 240, 240} : TestRgb{static_cast<uint8_t>(x / 8), 110, 160};
    });
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const std::string source = SORAVANE_SOURCE_DIR;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "soravane-frame-bench";
    std::filesystem::create_directories(folder);
    const std::string ground = (folder / "Skymere1.bmp").string();
    writeDesktopPicture(ground);
    const std::string sky = source + "/saver/resources/sky.bmp";
    const std::string smoke = source + "/saver/resources/puff.bmp";

    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    std::vector<unsigned char> buffer(static_cast<size_t>(kWidth) * kHeight * 4);
    if (context == nullptr ||
        !OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, kWidth, kHeight)) {
        std::fprintf(stderr, "frame_bench: no OSMesa context\n");
        return 1;
    }
    Ms3dModel model;
    if (!model.load((source + "/data/Soravane.data").c_str())) {
        std::fprintf(stderr, "frame_bench: cannot read the jet model\n");
        return 1;
    }
    resizeScene(kWidth, kHeight);
    World world;
    if (!initScene(world, model, {sky.c_str(), ground.c_str(), smoke.c_str()})) {
        std::fprintf(stderr, "frame_bench: no textures\n");
        return 1;
    }

    std::printf("Scene frame time, %d x %d, %s, %d frames\n", kWidth, kHeight,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)), frames);

    StepTimes steps;
    for (int i = 0; i < frames; ++i) {
        timedFrame(world, model, steps);
        world.eye.y += 0.1;
    }

    // A whole frame and the reference pass alternate, so that whatever else the machine does
    // weighs on both alike; each is timed on its own, and their medians compared.
    std::vector<double> whole;
    std::vector<double> texturedPass;
    for (int i = 0; i < frames; ++i) {
        auto start = Clock::now();
        renderFrame(world, model);
        glFinish();
        whole.push_back(millisecondsSince(start));
        world.eye.y += 0.1;

        // The least a frame showing a textured ground and sky can cost: every pixel textured once.
        start = Clock::now();
        drawFullScreenTexture(world.textures[kGroundTexture]);
        glFinish();
        texturedPass.push_back(millisecondsSince(start));
    }

    double floor = 0;
    for (int i = 0; i < frames; ++i) {
        const auto start = Clock::now();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
        floor += millisecondsSince(start);
    }

    const auto row = [&](const char* name, double total) {
        std::printf("  %-28s %8.3f ms/frame\n", name, total / frames);
    };
    row("camera + sky", steps.skyAndCamera);
    row("gunfire scheduling + ground", steps.ground);
    row("flight + jet", steps.jet);
    row("smoke (2 new, ~200 shown)", steps.smoke);
    row("bullets + explosions", steps.bullets);
    row("sum of the steps",
        steps.skyAndCamera + steps.ground + steps.jet + steps.smoke + steps.bullets);
    row("floor: clear + finish only", floor);
    const double frameMedian = median(whole);
    const double passMedian = median(texturedPass);
    std::printf("  %-28s %8.3f ms (median)\n", "renderFrame, whole", frameMedian);
    std::printf("  %-28s %8.3f ms (median)\n", "one full-screen textured pass", passMedian);
    std::printf("  renderFrame rate: %.1f frames/s\n", 1000.0 / frameMedian);
    std::printf("  renderFrame / textured pass: %.2f\n", frameMedian / passMedian);

    const int refreshHz = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    const RunningCost running = runAtRefreshRate(world, model, refreshHz, 5);
    std::printf("  running at %d Hz for %.1f s: %d frames drawn, %d refreshes missed\n", refreshHz,
                running.seconds, running.framesDrawn, running.refreshesMissed);
    std::printf(
        "  CPU time while running: %.0f ms per second (%.0f%% of one core), %.2f ms per "
        "frame\n",
        running.cpuMs / running.seconds, running.cpuMs / running.seconds / 10,
        running.cpuMs / running.framesDrawn);

    OSMesaDestroyContext(context);
    return 0;
}
