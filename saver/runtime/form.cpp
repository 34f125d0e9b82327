#include "saver/runtime/form.h"

#include <algorithm>

#include "saver/runtime/picture_surface.h"
#include "saver/runtime/timer.h"
#include "saver/runtime/win32_text.h"

namespace {

constexpr wchar_t kFormClassName[] = L"SoravaneForm";

}  // namespace

Form::Form(Application& application, std::string caption, FormStyle style)
    : application_(application), caption_(std::move(caption)), style_(style) {}

Form::~Form() {
    DestroyOwnedWindow();
    if (isLoaded_) {
        application_.FormUnloaded();
    }
}

bool Form::Load() {
    if (IsLoaded()) {
        return true;
    }
    const WindowSpec spec = {
        .className = kFormClassName,
        .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
        .style = style_.style & ~WS_VISIBLE,
        .extendedStyle = style_.extendedStyle,
        .place = {style_.x, style_.y, style_.width, style_.height},
    };
    if (!CreateOwnedWindow(spec, Utf8ToWide(caption_))) {
        return false;
    }
    isLoaded_ = true;
    application_.FormLoaded();
    for (Timer* timer : timers_) {
        timer->Apply();
    }
    OnLoad();
    return true;
}

void Form::ShowModal() {
    if (!Load()) {
        return;
    }
    ShowWindow(Window(), SW_SHOW);
    while (IsLoaded() && PumpOneMessage()) {
    }
}

void Form::Unload(UnloadReason reason) {
    if (!IsLoaded() || isUnloading_) {
        return;
    }
    isUnloading_ = true;
    OnQueryUnload(reason);
    OnUnload();
    DestroyOwnedWindow();
    isUnloading_ = false;
    isLoaded_ = false;
    application_.FormUnloaded();
}

void Form::SetBackground(const PictureSurface* picture) {
    background_ = picture;
    if (Window() != nullptr) {
        InvalidateRect(Window(), nullptr, TRUE);
    }
}

void Form::AddTimer(Timer& timer) {
    timers_.push_back(&timer);
}

void Form::RemoveTimer(Timer& timer) {
    std::erase(timers_, &timer);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: {
            const auto found =
                std::find_if(timers_.begin(), timers_.end(),
                             [&](const Timer* timer) { return timer->Id() == wParam; });
            if (found != timers_.end() && (*found)->Enabled()) {
                OnTimer(**found);
            }
            return 0;
        }
        case WM_CLOSE:
            // Unloading destroys the window; the default answer would destroy it a second time.
            Unload(UnloadReason::CloseRequest);
            return 0;
        case WM_QUERYENDSESSION:
            // The forms never hold the session: they unload and let Windows go on.
            Unload(UnloadReason::SessionEnding);
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                Unload(UnloadReason::SessionEnding);
            }
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_ERASEBKGND:
            if (background_ != nullptr && !background_->IsEmpty()) {
                PaintBackground(reinterpret_cast<HDC>(wParam));
                return 1;
            }
            break;
        default:
            break;
    }
    return OwnedWindow::HandleMessage(message, wParam, lParam);
}

// Destroyed from outside (the owner went away): the form is no longer loaded.
void Form::OnWindowDestroyed() {
    if (!isLoaded_) {
        return;
    }
    isLoaded_ = false;
    application_.FormUnloaded();
    // A destruction sent from another thread (a parent window in another process) is handled
    // inside GetMessage, which would go on waiting: wake the message loop so that it sees the
    // form gone.
    PostMessageW(nullptr, WM_NULL, 0, 0);
}

void Form::PaintBackground(HDC dc) const {
    RECT client = {};
    GetClientRect(Window(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    BitBlt(dc, 0, 0, background_->Width(), background_->Height(), background_->Dc(), 0, 0, SRCCOPY);
}
