#pragma once
// One top-level window of the saver, as a form: it loads without showing (its load handler
// runs at once), shows modelessly or modally, and unloads through its close-request handler,
// then its unload handler. A derived form adds its controls as members and overrides the
// handlers it needs; every handler runs on the one UI thread, inside the window procedure.
//
// No exception leaves a handler: the window procedure catches it and lets the platform's
// default answer stand.
#include <windows.h>

#include <string>
#include <vector>

#include "saver/runtime/application.h"
#include "saver/runtime/owned_window.h"

class PictureSurface;
class Timer;

struct FormStyle {
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD extendedStyle = 0;
    int x = CW_USEDEFAULT;  // outer position and size in pixels
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
};

// Why a form unloads, as its close-request handler learns it.
enum class UnloadReason {
    Code,           // the program's own Unload call
    CloseRequest,   // WM_CLOSE: the system menu, Alt+F4, another program
    SessionEnding,  // Windows logs the user off or shuts down
};

class Form : public OwnedWindow {
public:
    // `caption` is UTF-8; the window is made only when the form loads.
    Form(Application& application, std::string caption, FormStyle style);
    ~Form() override;

    // Creates the window, hidden, starts the timers that are enabled and runs OnLoad. False
    // when the window cannot be made (then nothing ran). Loading a loaded form does nothing.
    bool Load();
    // Loads when needed, shows the window and dispatches messages until the form unloads.
    void ShowModal();
    // Runs OnQueryUnload, then OnUnload, then destroys the window and its timers.
    void Unload(UnloadReason reason = UnloadReason::Code);

    bool IsLoaded() const { return isLoaded_; }
    const std::string& Caption() const { return caption_; }

protected:
    virtual void OnLoad() {}
    // The close request: the form is about to unload, whatever the reason.
    virtual void OnQueryUnload(UnloadReason) {}
    virtual void OnUnload() {}
    virtual void OnTimer(Timer&) {}
    // WM_COMMAND: a child control, or a control that notifies this form, reports an event.
    virtual void OnCommand(int /*controlId*/, int /*notification*/, HWND /*control*/) {}
    // The persistent picture that the window's background shows from its top-left corner;
    // whatever it leaves uncovered stays black. The caller keeps it; null shows black.
    void SetBackground(const PictureSurface* picture);

    Application& App() const { return application_; }

private:
    friend class Timer;
    void AddTimer(Timer& timer);
    void RemoveTimer(Timer& timer);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowDestroyed() override;
    void PaintBackground(HDC dc) const;

    Application& application_;
    std::string caption_;
    FormStyle style_;
    bool isLoaded_ = false;
    bool isUnloading_ = false;
    std::vector<Timer*> timers_;
    const PictureSurface* background_ = nullptr;
};
