#include "saver/dialog/rules.h"

#include "saver/runtime/number_parse.h"
#include "saver/runtime/number_text.h"
#include "saver/runtime/rounding.h"

KindSelection SelectKind(std::int16_t bgmMode) {
    KindSelection selection;
    if (bgmMode >= kBgmNone && bgmMode <= kBgmSoundFile) {
        selection.markedBox = bgmMode;
    }
    selection.cmdFileEnabled = bgmMode == kBgmSoundFile;
    selection.repeatEnabled = bgmMode == kBgmCd;
    return selection;
}

std::string RepeatText(std::int16_t bgmRepeat) {
    return FormatHashPattern(bgmRepeat);
}

std::array<std::string, kRepeatListLength> RepeatListTexts() {
    std::array<std::string, kRepeatListLength> texts;
    for (int track = 0; track < kRepeatListLength; ++track) {
        texts[static_cast<std::size_t>(track)] = FormatHashPattern(track);
    }
    return texts;
}

std::int16_t RepeatFromText(std::string_view text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) {
        return 0;
    }
    return RoundToInt16(*number).value_or(0);
}
