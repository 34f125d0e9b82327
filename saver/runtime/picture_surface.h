#pragma once
// A picture box's persistent image: a memory device context holding a 24-bit bottom-up DIB
// section. Drawing into Dc() changes the image itself, so what was drawn stays when nothing
// shows it, and the image can be saved as it is. A new image is black.
#include <windows.h>

#include <cstdint>
#include <span>

#include "saver/runtime/win32_handles.h"

class PictureSurface {
public:
    PictureSurface() = default;
    ~PictureSurface();
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;

    // A new black image of `width` x `height` pixels. False when GDI cannot make it (or a
    // size is not positive); the surface is then empty.
    bool Resize(int width, int height);

    // The bitmap resource `id` of `module` as the new image, sized to it.
    bool LoadBitmapResource(HMODULE module, int id);

    bool IsEmpty() const { return bits_ == nullptr; }
    HDC Dc() const { return dc_.get(); }  // null while empty
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Bytes per row: three per pixel (blue, green, red), padded to four.
    int Stride() const { return (width_ * 3 + 3) / 4 * 4; }
    // The image's rows, bottom row first, after GDI has finished drawing into it.
    std::span<const std::uint8_t> Rows() const;
    std::span<std::uint8_t> Rows();

private:
    void Release();

    MemoryDc dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
