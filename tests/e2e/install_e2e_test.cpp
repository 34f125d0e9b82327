// The setup and its uninstaller as a user runs them silently: the three files in the user's
// programs folder, Soravane made the screen saver and found in Apps & features, the installed
// saver running and keeping its settings beside itself; then everything of ours gone, the
// previous screen saver back and a stranger's file in the work folder kept.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "contract/work_folder.h"
#include "soravane_version.h"
#include "tests/e2e/saver_e2e_support.h"
#include "tests/support/whole_files.h"

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Soravane";
constexpr char kPreviousSaver[] = "C:\\windows\\system32\\previous.scr";

// A string value under HKEY_CURRENT_USER, or "(none)" when there is none.
std::string UserValue(const char* key, const char* name) {
    char value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return "(none)";
    }
    return value;
}

// A program's file and product versions from its fixed version information, then its
// product name: "1.0 0.0 1.0 0.0 Soravane" for 1.0.0.0 twice.
std::string VersionOf(const std::string& program) {
    std::string block(GetFileVersionInfoSizeA(program.c_str(), nullptr), '\0');
    VS_FIXEDFILEINFO* fixed = nullptr;
    char* name = nullptr;
    UINT size = 0;
    if (block.empty() || !GetFileVersionInfoA(program.c_str(), 0, block.size(), block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size) ||
        !VerQueryValueA(block.data(), "\\StringFileInfo\\041104B0\\ProductName",
                        reinterpret_cast<void**>(&name), &size)) {
        return "(none)";
    }
    std::string text;
    for (const DWORD word : {fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                             fixed->dwProductVersionMS, fixed->dwProductVersionLS}) {
        text += std::to_string(word >> 16) + "." + std::to_string(word & 0xFFFF) + " ";
    }
    return text + name;
}

// The name the screen-saver list shows: string resource 1 of the saver.
std::string ListedName(const std::string& saver) {
    HMODULE module = LoadLibraryExA(saver.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    char name[64] = {};
    LoadStringA(module, 1, name, sizeof name);
    FreeLibrary(module);
    return name;
}

TEST(Setup, InstallsForTheUserAndItsUninstallerTakesEverythingOfOursAway) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", REG_SZ,
                              kPreviousSaver, sizeof kPreviousSaver),
              ERROR_SUCCESS);
    const std::string setup =
        "Z:" SORAVANE_PACKAGE_DIR "/Soravane-" SORAVANE_VERSION_TEXT "-setup.exe";
    ASSERT_EQ(e2e::Process('"' + setup + "\" /S").waitForExit(60000), 0);

    char localAppData[MAX_PATH] = {};
    GetEnvironmentVariableA("LOCALAPPDATA", localAppData, MAX_PATH);
    const std::string folder = std::string(localAppData) + "\\Programs\\Soravane";
    const std::string saver = folder + "\\Soravane.scr";
    for (const char* name : {"Soravane.scr", "Soravane.dll", "Soravane.data"}) {
        EXPECT_TRUE(readWholeFile(folder + "\\" + name) == readWholeFile(e2e::shippedFile(name)))
            << name;
    }
    EXPECT_EQ(UserValue(kDesktopKey, "SCRNSAVE.EXE"), saver);
    EXPECT_EQ(UserValue(kUninstallKey, "DisplayVersion"), SORAVANE_VERSION_TEXT);
    EXPECT_EQ(UserValue(kUninstallKey, "QuietUninstallString"),
              '"' + folder + "\\Uninstall.exe\" /S");
    const std::string numbers = std::to_string(SORAVANE_VERSION_MAJOR) + "." +
                                std::to_string(SORAVANE_VERSION_MINOR) + " " +
                                std::to_string(SORAVANE_VERSION_PATCH) + ".0 ";
    const std::string version = numbers + numbers + "Soravane";
    EXPECT_EQ(VersionOf(saver), version);
    EXPECT_EQ(VersionOf(folder + "\\Soravane.dll"), version);
    EXPECT_EQ(ListedName(saver), "Soravane");

    // The installed saver runs the scene, which Escape ends, and the saver with it.
    e2e::removeWorkFolder();
    e2e::Process run('"' + saver + "\" /s");
    HWND scene = e2e::waitForWindow(contract::kSceneWindowTitle, 30000);
    ASSERT_NE(scene, nullptr);
    const HANDLE sceneProcess = e2e::openProcessOf(scene);
    WaitForInputIdle(sceneProcess, 10000);
    CloseHandle(sceneProcess);
    Sleep(2000);  // its display switched and its first frames drawn: it has the keyboard
    SetForegroundWindow(scene);
    e2e::pressKey(VK_ESCAPE);
    EXPECT_EQ(run.waitForExit(20000), 0);
    run.kill();  // not left running for the scenarios after this one
    // Its settings go beside it.
    e2e::Process settings('"' + saver + "\" /c");
    HWND dialog = e2e::waitForWindow(contract::kDialogWindowTitle, 20000);
    ASSERT_NE(dialog, nullptr);
    settings.waitUntilIdle(5000);
    e2e::clickWindow(e2e::findChildByText(dialog, "設定"));
    EXPECT_EQ(settings.waitForExit(20000), 0);
    EXPECT_TRUE(e2e::fileExists(folder + "\\Soravane.ini"));

    const std::string stranger = std::string(contract::kWorkFolder) + "\\notes.txt";
    ASSERT_TRUE(writeWholeFile(stranger, "not the saver's"));
    ASSERT_EQ(e2e::Process('"' + folder + "\\Uninstall.exe\" /S").waitForExit(60000), 0);
    // The uninstaller runs on from a copy of itself in the temporary folder; its entry goes last.
    for (int i = 0; i < 300 && UserValue(kUninstallKey, "DisplayName") != "(none)"; ++i) {
        Sleep(100);
    }
    EXPECT_FALSE(e2e::fileExists(folder));
    EXPECT_EQ(UserValue(kUninstallKey, "UninstallString"), "(none)");
    EXPECT_EQ(UserValue(kDesktopKey, "SCRNSAVE.EXE"), kPreviousSaver);
    EXPECT_EQ(readWholeFile(stranger), "not the saver's");
    EXPECT_FALSE(e2e::fileExists(contract::kGroundBitmapPath));
    EXPECT_FALSE(e2e::fileExists(contract::kModelPath));
}

}  // namespace
