#pragma once
// The scene program's only way to tell the user something: a message box with one OK button.
// The Win32 layer installs a MessageBoxA implementation at start; tests install a recorder.
// Without an installed box, messages go to standard error.
#include <string_view>

class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    virtual void show(std::string_view message, std::string_view caption) = 0;
};

// Installs the process-wide box (not owned); null restores the standard-error fallback.
void setErrorBox(ErrorBox* box);

// Shows `message` with the caption "Error".
void showErrorBox(std::string_view message);
