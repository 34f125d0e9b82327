#include "saver/runtime/timer.h"

#include "saver/runtime/form.h"

Timer::Timer(Form& owner, UINT_PTR id, UINT intervalMs, bool enabled)
    : owner_(owner), id_(id), intervalMs_(intervalMs), enabled_(enabled) {
    owner_.AddTimer(*this);
}

Timer::~Timer() {
    if (owner_.Window() != nullptr) {
        KillTimer(owner_.Window(), id_);
    }
    owner_.RemoveTimer(*this);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;  // a running timer keeps its rhythm
    }
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    HWND window = owner_.Window();
    if (window == nullptr) {
        return;
    }
    if (enabled_ && intervalMs_ > 0) {
        SetTimer(window, id_, intervalMs_, nullptr);
    } else {
        KillTimer(window, id_);
    }
}
