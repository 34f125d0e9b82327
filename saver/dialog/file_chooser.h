#pragma once
// The file chooser of Cmd_File: the system's open dialog for one MP3 or WAV file.
#include <windows.h>

#include <optional>
#include <string>

// The chosen file's full path (UTF-8), opening in `initialFolder`; nothing when the user
// cancels or the dialog fails. The file's kind and existence are not examined.
std::optional<std::string> ChooseBgmFile(HWND owner, const std::string& initialFolder);
