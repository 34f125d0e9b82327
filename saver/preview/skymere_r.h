#pragma once
// Skymere_R, the preview form: a still picture of the scene that the control panel shows in
// its small preview window. The saver places the form inside that window as a child and
// leaves it there; the form ends when the window goes away (destroyed with it, or found gone
// by HostWatch), and with it the process.
#include <windows.h>

#include "saver/runtime/form.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/static_control.h"
#include "saver/runtime/timer.h"

class Skymere_R : public Form {
public:
    static constexpr char kCaption[] = "Preview Window";
    static constexpr int kImg_Prev = 100;

    // `resources` holds the built-in pictures.
    Skymere_R(Application& application, HMODULE resources);

    // Loads the form hidden, makes it a child of `host` covering its client area, sizes
    // Img_Prev to it and shows it. Nothing is shown when the form cannot be loaded.
    void ShowInside(HWND host);

protected:
    void OnLoad() override;
    void OnTimer(Timer& timer) override;

private:
    enum TimerId : UINT_PTR { kHostWatch = 1 };

    PictureSurface background_;  // the form's picture, at its natural size
    PictureSurface preview_;     // Img_Prev's picture
    StaticControl Img_Prev;
    HWND host_ = nullptr;
    // The control panel destroys its preview window without telling the saver; a window in
    // another process may take our child with it or leave it orphaned, so the form checks.
    Timer HostWatch;
};
