#pragma once
// The dialog's caption font: "ＭＳ Ｐゴシック" 9.75 points with the Japanese character set.
// Systems without it (Wine, most non-Japanese Windows) get another Japanese face, so the
// captions still show.
#include <windows.h>

inline constexpr wchar_t kDialogFontFace[] = L"ＭＳ Ｐゴシック";
inline constexpr double kDialogFontPoints = 9.75;

// The caller deletes the font. Null only when GDI cannot make any.
HFONT CreateDialogFont(int dpi, bool underline);
