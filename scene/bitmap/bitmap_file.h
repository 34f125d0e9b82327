#pragma once
// Reads a bitmap file into a 24-bit picture. Every failure is reported through showErrorBox
// (caption "Error") and gives null.
#include <memory>

#include "scene/rgb_image.h"

std::unique_ptr<RgbImage> readBitmapFile(const char* path);
