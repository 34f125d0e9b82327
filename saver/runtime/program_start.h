#pragma once
// Starting another program from its path, as the forms run-time's program start does: the
// new process runs on its own and nobody waits for it here.
#include <string_view>

#include "saver/runtime/win32_handles.h"

// Starts the program at `path` (UTF-8, given whole as its command line, so it receives no
// arguments), its first window shown with `showWindow` (an SW_ value). Returns the new
// process's handle, for whoever wants to know when it has ended, or no handle on failure.
UniqueHandle StartProgram(std::string_view path, int showWindow);
