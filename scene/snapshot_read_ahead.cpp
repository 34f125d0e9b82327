#include "scene/snapshot_read_ahead.h"

#include <system_error>

#include "scene/bitmap/bitmap_file.h"
#include "scene/mipmap_levels.h"

SnapshotReadAhead::SnapshotReadAhead(const SnapshotPaths& paths) : paths_(paths) {
    try {
        thread_.emplace([this] { read(); });
    } catch (const std::system_error&) {
        // No thread: pictures() reads them.
    }
}

SnapshotReadAhead::~SnapshotReadAhead() {
    if (thread_) {
        thread_->join();
    }
}

PreparedPictures& SnapshotReadAhead::pictures() {
    if (thread_) {
        thread_->join();
        thread_.reset();
    } else if (!done_) {
        read();
    }
    done_ = true;
    return pictures_;
}

void SnapshotReadAhead::read() noexcept {
    const std::pair<const char*, TextureSlot> files[] = {
        {paths_.sky, kSkyTexture}, {paths_.ground, kGroundTexture}, {paths_.smoke, kSmokeTexture}};
    for (const auto& [path, slot] : files) {
        PreparedPicture& prepared = pictures_[slot];
        try {
            prepared.picture = readBitmapFileQuietly(path);
            if (prepared.picture) {
                prepared.levels =
                    mipmapLevels(*prepared.picture, mipmapSide(prepared.picture->width),
                                 mipmapSide(prepared.picture->height));
            }
        } catch (...) {
            prepared = {};  // out of memory: the scene tries again itself, and says so
        }
    }
}
