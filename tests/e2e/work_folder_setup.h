#pragma once
// Lays out the work folder as the saver leaves it before starting the scene program, with
// plain colours that screen checks can tell apart.
#include <string>

namespace e2e {

inline constexpr unsigned kSkyColour = 0x0000FF;     // 0x00RRGGBB
inline constexpr unsigned kGroundColour = 0x00C800;  // the "desktop"

struct WorkFiles {
    bool model = true;
    bool sky = true;
    bool ground = true;
    bool smoke = true;
};

// Creates C:\qorvin if needed and writes (or removes) each of the four files.
bool prepareWorkFolder(const WorkFiles& files);

}  // namespace e2e
