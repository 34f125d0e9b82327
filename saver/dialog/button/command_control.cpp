#include "saver/dialog/button/command_control.h"

#include <string>
#include <utility>

bool PointerHasLeft(const void* windowUnderPointer, const void* controlWindow,
                    const void* formWindow) {
    // The form is never the control, so the form counts as elsewhere too.
    return windowUnderPointer != controlWindow || windowUnderPointer == formWindow;
}

Command::Command(CommandView& view) : view_(view) {}

void Command::Initialize() {
    lookState_ = 1;
    view_.StartTmrMouse(kTmrMouseIntervalMs);
}

void Command::SetEnabled(bool enabled) {
    enabled_ = enabled;
    ShowEnabledLook();
}

void Command::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    view_.AppearanceChanged();
}

void Command::OnResize() {
    ShowEnabledLook();
}

void Command::OnGotFocus() {
    if (!enabled_) {
        return;
    }
    if (lookState_ == 2) {
        lookState_ = 4;
        DrawSkin(CommandSkin::Pressed);
    } else {
        lookState_ = 3;
        DrawSkin(CommandSkin::Selected);
    }
}

void Command::OnLostFocus() {
    if (!enabled_ || lookState_ == 1) {
        return;
    }
    lookState_ = 1;
    DrawSkin(CommandSkin::Normal);
}

void Command::OnMouseDown(MouseButton button) {
    if (!enabled_) {
        return;
    }
    pressBegan_ = true;
    if (button != MouseButton::Left) {
        return;
    }
    mouseIsDown_ = true;
    DrawSkin(CommandSkin::Pressed);
}

void Command::OnMouseMove() {
    if (!enabled_) {
        return;
    }
    if (lookState_ == 1) {
        lookState_ = 2;
        DrawSkin(CommandSkin::HighLight);
    }
    if (lookState_ == 3 && !mouseIsDown_) {
        lookState_ = 4;
        DrawSkin(CommandSkin::HighLightSelect);
    }
}

void Command::OnMouseUp(MouseButton button, bool overControl) {
    const bool pressEnds = std::exchange(pressBegan_, false);
    if (enabled_ && button == MouseButton::Left) {
        mouseIsDown_ = false;
        if (lookState_ == 2) {
            DrawSkin(CommandSkin::Normal);
        } else if (lookState_ == 4) {
            DrawSkin(CommandSkin::HighLightSelect);
        }
    }
    // Any button clicks, but a press dragged off a focused button leaves LookState 3 behind
    // (the timer saw the pointer go) and clicks nothing.
    if (pressEnds && overControl && lookState_ != 3 && enabled_) {
        view_.Click();  // last: the container may destroy the window from its handler
    }
}

void Command::OnPressLost() {
    pressBegan_ = false;
    if (!enabled_ || !std::exchange(mouseIsDown_, false)) {
        return;
    }
    // Pressed gives way to the look the LookState shows.
    switch (lookState_) {
        case 2:
            DrawSkin(CommandSkin::HighLight);
            break;
        case 3:
            DrawSkin(CommandSkin::Selected);
            break;
        case 4:
            DrawSkin(CommandSkin::HighLightSelect);
            break;
        default:
            DrawSkin(CommandSkin::Normal);
            break;
    }
}

void Command::OnTmrMouse(bool pointerHasLeft) {
    if (!enabled_ || !pointerHasLeft) {
        return;
    }
    if (lookState_ == 2) {
        lookState_ = 1;
        DrawSkin(CommandSkin::Normal);
    } else if (lookState_ == 4) {
        lookState_ = 3;
        DrawSkin(CommandSkin::Selected);
    }
}

bool Command::DrawSkin(CommandSkin skin) {
    // The face darkens at the top only while the pointer is over an unfocused button; in
    // LookState 0 and 4 it keeps the direction it had.
    if (lookState_ == 1 || lookState_ == 3) {
        invertFace_ = false;
    } else if (lookState_ == 2) {
        invertFace_ = true;
    }
    return view_.PaintSkin(skin, invertFace_);
}

// On every resize and after Enabled is read or written. LookState stays as it is.
void Command::ShowEnabledLook() {
    if (enabled_) {
        DrawSkin(CommandSkin::Normal);
        SetLabelEnabled(true);
    } else {
        DrawSkin(CommandSkin::Disable);
        SetLabelEnabled(false);
    }
}

void Command::SetLabelEnabled(bool enabled) {
    if (labelEnabled_ != enabled) {
        labelEnabled_ = enabled;
        view_.AppearanceChanged();
    }
}
