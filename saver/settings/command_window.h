#pragma once
// The Command button as a child window of window class "SoravaneCommand", usable in any form or
// dialog. The window feeds focus, mouse and TmrMouse events to the portable Command and paints
// what it decides: the look into a persistent image, the caption over it.
//
//   CommandWindow Cmd_Set;
//   Cmd_Set.Create(form, {.id = kCmd_Set, .x = 316, .y = 200, .width = 81, .height = 25},
//                  PropertyStore{{"Caption", "設定"}}, skins);
//   Cmd_Set.Initialize();  // in the form's load handler
//
// Click arrives at the parent (or `notify`) as WM_COMMAND with the control's id in the low word
// of wParam, BN_CLICKED in the high word and the control's window in lParam, as from a push
// button. The handler may destroy the control's window.
#include <windows.h>

#include "saver/runtime/window_dispatch.h"

#include <cstdint>
#include <string>
#include <utility>

#include "saver/runtime/picture_surface.h"
#include "saver/runtime/win32_handles.h"
#include "saver/settings/command_control.h"
#include "saver/settings/command_skin_set.h"

struct CommandPlacement {
    int id = 0;
    int x = 0;  // pixels in the parent's client area
    int y = 0;
    int width = 0;
    int height = 0;
    HWND notify = nullptr;  // receives Click; the parent when null
};

class CommandWindow final : private CommandView {
public:
    CommandWindow();
    ~CommandWindow() override;
    CommandWindow(const CommandWindow&) = delete;
    CommandWindow& operator=(const CommandWindow&) = delete;

    // Makes the window, reads the stored properties and shows the enabled look. `skins` must
    // outlive the window; `ambientFont` is the container's font. False when the window cannot
    // be made.
    bool Create(HWND parent, const CommandPlacement& placement, const PropertyStore& stored,
                const CommandSkinSet& skins, const CommandFont& ambientFont = DesignFont());

    // The control's public members (see command_control.h).
    void Initialize() { command_.Initialize(); }
    bool Enabled() { return command_.Enabled(); }
    void SetEnabled(bool enabled) { command_.SetEnabled(enabled); }
    const std::string& Caption() const { return command_.Caption(); }
    void SetCaption(std::string caption) { command_.SetCaption(std::move(caption)); }
    const CommandFont& Font() const { return command_.Font(); }
    void SetFont(CommandFont font) { command_.SetFont(std::move(font)); }
    std::uint32_t FontColour() { return command_.FontColour(); }
    void SetFontColour(std::uint32_t colour) { command_.SetFontColour(colour); }
    bool Visible() { return command_.Visible(); }
    void SetVisible(bool opaque) { command_.SetVisible(opaque); }
    void WriteProperties(PropertyStore& store) { command_.WriteProperties(store, ambientFont_); }

    HWND Window() const { return window_; }
    // The state and the persistent image as last drawn, without the accessors' redrawing.
    const Command& State() const { return command_; }
    const PictureSurface& Image() const { return image_; }

    // The id of TmrMouse among the window's timers.
    static constexpr UINT_PTR kTmrMouse = 1;

private:
    // CommandView
    bool PaintSkin(CommandSkin skin, bool invertFace) override;
    void AppearanceChanged() override;
    void StartTmrMouse(unsigned intervalMs) override;
    void Click() override;
    void PropertyChanged(std::string_view name) override;

    template <class Owner>
    friend LRESULT CALLBACK DispatchToOwner(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize(int width, int height);
    void OnButtonDown(MouseButton button);
    void OnButtonUp(MouseButton button, WPARAM buttonsStillDown);
    void OnMouseMove(LPARAM position);
    void TrackPointer();
    void Paint(HDC dc);
    void Refresh();
    void Destroy();

    Command command_;
    HWND window_ = nullptr;
    HWND notify_ = nullptr;
    int id_ = 0;
    const CommandSkinSet* skins_ = nullptr;
    CommandFont ambientFont_;
    // Events before the stored properties are read (the window's first size) change nothing.
    bool isSited_ = false;

    PictureSurface image_;
    GdiObject<HFONT> font_;
    CommandFont fontShown_;  // what font_ was made from
    // The caption as the window's text too, so that other programs and tests find the button
    // by its caption.
    std::string windowText_;
};
