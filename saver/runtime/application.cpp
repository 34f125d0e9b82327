#include "saver/runtime/application.h"

int Application::Run() {
    while (loadedForms_ > 0 && PumpOneMessage()) {
    }
    return 0;
}

void Application::End() {
    ExitProcess(0);
}

bool PumpOneMessage() {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
        }
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}
