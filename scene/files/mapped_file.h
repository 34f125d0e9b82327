#pragma once
// A file's bytes mapped read-only into memory instead of read into a buffer: the pages are the
// file system's cache, so nothing is copied and no fresh memory is touched (each fresh page
// costs a fault, which for a screen-sized picture adds up to milliseconds). While the mapping
// lasts the platform keeps the file from being cut short.
#include <cstdint>
#include <span>

class MappedFile {
public:
    // Empty when the file cannot be opened or mapped, or holds nothing.
    explicit MappedFile(const char* path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const uint8_t> bytes() const { return bytes_; }

private:
    std::span<const uint8_t> bytes_;
};
