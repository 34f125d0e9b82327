#pragma once
// The colours of a classic Windows desktop of the saver's day: a teal-blue background, grey 3D
// window frames, blue title bars and a grey task bar.
#include "tools/pictures/colour.h"

namespace pictures::desktop {

inline constexpr Colour kBackgroundCentre = fromBytes(34, 132, 150);
inline constexpr Colour kBackgroundEdge = fromBytes(30, 100, 146);

inline constexpr Colour kFace = fromBytes(212, 208, 200);
inline constexpr Colour kHighlight = fromBytes(255, 255, 255);
inline constexpr Colour kShadow = fromBytes(128, 128, 128);
inline constexpr Colour kDarkShadow = fromBytes(64, 64, 64);

inline constexpr Colour kActiveTitleLeft = fromBytes(10, 36, 106);
inline constexpr Colour kActiveTitleRight = fromBytes(166, 202, 240);
inline constexpr Colour kInactiveTitleLeft = fromBytes(128, 128, 128);
inline constexpr Colour kInactiveTitleRight = fromBytes(192, 192, 192);

inline constexpr Colour kWindowBack = fromBytes(255, 255, 255);
inline constexpr Colour kText = fromBytes(24, 24, 24);
inline constexpr Colour kGreyText = fromBytes(150, 150, 150);
inline constexpr Colour kSelection = fromBytes(10, 36, 106);

}  // namespace pictures::desktop
