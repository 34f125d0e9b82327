#pragma once
// The work-folder bitmaps read, and their mipmap levels made, on a thread of their own. The
// scene starts it before it makes its window and OpenGL context, which take about as long,
// and takes the pictures when it makes their textures: reading and levels need no context.
// The files are mapped, not copied, and levels are made straight from a bitmap's own rows.
#include <array>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

#include "scene/mipmap_levels.h"
#include "scene/textures.h"

// A picture read ahead: its size, and the levels its texture will most likely have
// (mipmap_levels.h). No levels when it was not read ahead (preparePicture): the scene then
// reads the file itself, and says why when it cannot.
struct PreparedPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<MipmapLevel> levels;
};

// The picture in `path` with its levels for mipmapSide's size, made from the file's own rows
// (storedRgbRows: the 24-bit bitmaps the saver writes); quietly nothing for any other file,
// which the scene then reads itself, or when there is no memory for it.
PreparedPicture preparePicture(const char* path) noexcept;

// By texture slot: sky, ground, smoke.
using PreparedPictures = std::array<PreparedPicture, 3>;

class SnapshotReadAhead {
public:
    explicit SnapshotReadAhead(const SnapshotPaths& paths);
    ~SnapshotReadAhead();
    SnapshotReadAhead(const SnapshotReadAhead&) = delete;
    SnapshotReadAhead& operator=(const SnapshotReadAhead&) = delete;

    // The pictures, once all are read (here and now where no thread could be started).
    PreparedPictures& pictures();

    // Frees the pictures on a thread of its own (here where none starts), once their textures
    // are made: a screen's levels take milliseconds to give back, which the first frame need
    // not wait for. pictures() is then empty.
    void release();

private:
    void read() noexcept;

    SnapshotPaths paths_;
    PreparedPictures pictures_;
    std::optional<std::thread> thread_;
    bool done_ = false;
};
