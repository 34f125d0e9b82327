#pragma once
// The contract between the saver (Soravane.scr) and the scene program (Soravane.dll): the
// files the saver writes into the work folder before it starts the scene, and the window
// titles each program watches for. Both programs take these names from here only.

namespace contract {

inline constexpr char kWorkFolder[] = "C:\\qorvin";
inline constexpr char kGroundBitmapPath[] = "C:\\qorvin\\Skymere1.bmp";  // desktop snapshot
inline constexpr char kSmokeBitmapPath[] = "C:\\qorvin\\Skymere2.bmp";   // 32 x 32 puff
inline constexpr char kSkyBitmapPath[] = "C:\\qorvin\\Skymere3.bmp";     // 512 x 512 clouds
inline constexpr char kModelPath[] = "C:\\qorvin\\Skymere.data";         // copy of the jet model

inline constexpr char kSceneWindowTitle[] = "Skymere_VC";
inline constexpr char kSaverWindowTitle[] = "Skymere_Main";
inline constexpr char kDialogWindowTitle[] = "<Soravane>";

}  // namespace contract
