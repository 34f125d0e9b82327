#include "scene/snapshot_read_ahead.h"

#include <optional>
#include <system_error>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/files/mapped_file.h"
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

void SnapshotReadAhead::release() {
    pictures();
    try {
        thread_.emplace([held = std::move(pictures_)] {});
    } catch (const std::system_error&) {
        // The pictures went with the thread's function, here.
    }
}

void SnapshotReadAhead::read() noexcept {
    const std::pair<const char*, TextureSlot> files[] = {
        {paths_.sky, kSkyTexture}, {paths_.ground, kGroundTexture}, {paths_.smoke, kSmokeTexture}};
    for (const auto& [path, slot] : files) {
        pictures_[slot] = preparePicture(path);
    }
}

PreparedPicture preparePicture(const char* path) noexcept {
    if (path == nullptr) {
        return {};
    }
    try {
        const MappedFile file(path);
        const std::optional<RgbRows> rows = storedRgbRows(file.bytes());
        if (!rows) {
            return {};
        }
        return {rows->width, rows->height,
                mipmapLevels(*rows, mipmapSide(rows->width), mipmapSide(rows->height))};
    } catch (...) {
        return {};  // out of memory: the scene tries again itself, and says so
    }
}
