#include "saver/start/command_line.h"

#include "saver/runtime/number_parse.h"
#include "saver/runtime/rounding.h"
#include "saver/runtime/text.h"

std::string_view ArgumentText(std::string_view commandLine) {
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        const std::size_t closingQuote = commandLine.find('"', 1);
        pos = closingQuote == std::string_view::npos ? commandLine.size() : closingQuote + 1;
    } else {
        while (pos < commandLine.size() && !IsBlank(commandLine[pos])) {
            ++pos;
        }
    }
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) {
        ++pos;
    }
    return commandLine.substr(pos);
}

SaverMode ParseSaverMode(std::string_view argumentText) {
    if (argumentText.empty()) {
        return SaverMode::RunShowingCursor;
    }
    const std::string_view fromSecond = CharactersFrom(argumentText, 2);
    if (fromSecond.empty()) {
        return SaverMode::Unsupported;
    }
    switch (UpperCaseAscii(fromSecond.substr(0, 1)).front()) {
        case 'P':
            return SaverMode::Preview;
        case 'C':
            return SaverMode::Configure;
        case 'S':
            return SaverMode::Run;
        default:
            return SaverMode::Unsupported;
    }
}

bool HidesCursor(SaverMode mode) {
    return mode == SaverMode::Run;
}

std::int32_t PreviewHostWindow(std::string_view argumentText) {
    return RoundToInt32(ParseLeadingNumber(CharactersFrom(argumentText, 4))).value_or(0);
}
