#pragma once
// The dialog's caption font: "ＭＳ Ｐゴシック" 9.75 points with the Japanese character set.
// Systems without it (Wine, most non-Japanese Windows) get the first other face of
// kDialogFaces they have: proportional Japanese faces first, a fixed-pitch one last.
#include <windows.h>

inline constexpr wchar_t kDialogFontFace[] = L"ＭＳ Ｐゴシック";
inline constexpr const wchar_t* kDialogFaces[] = {kDialogFontFace, L"MS PGothic",   L"Meiryo UI",
                                                  L"Yu Gothic UI", L"MS UI Gothic", L"IPAPGothic",
                                                  L"IPAGothic"};
inline constexpr double kDialogFontPoints = 9.75;

// Whether the system has the face with the Japanese character set.
bool FaceInstalled(const wchar_t* face);

// The caption font in `face`, at `dpi`; the caller deletes it. Null only when GDI cannot make
// any. Without `face`, the first of kDialogFaces the system has.
HFONT CreateDialogFont(int dpi, bool underline, const wchar_t* face = nullptr);
