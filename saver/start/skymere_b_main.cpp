// Soravane.scr: Skymere_B's start procedure Main, which the system starts to run the screen
// saver ("/s"), to configure it ("/c") or to preview it in the control panel ("/p <window>").
//
// A run prepares the work folder and loads the hidden main form Skymere_S, which starts the
// scene program and watches it; the process ends when that form unloads. Configure shows
// the settings dialog Skymere_P and ends when it closes; preview places Skymere_R inside the
// control panel's window and ends when that window goes. Every other mode ends once its
// steps are done. Each step's failure is ignored and the next step runs; the
// only messages are the two about a file missing beside the saver.
#include <windows.h>

#include <optional>
#include <string>

#include "contract/work_folder.h"
#include "saver/dialog/skymere_p.h"
#include "saver/preview/skymere_r.h"
#include "saver/run/beside_saver.h"
#include "saver/run/skymere_s.h"
#include "saver/runtime/application.h"
#include "saver/runtime/files.h"
#include "saver/runtime/message_box.h"
#include "saver/runtime/win32_text.h"
#include "saver/settings/path_routines.h"
#include "saver/settings/settings_file.h"
#include "saver/settings/shared_state.h"
#include "saver/settings/win32_file_port.h"
#include "saver/start/command_line.h"

namespace {

constexpr char kApplicationTitle[] = "Soravane";
constexpr char kSceneProgramMissing[] = "Soravane.dll が同じﾌｫﾙﾀﾞに見つかりません！";
constexpr char kModelFileMissing[] = "Soravane.data が同じﾌｫﾙﾀﾞに見つかりません！";

// Skymere_B: the shared state and the forms of one saver process.
struct Skymere_B {
    Application application;
    SharedState state;
    Win32FilePort files;
    std::optional<Skymere_S> mainForm;
    std::optional<Skymere_P> settingsDialog;
    std::optional<Skymere_R> previewForm;
};

bool SaverAlreadyOpen() {
    // Hidden windows count too: no class is given, only the title.
    return FindWindowA(nullptr, contract::kSaverWindowTitle) != nullptr ||
           FindWindowA(nullptr, contract::kDialogWindowTitle) != nullptr;
}

// Shows the message when `file` is missing beside the saver; true when it is there.
bool RequireBesideSaver(Skymere_B& saver, const std::string& file, const char* message) {
    if (FileExists(saver.files, file)) {
        return true;
    }
    ShowMessageBox(message, kApplicationTitle);
    return false;
}

void Main(Skymere_B& saver, HMODULE resources) {
    const std::string commandLine = WideToUtf8(GetCommandLineW());
    const SaverMode mode = ParseSaverMode(ArgumentText(commandLine));

    if (SaverAlreadyOpen()) {
        return;
    }
    if (mode == SaverMode::Preview) {
        // Handles are 32-bit values, sign-extended as the platform does.
        const auto host = reinterpret_cast<HWND>(
            static_cast<INT_PTR>(PreviewHostWindow(ArgumentText(commandLine))));
        // A handle naming no window leaves nothing to show in: end at once rather than
        // live on as an invisible form.
        if (host == nullptr || IsWindow(host) == FALSE) {
            return;
        }
        saver.previewForm.emplace(saver.application, resources);
        saver.previewForm->ShowInside(host);
        return;
    }

    const std::string programFolder = ProgramFolder();
    CreateFolder(contract::kWorkFolder);  // usually there already
    LoadSettings(saver.files, programFolder, saver.state);
    if (!RequireBesideSaver(saver, programFolder + beside_saver::kSceneProgram,
                            kSceneProgramMissing) ||
        !RequireBesideSaver(saver, programFolder + beside_saver::kModelFile, kModelFileMissing)) {
        return;
    }

    switch (mode) {
        case SaverMode::Configure:
            saver.settingsDialog.emplace(saver.application, saver.state, saver.files, programFolder,
                                         resources);
            saver.settingsDialog->ShowModal();
            saver.application.End();
        case SaverMode::Unsupported:
        case SaverMode::Preview:
            return;
        case SaverMode::Run:
        case SaverMode::RunShowingCursor:
            break;
    }
    if (HidesCursor(mode)) {
        ShowCursor(FALSE);
    }
    saver.mainForm.emplace(saver.application, saver.state, HidesCursor(mode), programFolder,
                           resources);
    saver.mainForm->Load();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Nothing is thrown on purpose; should memory run out, the saver ends quietly.
    try {
        Skymere_B saver;
        Main(saver, instance);
        return saver.application.Run();
    } catch (...) {
        return 0;
    }
}
