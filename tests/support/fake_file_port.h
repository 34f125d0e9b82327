#pragma once
// Profile files in memory, by file, section and key, behind the saver's file port.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

#include "saver/settings/file_port.h"

class FakeFiles : public FilePort {
public:
    using Place = std::tuple<std::string, std::string, std::string>;
    std::map<Place, std::string> values;
    std::set<std::string> readableFiles;
    std::set<std::string> unwritableKeys;

    std::string ReadIni(std::string_view section, std::string_view key,
                        std::string_view file) override {
        const auto found = values.find({std::string(file), std::string(section), std::string(key)});
        return found != values.end() ? found->second : std::string();
    }
    bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file) override {
        if (unwritableKeys.count(std::string(key)) > 0) {
            return false;
        }
        values[{std::string(file), std::string(section), std::string(key)}] = value;
        return true;
    }
    // All or nothing, as a copy that replaces the file would be.
    bool EditApart(std::string_view file,
                   const std::function<bool(std::string_view copy)>& edit) override {
        const auto before = values;
        if (edit(file)) {
            return true;
        }
        values = before;
        return false;
    }
    bool OpensForReading(std::string_view path) override {
        return readableFiles.count(std::string(path)) > 0;
    }
};
