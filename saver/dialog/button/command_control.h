#pragma once
// Command: the settings dialog's skinned push button, as behaviour without a window. It keeps
// the button's state and caption, decides which look to show for each focus, mouse and
// timer event, and raises Click. Its window (command_window.h on Windows, a recorder in the
// tests) paints what it is told through CommandView.
//
// The looks follow LookState: 1 normal; 2 pointer over the button, no focus; 3 focus, pointer
// elsewhere; 4 focus and pointer over the button; 0 until Initialize. While disabled the
// button ignores focus, mouse and timer and shows Disable.
#include <cstdint>
#include <string>

#include "saver/dialog/button/command_skin.h"

class CommandView {
public:
    virtual ~CommandView() = default;

    // Paints `skin` around the face gradient into the control's persistent image and shows it;
    // false when it could not.
    virtual bool PaintSkin(CommandSkin skin, bool invertFace) = 0;
    // The caption's text or enabled state changed.
    virtual void AppearanceChanged() = 0;
    // Starts TmrMouse; its ticks come back as OnTmrMouse.
    virtual void StartTmrMouse(unsigned intervalMs) = 0;
    virtual void Click() = 0;
};

enum class MouseButton { Left, Right, Middle };

// Pointer tracking: the pointer has left when the window under it is the form holding the
// control, or is neither the control's window nor the form's. The caption has no window of its
// own, so a pointer over it is over the control.
bool PointerHasLeft(const void* windowUnderPointer, const void* controlWindow,
                    const void* formWindow);

class Command {
public:
    static constexpr unsigned kTmrMouseIntervalMs = 100;

    // `view` must outlive the control, which starts enabled, in LookState 0, captioned
    // "Command".
    explicit Command(CommandView& view);

    // LookState 1, and TmrMouse starts. Draws nothing.
    void Initialize();

    void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    // Events of the control's window.
    void OnResize();
    void OnGotFocus();
    void OnLostFocus();
    void OnMouseDown(MouseButton button);
    void OnMouseMove();  // the pointer moves over the control
    // A button came up; `overControl` when the pointer is over the control. Only a release
    // over it that ends a press begun on it clicks.
    void OnMouseUp(MouseButton button, bool overControl);
    // The mouse was taken away (another window captured it, a modal box opened): the press
    // ends without a click and the look of the LookState comes back.
    void OnPressLost();
    void OnTmrMouse(bool pointerHasLeft);

    std::uint8_t LookState() const { return lookState_; }
    bool IsEnabled() const { return enabled_; }
    bool LabelEnabled() const { return labelEnabled_; }

private:
    bool DrawSkin(CommandSkin skin);
    void ShowEnabledLook();
    void SetLabelEnabled(bool enabled);

    CommandView& view_;

    bool invertFace_ = false;
    bool enabled_ = true;
    std::uint8_t lookState_ = 0;
    bool mouseIsDown_ = false;
    bool pressBegan_ = false;  // a button went down on the control and the press goes on

    // LblMsg, the caption label.
    std::string caption_ = "Command";
    bool labelEnabled_ = true;
};
