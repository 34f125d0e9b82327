#include "saver/run/work_folder_files.h"

#include <optional>
#include <system_error>
#include <thread>

#include <windows.h>

#include "contract/work_folder.h"
#include "saver/run/desktop_snapshot.h"
#include "saver/runtime/files.h"
#include "saver/runtime/picture_saving.h"

void WriteWorkFolderFiles(PictureSurface& ground, const PictureSurface& puff,
                          const PictureSurface& sky, const std::string& model) {
    const auto writeBuiltIns = [&] {
        SavePicture(puff, contract::kSmokeBitmapPath);
        SavePicture(sky, contract::kSkyBitmapPath);
        SwapInCopy(model, contract::kModelPath);
    };
    GdiFlush();  // whatever this thread drew into the pictures is in them before the other reads
    std::optional<std::thread> beside;
    try {
        beside.emplace(writeBuiltIns);
    } catch (const std::system_error&) {
        writeBuiltIns();
    }
    // The snapshot is taken before the scene starts, so it shows the desktop alone.
    if (!ground.IsEmpty()) {
        TakeDesktopSnapshot(ground);
    }
    SavePicture(ground, contract::kGroundBitmapPath);
    if (beside) {
        beside->join();
    }
}
