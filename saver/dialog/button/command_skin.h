#pragma once
// The six looks of the Command button and the skin pictures they come from. Each picture is
// 64 x 25 pixels; the button uses only the ring of kSkinCorner pixels along its border (corners
// unscaled, edges stretched), never its middle.
#include <cstddef>

enum class CommandSkin {
    Normal,
    HighLight,
    HighLightSelect,  // the same picture as HighLight
    Selected,
    Pressed,
    Disable,
};

inline constexpr std::size_t kCommandSkinCount = 6;

inline constexpr int kSkinWidth = 64;
inline constexpr int kSkinHeight = 25;
inline constexpr int kSkinCorner = 4;  // the ring's width, and a corner's width and height
