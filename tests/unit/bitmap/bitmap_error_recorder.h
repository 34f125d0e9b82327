#pragma once
// Records the scene's message boxes, each as "[caption: message]", while it lives.
#include <string>
#include <string_view>

#include "scene/error_box.h"

struct RecordingErrorBox : ErrorBox {
    RecordingErrorBox() { setErrorBox(this); }
    ~RecordingErrorBox() override { setErrorBox(nullptr); }
    void show(std::string_view message, std::string_view caption) override {
        shown += "[" + std::string(caption) + ": " + std::string(message) + "]";
    }
    std::string shown;
};
