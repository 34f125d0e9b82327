#include "scene/error_box.h"

#include <cstdio>

namespace {

ErrorBox* installedBox = nullptr;

}  // namespace

void setErrorBox(ErrorBox* box) {
    installedBox = box;
}

void showErrorBox(std::string_view message) {
    constexpr std::string_view caption = "Error";
    if (installedBox != nullptr) {
        installedBox->show(message, caption);
        return;
    }
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(message.size()), message.data());
}
