#pragma once
// A fresh folder for one test's files, removed with everything in it afterwards.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tools/file_bytes.h"

class TempFolder {
public:
    TempFolder() { std::filesystem::create_directories(path_); }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes `bytes` as the file `name` and returns its path.
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        tools::writeFileBytes(path_ / name, bytes);
        return file(name);
    }

private:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("soravane-test-" + std::to_string(std::random_device()()) +
                                   std::to_string(std::random_device()()));
};
