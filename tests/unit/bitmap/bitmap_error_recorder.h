#pragma once
// Records what the scene would show in message boxes, for the length of one test.
#include <string>
#include <string_view>
#include <vector>

#include "scene/error_box.h"

class RecordingErrorBox : public ErrorBox {
public:
    struct Shown {
        std::string message;
        std::string caption;
    };

    RecordingErrorBox() { setErrorBox(this); }
    ~RecordingErrorBox() override { setErrorBox(nullptr); }
    RecordingErrorBox(const RecordingErrorBox&) = delete;
    RecordingErrorBox& operator=(const RecordingErrorBox&) = delete;

    void show(std::string_view message, std::string_view caption) override {
        shown.push_back({std::string(message), std::string(caption)});
    }

    std::vector<Shown> shown;
};
