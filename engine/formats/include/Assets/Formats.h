#pragma once
// Readers and writers of the asset files: meshes (.mesh), skeletons (.ske), clips (.anim) and
// cube maps (.dds). The renderer reads them; the asset builder writes them. docs/formats.md
// describes the byte layouts.
//
// Every reader checks each size, count, index and offset before use and refuses anything
// truncated, oversized, inconsistent or beyond the limits below: it returns false and says why
// in `error`, leaving `out` in an unspecified but valid state. Readers never throw on bad input,
// and an allocation that fails becomes a refusal too.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <Math/Math.h>

namespace Assets {

using Bytes = std::vector<std::uint8_t>;

// Limits that fit the assets of a demo, far beyond what the generated and imported ones use;
// anything larger is a corrupt or hostile file. docs/formats.md gives the reasons.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t{256} << 20;
constexpr std::uint32_t kMaxVertices = 1000000;
constexpr std::uint32_t kMaxIndices = 3000000;
constexpr std::uint32_t kMaxBones = 1024;           // bones of a skeleton, tracks of a clip
constexpr std::uint32_t kMaxKeys = 100000;          // keys of one channel of a track
constexpr std::uint32_t kMaxFaceSize = 2048;        // pixels along a cube-map face
constexpr float kMaxMagnitude = 1e5f;               // any stored float: lengths, times, matrix elements
constexpr float kMaxScale = 1e3f;                   // scale factors: bind scales and scale keys

// Reads a whole file of at most kMaxFileBytes. Accepts '\' as well as '/' as the separator. On
// failure returns false with a reason in `error`; `missing` tells a file that is not there from
// one that is unreadable.
bool ReadFileBytes(const std::string& path, Bytes& out, std::string& error, bool* missing = nullptr);
bool WriteFileBytes(const std::string& path, const Bytes& bytes, std::string& error);
// The path with every '\' turned into '/'.
std::string NormalizePath(const std::string& path);

// How reading an asset file straight from disk ended.
enum class FileResult { Read, Missing, Unreadable, Refused };

// The Read*File functions read a file of one kind straight from disk, parsing as they go: the
// header and every count are checked against the file's size and the limits above before the
// part they describe is read or anything is allocated for it, so a huge or hostile file is
// refused after a few bytes. They accept the same files as the readers of bytes below.

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
FileResult ReadMeshFile(const std::string& path, MeshData& out, std::string& error);
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
FileResult ReadSkeletonFile(const std::string& path, SkeletonData& out, std::string& error);
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
FileResult ReadAnimationFile(const std::string& path, AnimationData& out, std::string& error);
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
FileResult ReadCubeMapDdsFile(const std::string& path, CubeMapData& out, std::string& error);
Bytes WriteCubeMapDds(const CubeMapData& cubeMap);

}  // namespace Assets
