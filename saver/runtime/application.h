#pragma once
// The saver's process as the forms see it: it lives while a form is loaded, and ends either
// when the last form has unloaded after the start procedure returned, or at once through End.
//
//   Application app;
//   Main(app);        // loads forms, or returns with none loaded
//   return app.Run(); // the message loop, until no form is loaded
#include <windows.h>

class Application {
public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Dispatches window messages on this thread until no form is loaded. Returns at once when
    // none is. The result is the process's exit code.
    int Run();

    // Ends the process at once: no further handler runs and no form unloads; windows and
    // handles go with the process.
    [[noreturn]] void End();

private:
    friend class Form;
    void FormLoaded() { ++loadedForms_; }
    void FormUnloaded() { --loadedForms_; }

    int loadedForms_ = 0;
};

// Dispatches one message, waiting for it; false when the queue received WM_QUIT (which is put
// back for the outer loop).
bool PumpOneMessage();
