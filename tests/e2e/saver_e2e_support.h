#pragma once
// Helpers for the saver's and the scene program's scenarios: a folder holding the three
// shipped files, the work folder, the saver's cursor count, and the bitmaps the saver writes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "scene/rgb_image.h"
#include "tests/e2e/e2e_support.h"

namespace e2e {

// Soravane.scr, Soravane.dll and Soravane.data copied into a new folder of their own, whose
// name ends in `nameEnd` (UTF-8), and which goes away with everything in it.
class SaverFolder {
public:
    explicit SaverFolder(const std::string& nameEnd = "");
    ~SaverFolder();
    SaverFolder(const SaverFolder&) = delete;
    SaverFolder& operator=(const SaverFolder&) = delete;

    bool complete() const { return complete_; }
    // The Windows path of `name` in the folder (UTF-8).
    std::string file(const std::string& name) const { return folder_ + "\\" + name; }
    // Starts the saver with `arguments` after its quoted path, as the system does.
    Process startSaver(const std::string& arguments) const;

private:
    std::string folder_;
    bool complete_ = false;
};

bool fileExists(const std::string& path);

// Removes C:\qorvin and everything in it, read-only files included.
void removeWorkFolder();

// The work folder as the saver leaves it for the scene, in plain colours that screen checks
// tell apart; each file written, or removed when not wanted.
inline constexpr COLORREF kSkyColour = RGB(0, 0, 255);
inline constexpr COLORREF kGroundColour = RGB(0, 200, 0);  // the "desktop"
struct WorkFiles {
    bool model = true;
    int modelTriangles = 0;  // 0: the shipped jet; otherwise a model of this many, slow to draw
    bool sky = true;
    bool ground = true;
    bool smoke = true;
};
bool prepareWorkFolder(const WorkFiles& files);

// The pixel at (x, y), y counted from the top.
COLORREF pixelAt(const RgbImage& image, int x, int y);

// What a run played, from the WAV file that ALSA's capture writes (samples of 16 bits or more,
// read by their sign alone, so integers and floats alike): how often the test tone started (its
// `markerHz` start heard for 20 periods after its body) and the frequency of its body. Periods
// run between rising zero crossings; one within a tenth of neither tone's (across a gap of
// silence between the player's writes, say) counts for neither. Nothing heard: no starts, a
// body of 0 Hz.
struct HeardTone {
    int starts = 0;
    double bodyHz = 0;
};
HeardTone listen(const std::string& capture, double markerHz, double bodyHz);

// The cursor's display count of the thread that owns `window` (negative: hidden), read by
// sharing that thread's input state for a moment; nothing when it cannot be shared.
std::optional<int> cursorDisplayCount(HWND window);

}  // namespace e2e
