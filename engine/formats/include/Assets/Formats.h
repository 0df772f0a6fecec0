#pragma once
// Readers and writers of the asset files: meshes (.mesh), skeletons (.ske), clips (.anim) and
// cube maps (.dds). The renderer reads them; the asset builder writes them. docs/formats.md
// describes the byte layouts.
//
// Every reader checks each size, count, index and offset before use and refuses anything
// truncated, oversized or inconsistent: it returns false and says why in `error`, leaving
// `out` in an unspecified but valid state. Readers never throw on bad input.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <Math/Math.h>

namespace Assets {

using Bytes = std::vector<std::uint8_t>;

// Reads a whole file. Accepts '\' as well as '/' as the separator. On failure returns false
// with a reason in `error`; `missing` tells a file that is not there from one that is unreadable.
bool ReadFileBytes(const std::string& path, Bytes& out, std::string& error, bool* missing = nullptr);
bool WriteFileBytes(const std::string& path, const Bytes& bytes, std::string& error);
// The path with every '\' turned into '/'.
std::string NormalizePath(const std::string& path);

// ---- Meshes ------------------------------------------------------------------------------

constexpr int MaxBoneInfluences = 4;

struct MeshVertex {
    Math::Vector3 position;
    Math::Vector3 normal;
    Math::Vector2 uv;
    std::array<std::uint8_t, 4> color{255, 255, 255, 255};  // RGBA, sRGB
    // Skinned meshes only: up to four bones and their weights (summing to 1).
    std::array<std::uint8_t, MaxBoneInfluences> boneIndices{0, 0, 0, 0};
    std::array<float, MaxBoneInfluences> boneWeights{1.0f, 0.0f, 0.0f, 0.0f};
};

struct MeshData {
    bool skinned = false;
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;  // triangle list; every index < vertices.size()
};

bool ReadMesh(const Bytes& bytes, MeshData& out, std::string& error);
Bytes WriteMesh(const MeshData& mesh);

// ---- Skeletons ---------------------------------------------------------------------------

struct BoneData {
    std::string name;
    std::int32_t parent = -1;      // index of an earlier bone, or -1 for a root
    Math::VQS bindPose;            // local pose relative to the parent
    Math::Matrix4 inverseBind;     // inverse of the bone's model-space bind matrix
};

struct SkeletonData {
    std::vector<BoneData> bones;   // parents before children
};

bool ReadSkeleton(const Bytes& bytes, SkeletonData& out, std::string& error);
Bytes WriteSkeleton(const SkeletonData& skeleton);

// ---- Animation clips ---------------------------------------------------------------------

struct Vector3Key {
    float time = 0.0f;
    Math::Vector3 value;
};

struct RotationKey {
    float time = 0.0f;
    Math::Quaternion value;
};

// Keys of one bone, each list sorted by strictly increasing time.
struct BoneTrack {
    std::uint32_t bone = 0;  // index into the skeleton
    std::vector<Vector3Key> translations;
    std::vector<RotationKey> rotations;
    std::vector<Vector3Key> scales;
};

struct AnimationData {
    float duration = 0.0f;         // in clip time units, > 0
    // At most one track per bone. Files hold them in increasing bone order (the writer sorts
    // them), so a clip that was read has them in that order.
    std::vector<BoneTrack> tracks;
};

bool ReadAnimation(const Bytes& bytes, AnimationData& out, std::string& error);
Bytes WriteAnimation(const AnimationData& clip);

// ---- Cube maps ---------------------------------------------------------------------------

// Six square RGBA8 faces in the order +x, -x, +y, -y, +z, -z, each `size` * `size` * 4 bytes,
// rows top to bottom as a DDS file stores them.
struct CubeMapData {
    std::uint32_t size = 0;
    std::array<Bytes, 6> faces;
};

// A standard DDS cube map (uncompressed 32-bit RGBA or BGRA, top mip level used).
bool ReadCubeMapDds(const Bytes& bytes, CubeMapData& out, std::string& error);
Bytes WriteCubeMapDds(const CubeMapData& cubeMap);

}  // namespace Assets
