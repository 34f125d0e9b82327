#pragma once
// The settings dialog's rules, apart from its window: which music kind box is marked and
// which controls a kind enables, and the repeat combo box's texts.
// Skymere_P asks these and only moves controls; the unit tests ask them directly.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "saver/settings/shared_state.h"

// What a music kind shows: the kind whose box is marked (none for a kind outside 0 to 2,
// which stays as read and is written back unchanged), and the two controls it enables.
struct KindSelection {
    std::optional<int> markedBox;  // index into Img_BGM, which is the kind itself
    bool cmdFileEnabled = false;   // the file chooser belongs to sound files only
    bool repeatEnabled = false;    // the repeat track belongs to the music CD only
};

KindSelection SelectKind(std::int16_t bgmMode);

inline constexpr int kRepeatListLength = 31;  // 0 (shown empty) to 30

// The combo box's text for `bgmRepeat`, "##": 0 gives the empty text, 12 gives "12".
std::string RepeatText(std::int16_t bgmRepeat);
// The list entries: the empty text, then "1" to "30".
std::array<std::string, kRepeatListLength> RepeatListTexts();

// The repeat track typed or chosen in the combo box: the whole text as a number, rounded
// halves to even ("2.5" gives 2, " 7 " gives 7). Text that is no number, and a number
// outside 16 bits, give 0: the CD player takes 0 as "repeat the whole disc", the safe reading
// of a track that cannot exist.
std::int16_t RepeatFromText(std::string_view text);
