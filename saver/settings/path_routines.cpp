#include "saver/settings/path_routines.h"

bool FileExists(FilePort& port, std::string_view path) {
    if (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    return port.OpensForReading(path);
}

std::string DirOf(std::string_view path) {
    const std::size_t lastSeparator = path.find_last_of(":\\");
    if (lastSeparator == std::string_view::npos) {
        return {};
    }
    std::string_view folder = path.substr(0, lastSeparator + 1);
    if (folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}
