#pragma once
// Skymere_B's shared routines for the settings file and for paths. The platform is reached
// through FilePort, which the Win32 side implements with GetPrivateProfileStringA and a file
// open, and the tests with a fake.
#include <string>
#include <string_view>

#include "saver/skymere_b_state.h"

class FilePort {
public:
    virtual ~FilePort() = default;

    // The value of `key` in `section` of the profile file `file`; empty when the file, the
    // section or the key is missing. Values of any length come back whole. Section and key
    // are passed to the profile function byte for byte; file and value are UTF-8.
    virtual std::string ReadIni(std::string_view section, std::string_view key,
                                std::string_view file) = 0;

    // Whether `path` opens as a file for reading: false for a folder, a bad name, a missing
    // file or one without read access.
    virtual bool OpensForReading(std::string_view path) = 0;
};

// Fills BGMMode, BGMRepeat, BGMFile, InitDir and IniValue from the settings file of the
// program in `programFolder`. A number setting that is empty takes its default; one that is
// not a number, or rounds down outside 16 bits, keeps its value. A BGMFile naming no readable
// file is dropped, and sound-file music without a file becomes no music.
void LoadSettings(FilePort& port, std::string_view programFolder, SharedState& state);

// Whether `path` names a readable file; one backslash at its end is ignored.
bool FileExists(FilePort& port, std::string_view path);

// The folder part of `path`: everything up to its last "\" or ":", without a final "\".
// C:\music\song.mp3 gives C:\music, C:\song.mp3 gives C:, D:song.mp3 gives D: and a bare file
// name gives the empty text.
std::string DirOf(std::string_view path);
