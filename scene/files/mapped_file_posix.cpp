#include "scene/files/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

MappedFile::MappedFile(const char* path) {
    const int file = open(path, O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return;
    }
    struct stat status = {};
    if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        const auto size = static_cast<size_t>(status.st_size);
        // The mapping keeps the file's pages after the descriptor is closed.
        void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
        if (view != MAP_FAILED) {
            bytes_ = {static_cast<const uint8_t*>(view), size};
        }
    }
    close(file);
}

MappedFile::~MappedFile() {
    if (!bytes_.empty()) {
        munmap(const_cast<uint8_t*>(bytes_.data()), bytes_.size());
    }
}
