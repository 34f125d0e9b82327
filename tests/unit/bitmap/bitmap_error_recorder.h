#pragma once
// Records what the scene would show in message boxes, as "caption: message", while it lives.
#include <string>
#include <string_view>
#include <vector>

#include "scene/error_box.h"

class RecordingErrorBox : public ErrorBox {
public:
    RecordingErrorBox() { setErrorBox(this); }
    ~RecordingErrorBox() override { setErrorBox(nullptr); }
    void show(std::string_view message, std::string_view caption) override {
        shown.push_back(std::string(caption) + ": " + std::string(message));
    }
    std::vector<std::string> shown;
};
