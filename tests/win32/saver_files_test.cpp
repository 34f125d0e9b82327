// The file services the saver's start relies on: what counts as an existing file, copying the
// model over an older copy, making the work folder, and where the program lives.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "saver/runtime/files.h"
#include "saver/skymere_b_files.h"
#include "saver/skymere_b_routines.h"
#include "tests/support/temp_folder.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

TEST(SaverFilesWin32, FileExistsForReadableFilesOnly) {
    TempFolder temp;
    const std::string file = temp.file("Soravane.dll");
    WriteBytes(file, "MZ");
    const std::string folder = temp.file("Music");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    Win32FilePort port;

    EXPECT_TRUE(FileExists(port, file));
    EXPECT_TRUE(FileExists(port, file + "\\"));  // one trailing backslash is ignored
    EXPECT_FALSE(FileExists(port, folder));
    EXPECT_FALSE(FileExists(port, folder + "\\"));
    EXPECT_FALSE(FileExists(port, temp.file("Soravane.data")));
    EXPECT_FALSE(FileExists(port, ""));
    EXPECT_FALSE(FileExists(port, temp.file("bad|name?.dll")));
}

TEST(SaverFilesWin32, FileExistsForAFileOpenedByAnotherWriter) {
    TempFolder temp;
    const std::string file = temp.file("song.wav");
    WriteBytes(file, "RIFF");
    HANDLE writer = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    Win32FilePort port;
    EXPECT_TRUE(FileExists(port, file));
    CloseHandle(writer);
}

TEST(SaverFilesWin32, CopyReplacesAnOlderCopyButLeavesAReadOnlyOneAlone) {
    TempFolder temp;
    const std::string model = temp.file("Soravane.data");
    const std::string copy = temp.file("Skymere.data");
    WriteBytes(model, std::string("MS3D000000\x04\0\0\0", 14));

    WriteBytes(copy, "an older, longer model file");
    EXPECT_TRUE(CopyFileOver(model, copy));
    EXPECT_EQ(ReadBytes(copy), ReadBytes(model));

    WriteBytes(copy, "kept");
    SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(CopyFileOver(model, copy));
    EXPECT_EQ(ReadBytes(copy), "kept");
    SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_FALSE(CopyFileOver(temp.file("missing.data"), copy));
    EXPECT_EQ(ReadBytes(copy), "kept");
}

TEST(SaverFilesWin32, CreateFolderMakesTheFolderOnce) {
    TempFolder temp;
    const std::string folder = temp.file("qorvin");
    EXPECT_TRUE(CreateFolder(folder));
    EXPECT_NE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_FALSE(CreateFolder(folder));
    EXPECT_FALSE(CreateFolder(temp.file("no\\such\\parent")));
}

TEST(SaverFilesWin32, ProgramFolderIsTheTestProgramsFolderWithoutTrailingBackslash) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string expected(path);
    expected.resize(expected.find_last_of('\\'));

    const std::string folder = ProgramFolder();
    EXPECT_EQ(folder, expected);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
}

}  // namespace
