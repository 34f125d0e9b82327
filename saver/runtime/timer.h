#pragma once
// A form's timer: an interval in milliseconds and an enabled flag. Its ticks arrive as
// WM_TIMER messages on the form's thread and reach the form's OnTimer, so they never overlap
// one another or any other handler. A timer runs only while its form is loaded and it is
// enabled.
//
// Each form names its timers' ids in its own enumeration; ids are unique within the form.
#include <windows.h>

class Form;

class Timer {
public:
    Timer(Form& owner, UINT_PTR id, UINT intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    UINT_PTR Id() const { return id_; }

private:
    friend class Form;
    // Starts or stops the platform timer to match the flag, when the form has its window.
    void Apply();

    Form& owner_;
    UINT_PTR id_;
    UINT intervalMs_;
    bool enabled_;
};
