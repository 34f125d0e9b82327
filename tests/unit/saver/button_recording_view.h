#pragma once
// A CommandView that records what the button asks of its window.
#include <string>
#include <string_view>
#include <vector>

#include "saver/settings/command_control.h"

struct PaintedLook {
    CommandSkin skin;
    bool invertFace;

    friend bool operator==(const PaintedLook&, const PaintedLook&) = default;
};

class RecordingView : public CommandView {
public:
    bool PaintSkin(CommandSkin skin, bool invertFace) override {
        painted.push_back({skin, invertFace});
        return !paintFails;
    }
    void AppearanceChanged() override { ++appearanceChanges; }
    void StartTmrMouse(unsigned intervalMs) override { timerStarts.push_back(intervalMs); }
    void Click() override { ++clicks; }
    void PropertyChanged(std::string_view name) override { changed.emplace_back(name); }

    void Forget() { *this = RecordingView{}; }

    std::vector<PaintedLook> painted;
    std::vector<unsigned> timerStarts;
    std::vector<std::string> changed;
    int appearanceChanges = 0;
    int clicks = 0;
    bool paintFails = false;
};

// A button loaded from an empty stored description: enabled, first run done, caption black.
struct LoadedButton {
    LoadedButton() {
        button.ReadProperties({}, DesignFont());
        view.Forget();
    }

    RecordingView view;
    Command button{view};
};
