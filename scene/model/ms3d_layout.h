#pragma once
// Record sizes and field offsets of the MilkShape 3D binary format (MS3D), shared by the
// reader and by the tool that writes our jet model. All values are little-endian; the file
// is a header and then four sections (vertices, triangles, groups, materials), each a 16-bit
// count followed by its records. What follows the materials (animation, joints, comments) is
// of no interest to the scene.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ms3d {

inline constexpr std::string_view kIdentifier = "MS3D000000";  // no terminator in the file
inline constexpr int32_t kOldestVersion = 3;
inline constexpr int32_t kNewestVersion = 4;
inline constexpr size_t kHeaderSize = 14;  // identifier, then the 32-bit version

inline constexpr size_t kVertexSize = 15;  // flags, x y z, bone index, reference count
inline constexpr size_t kVertexPositionOffset = 1;
inline constexpr size_t kVertexBoneOffset = 13;

inline constexpr size_t kTriangleSize = 70;
inline constexpr size_t kTriangleIndicesOffset = 2;  // three 16-bit vertex indices
inline constexpr size_t kTriangleNormalsOffset = 8;  // three corners of x y z
inline constexpr size_t kTriangleSOffset = 44;       // s of the three corners
inline constexpr size_t kTriangleTOffset = 56;       // t of the three corners, v pointing down
inline constexpr size_t kTriangleSmoothingOffset = 68;
inline constexpr size_t kTriangleGroupOffset = 69;

// A group is flags and name, a 16-bit triangle count, that many 16-bit triangle indices and
// a signed material byte (-1 for none).
inline constexpr size_t kGroupNameOffset = 1;
inline constexpr size_t kNameSize = 32;
inline constexpr size_t kGroupCountOffset = 33;
inline constexpr size_t kGroupFixedSize = 36;  // a group record without its triangle indices

inline constexpr size_t kMaterialSize = 361;
inline constexpr size_t kMaterialAmbientOffset = 32;  // then diffuse, specular, emissive
inline constexpr size_t kMaterialShininessOffset = 96;
inline constexpr size_t kMaterialTransparencyOffset = 100;
inline constexpr size_t kMaterialTextureOffset = 105;
inline constexpr size_t kMaterialAlphaMapOffset = 233;
inline constexpr size_t kFileNameSize = 128;  // texture and alpha map names, NUL-terminated

inline constexpr size_t kMaxCount = 0xFFFF;  // every section count is 16 bits

}  // namespace ms3d
