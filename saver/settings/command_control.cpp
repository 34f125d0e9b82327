#include "saver/settings/command_control.h"

#include <limits>
#include <string>
#include <utility>

bool PointerHasLeft(const void* windowUnderPointer, const void* controlWindow,
                    const void* formWindow) {
    return windowUnderPointer == formWindow ||
           (windowUnderPointer != controlWindow && windowUnderPointer != formWindow);
}

Command::Command(CommandView& view) : view_(view) {}

void Command::Initialize() {
    lookState_ = 1;
    view_.StartTmrMouse(kTmrMouseIntervalMs);
}

bool Command::Enabled() {
    if (firstRunFlag_ == 0) {
        RefreshLook();
        firstRunFlag_ = 1;
        enabledFlag_ = kTrue;
    }
    const bool enabled = enabledFlag_ != 0;
    ShowEnabledLook();
    return enabled;
}

void Command::SetEnabled(bool enabled) {
    enabledFlag_ = enabled ? kTrue : 0;
    view_.PropertyChanged("Enabled");
    ShowEnabledLook();
}

void Command::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    view_.AppearanceChanged();
    view_.PropertyChanged("Caption");
}

void Command::SetFont(CommandFont font) {
    font_ = std::move(font);
    view_.AppearanceChanged();
    view_.PropertyChanged("Font");
}

std::uint32_t Command::FontColour() {
    const std::uint32_t colour = labelColour_;
    RefreshLook();
    return colour;
}

void Command::SetFontColour(std::uint32_t colour) {
    SetLabelColour(colour);
    RefreshLook();
    view_.PropertyChanged("FontColour");
}

bool Command::Visible() {
    if (!isOpaque_) {
        return false;
    }
    RefreshLook();
    return true;
}

void Command::SetVisible(bool opaque) {
    isOpaque_ = opaque;
    view_.AppearanceChanged();
    if (opaque) {
        RefreshLook();
    }
    view_.PropertyChanged("Visible");
}

void Command::OnResize() {
    ShowEnabledLook();
}

void Command::OnGotFocus() {
    if (enabledFlag_ == 0) {
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
    if (enabledFlag_ == 0 || lookState_ == 1) {
        return;
    }
    lookState_ = 1;
    DrawSkin(CommandSkin::Normal);
}

void Command::OnMouseDown(MouseButton button) {
    if (enabledFlag_ == 0 || button != MouseButton::Left) {
        return;
    }
    mouseIsDown_ = true;
    DrawSkin(CommandSkin::Pressed);
}

void Command::OnMouseMove() {
    if (enabledFlag_ == 0) {
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

void Command::OnMouseUp(MouseButton button) {
    if (enabledFlag_ != 0 && button == MouseButton::Left) {
        mouseIsDown_ = false;
        if (lookState_ == 2) {
            DrawSkin(CommandSkin::Normal);
        } else if (lookState_ == 4) {
            DrawSkin(CommandSkin::HighLightSelect);
        }
    }
    // Any button clicks, but a press dragged off a focused button leaves LookState 3 behind
    // (the timer saw the pointer go) and clicks nothing. Only a true flag of exactly -1 clicks.
    if (lookState_ != 3 && enabledFlag_ == kTrue) {
        view_.Click();  // last: the container may destroy the window from its handler
    }
}

void Command::OnTmrMouse(bool pointerHasLeft) {
    if (enabledFlag_ == 0 || !pointerHasLeft) {
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

void Command::ReadProperties(const PropertyStore& store, const CommandFont& ambientFont) {
    // One property at a time: a stored text that does not convert leaves that one as it was.
    if (const auto enabled = BooleanFromText(store.ReadProperty("Enabled", BooleanText(true)))) {
        enabledFlag_ = *enabled ? kTrue : 0;
    }
    caption_ = store.ReadProperty("Caption", "Command1");
    // Only the face name: the caption keeps its designed size and style.
    font_.faceName = store.ReadProperty("Font", ambientFont.faceName);
    if (const auto firstRun = IntegerFromText(store.ReadProperty("FirstRun", "1"), 0, 255)) {
        firstRunFlag_ = static_cast<std::uint8_t>(*firstRun);
    }
    if (const auto colour = IntegerFromText(store.ReadProperty("FontColour", "0"),
                                            std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max())) {
        labelColour_ = static_cast<std::uint32_t>(*colour);
    }
    // 1 opaque, 0 transparent; any other number is not a background style.
    if (const auto opacity = IntegerFromText(store.ReadProperty("Visible", "1"), 0, 1)) {
        isOpaque_ = *opacity == 1;
    }
    view_.AppearanceChanged();
    RefreshLook();
}

void Command::WriteProperties(PropertyStore& store, const CommandFont& ambientFont) {
    store.WriteProperty("Enabled", BooleanText(enabledFlag_ != 0), BooleanText(true));
    store.WriteProperty("Caption", caption_, "Command");
    store.WriteProperty("FirstRun", std::to_string(firstRunFlag_), "1");
    store.WriteProperty("Font", font_.faceName, ambientFont.faceName);
    store.WriteProperty("FontColour", std::to_string(static_cast<std::int32_t>(labelColour_)), "0");
    store.WriteProperty("Visible", isOpaque_ ? "1" : "0", "1");
    RefreshLook();
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
    if (enabledFlag_ != 0) {
        DrawSkin(CommandSkin::Normal);
        SetLabelEnabled(true);
    } else {
        DrawSkin(CommandSkin::Disable);
        SetLabelEnabled(false);
    }
}

void Command::RefreshLook() {
    if (enabledFlag_ == 0) {
        return;
    }
    SetLabelEnabled(true);
    if (firstRunFlag_ == 0) {
        SetLabelColour(0);
    }
    // A look that cannot be drawn leaves the caption black, as any failure here does.
    if (!DrawSkin(CommandSkin::Normal)) {
        SetLabelColour(0);
    }
}

void Command::SetLabelEnabled(bool enabled) {
    if (labelEnabled_ != enabled) {
        labelEnabled_ = enabled;
        view_.AppearanceChanged();
    }
}

void Command::SetLabelColour(std::uint32_t colour) {
    if (labelColour_ != colour) {
        labelColour_ = colour;
        view_.AppearanceChanged();
    }
}
