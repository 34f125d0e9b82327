#include "saver/runtime/picture_surface.h"

PictureSurface::~PictureSurface() {
    Release();
}

void PictureSurface::Release() {
    if (originalBitmap_ != nullptr) {
        SelectObject(dc_.get(), originalBitmap_);
        originalBitmap_ = nullptr;
    }
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool PictureSurface::Resize(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) {
        return false;
    }
    MemoryDc dc(CreateCompatibleDC(nullptr));
    if (dc.get() == nullptr) {
        return false;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as the BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // A new DIB section is all zeros: black.
    GdiObject<HBITMAP> bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap.get() == nullptr || bits == nullptr) {
        return false;
    }
    originalBitmap_ = SelectObject(dc.get(), bitmap.get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    bits_ = bits;
    width_ = width;
    height_ = height;
    return true;
}

bool PictureSurface::LoadBitmapResource(HMODULE module, int id) {
    GdiObject<HBITMAP> loaded(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP size = {};
    if (loaded.get() == nullptr || GetObjectW(loaded.get(), sizeof size, &size) == 0 ||
        !Resize(size.bmWidth, size.bmHeight)) {
        return false;
    }
    MemoryDc source(CreateCompatibleDC(dc_.get()));
    if (source.get() == nullptr) {
        return false;
    }
    const HGDIOBJ original = SelectObject(source.get(), loaded.get());
    const BOOL copied = BitBlt(dc_.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), original);
    return copied != FALSE;
}

std::span<const std::uint8_t> PictureSurface::Rows() const {
    return const_cast<PictureSurface*>(this)->Rows();
}

std::span<std::uint8_t> PictureSurface::Rows() {
    if (bits_ == nullptr) {
        return {};
    }
    GdiFlush();  // GDI may still be drawing into the section
    const std::size_t size = static_cast<std::size_t>(Stride()) * static_cast<std::size_t>(height_);
    return {static_cast<std::uint8_t*>(bits_), size};
}
