#pragma once
// Command: the settings dialog's skinned push button, as behaviour without a window. It keeps
// the button's state and properties, decides which look to show for each focus, mouse and
// timer event, and raises Click. Its window (command_window.h on Windows, a recorder in the
// tests) paints what it is told through CommandView.
//
// The looks follow LookState: 1 normal; 2 pointer over the button, no focus; 3 focus, pointer
// elsewhere; 4 focus and pointer over the button; 0 until Initialize. While EnabledFlag is 0
// the button ignores focus, mouse and timer and shows Disable.
#include <cstdint>
#include <string>
#include <string_view>

#include "saver/settings/command_properties.h"
#include "saver/settings/command_skin.h"

class CommandView {
public:
    virtual ~CommandView() = default;

    // Paints `skin` around the face gradient into the control's persistent image and shows it;
    // false when it could not.
    virtual bool PaintSkin(CommandSkin skin, bool invertFace) = 0;
    // The caption's text, font, colour or enabled state, or the background's opacity, changed.
    virtual void AppearanceChanged() = 0;
    // Starts TmrMouse; its ticks come back as OnTmrMouse.
    virtual void StartTmrMouse(unsigned intervalMs) = 0;
    virtual void Click() = 0;
    // A property was set from code: the container's stored description no longer matches.
    virtual void PropertyChanged(std::string_view name) = 0;
};

enum class MouseButton { Left, Right, Middle };

// Pointer tracking: the pointer has left when the window under it is the form holding the
// control, or is neither the control's window nor the form's. The caption has no window of its
// own, so a pointer over it is over the control.
bool PointerHasLeft(const void* windowUnderPointer, const void* controlWindow,
                    const void* formWindow);

class Command {
public:
    static constexpr std::int16_t kTrue = -1;  // a true 16-bit boolean
    static constexpr unsigned kTmrMouseIntervalMs = 100;

    // `view` must outlive the control. The caption and font are as designed: "Command" in
    // DesignFont(); every state field starts at 0.
    explicit Command(CommandView& view);

    // LookState 1, and TmrMouse starts. Draws nothing.
    void Initialize();

    // Reading Enabled, FontColour or Visible redraws, as the design has it.
    bool Enabled();
    void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    const CommandFont& Font() const { return font_; }
    void SetFont(CommandFont font);
    std::uint32_t FontColour();  // 0x00BBGGRR, or a system colour with the top bit set
    void SetFontColour(std::uint32_t colour);
    // The opacity of the button's own background, not its visibility: when false the
    // container shows through everywhere but the caption.
    bool Visible();
    void SetVisible(bool opaque);

    // Loading and saving the persisted properties; both then refresh the look. The ambient
    // font is the container's: the default of "Font" both ways.
    void ReadProperties(const PropertyStore& store, const CommandFont& ambientFont);
    void WriteProperties(PropertyStore& store, const CommandFont& ambientFont);

    // Events of the control's window.
    void OnResize();
    void OnGotFocus();
    void OnLostFocus();
    void OnMouseDown(MouseButton button);
    void OnMouseMove();  // the pointer moves over the control
    void OnMouseUp(MouseButton button);
    void OnTmrMouse(bool pointerHasLeft);

    // The state as it is, without the accessors' redrawing.
    std::uint8_t LookState() const { return lookState_; }
    bool InvertFace() const { return invertFace_; }
    bool MouseIsDown() const { return mouseIsDown_; }
    std::int16_t EnabledFlag() const { return enabledFlag_; }
    std::uint8_t FirstRunFlag() const { return firstRunFlag_; }
    std::uint32_t LabelColour() const { return labelColour_; }
    bool LabelEnabled() const { return labelEnabled_; }
    bool IsOpaque() const { return isOpaque_; }

private:
    bool DrawSkin(CommandSkin skin);
    void ShowEnabledLook();
    void RefreshLook();
    void SetLabelEnabled(bool enabled);
    void SetLabelColour(std::uint32_t colour);

    CommandView& view_;

    bool invertFace_ = false;
    std::uint8_t firstRunFlag_ = 0;
    std::int16_t enabledFlag_ = 0;
    std::uint8_t lookState_ = 0;
    bool mouseIsDown_ = false;

    // LblMsg and the background, as designed.
    std::string caption_ = "Command";
    CommandFont font_ = DesignFont();
    std::uint32_t labelColour_ = 0;
    bool labelEnabled_ = true;
    bool isOpaque_ = true;
};
