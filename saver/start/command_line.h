#pragma once
// What the saver was started for, read once from its command line. The operating system
// starts a screen saver with "/s" (run), "/c" (configure, perhaps ":<window>" after it) or
// "/p <window>" (preview inside that window). Only the second character of the argument text
// is looked at, upper-cased: the first (normally "/", sometimes "-") is never examined.
#include <cstdint>
#include <string_view>

enum class SaverMode {
    Preview,           // "P": the still picture inside the control panel's preview window
    Configure,         // "C": the settings dialog
    Run,               // "S": the screen saver, with the mouse cursor hidden
    RunShowingCursor,  // no argument text at all: the screen saver, cursor left alone
    Unsupported,       // any other letter, or a single character: the saver ends silently
};

// The argument text of a full command line as the platform gives it (GetCommandLine): the
// program path, quoted or not, and the blanks after it removed. Blanks at the end are kept.
std::string_view ArgumentText(std::string_view commandLine);

SaverMode ParseSaverMode(std::string_view argumentText);

// Whether the run hides the mouse cursor at start and shows it again at shutdown.
bool HidesCursor(SaverMode mode);

// The preview host window's handle: the leading number from the fourth character on
// ("/p 1234" and "/p:1234" both give 1234), rounded to the nearest 32-bit integer; 0 when no
// number is there or it does not fit.
std::int32_t PreviewHostWindow(std::string_view argumentText);
