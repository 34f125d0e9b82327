#pragma once
// The files that ship beside Soravane.scr, as they are appended to the saver's folder (which
// has no trailing backslash). The settings file's name is in settings_file.h.
namespace beside_saver {

inline constexpr char kSceneProgram[] = "\\Soravane.dll";
inline constexpr char kModelFile[] = "\\Soravane.data";

}  // namespace beside_saver
