#pragma once
// The Command button as a child window of window class "SoravaneCommand", usable in any form.
// The window feeds focus, mouse and TmrMouse events to the portable Command and paints what it
// decides: the look into a persistent image, the caption over it.
//
//   CommandWindow Cmd_Set;
//   Cmd_Set.Create(form, {.id = kCmd_Set, .place = {316, 200, 81, 25}}, "設定", skins);
//   Cmd_Set.Initialize();  // in the form's load handler
//
// A press captures the mouse; Click follows only when the release that ends it lands on the
// button, and a capture taken away ends the press without one.
//
// Click arrives at the parent (or `notify`) as WM_COMMAND with the control's id in the low word
// of wParam, BN_CLICKED in the high word and the control's window in lParam, as from a push
// button. The handler may destroy the control's window.
#include <windows.h>

#include <string>

#include "saver/dialog/button/command_control.h"
#include "saver/dialog/button/command_skin_set.h"
#include "saver/runtime/geometry.h"
#include "saver/runtime/owned_window.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/win32_handles.h"

struct CommandPlacement {
    int id = 0;
    PixelRect place;        // in the parent's client area
    HWND notify = nullptr;  // receives Click; the parent when null
};

class CommandWindow final : public OwnedWindow, private CommandView {
public:
    CommandWindow();

    // Makes the window with its caption (UTF-8) and shows the enabled look. `skins` must
    // outlive the window. False when the window cannot be made.
    bool Create(HWND parent, const CommandPlacement& placement, std::string caption,
                const CommandSkinSet& skins);

    void Initialize() { command_.Initialize(); }
    void SetEnabled(bool enabled) { command_.SetEnabled(enabled); }
    const std::string& Caption() const { return command_.Caption(); }

    // The id of TmrMouse among the window's timers.
    static constexpr UINT_PTR kTmrMouse = 1;

private:
    // CommandView
    bool PaintSkin(CommandSkin skin, bool invertFace) override;
    void AppearanceChanged() override;
    void StartTmrMouse(unsigned intervalMs) override;
    void Click() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height);
    void OnButtonDown(MouseButton button);
    void OnButtonUp(MouseButton button, WPARAM buttonsStillDown, LPARAM position);
    void OnMouseMove(LPARAM position);
    // Whether a mouse message's client position lies on the button.
    bool IsOverClient(LPARAM position) const;
    void TrackPointer();
    void Paint(HDC dc);
    void Refresh();

    Command command_;
    HWND notify_ = nullptr;
    int id_ = 0;
    const CommandSkinSet* skins_ = nullptr;
    // Events before the caption is set (the window's first size) change nothing.
    bool isSited_ = false;
    bool releasingCapture_ = false;

    PictureSurface image_;
    GdiObject<HFONT> font_;
};
