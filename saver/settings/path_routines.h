#pragma once
// Skymere_B's routines for paths.
#include <string>
#include <string_view>

#include "saver/settings/file_port.h"

// Whether `path` names a readable file; one backslash at its end is ignored.
bool FileExists(FilePort& port, std::string_view path);

// The folder part of `path`: everything up to its last "\" or ":", without a final "\".
// C:\music\song.mp3 gives C:\music, C:\song.mp3 gives C:, D:song.mp3 gives D: and a bare file
// name gives the empty text.
std::string DirOf(std::string_view path);
