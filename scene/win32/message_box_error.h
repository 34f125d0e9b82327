#pragma once
// The scene's error messages as Win32 message boxes, owned by the window with the focus.
#include "scene/error_box.h"

class MessageBoxError final : public ErrorBox {
public:
    void show(std::string_view message, std::string_view caption) override;
};
