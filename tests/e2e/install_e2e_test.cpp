// The setup and its uninstaller as a user runs them silently: the three files in the user's
// programs folder with their versions, Soravane made the screen saver and found in Apps &
// features; then everything of ours gone (its settings and work files too), the previous
// screen saver back and a stranger's file in the work folder kept.
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

    // What the installed saver writes: its settings beside it, the work folder, and a file of
    // someone else's there. (The installed files are the shipped ones, which the other
    // scenarios run.)
    ASSERT_TRUE(writeWholeFile(folder + "\\Soravane.ini", "[Section]\r\n"));
    ASSERT_TRUE(e2e::prepareWorkFolder({}));
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
    for (const char* ours : {contract::kGroundBitmapPath, contract::kSmokeBitmapPath,
                             contract::kSkyBitmapPath, contract::kModelPath}) {
        EXPECT_FALSE(e2e::fileExists(ours)) << ours;
    }
}

}  // namespace
