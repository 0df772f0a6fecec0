#include <Assets/Formats.h>

#include <cmath>

#include "ByteWriter.h"
#include "Parsing.h"

namespace Assets {

namespace {

constexpr char kMagic[5] = "VMSH";
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kSkinnedFlag = 1u;

// position, normal, uv, colour; skinned vertices add four bone indices and four weights.
constexpr std::uint64_t kStaticVertexBytes = 12 + 12 + 8 + 4;
constexpr std::uint64_t kSkinnedVertexBytes = kStaticVertexBytes + 4 + 16;

// Weights are stored as floats that were normalised by the writer; allow for rounding only.
constexpr float kWeightSumTolerance = 1e-2f;

bool ReadWeights(ByteReader& reader, MeshVertex& vertex) {
    if (!reader.Raw(vertex.boneIndices.data(), vertex.boneIndices.size(), "bone indices")) {
        return false;
    }
    const std::uint64_t weightsStart = reader.Offset();
    float sum = 0.0f;
    for (float& weight : vertex.boneWeights) {
        if (!reader.Float(weight, "bone weight")) {
            return false;
        }
        if (weight < 0.0f || weight > 1.0f) {
            return reader.Fail("bone weight " + std::to_string(weight) + " outside [0, 1]");
        }
        sum += weight;
    }
    if (std::fabs(sum - 1.0f) > kWeightSumTolerance) {
        return reader.FailAt(weightsStart, "bone weights sum to " + std::to_string(sum) + " instead of 1");
    }
    return true;
}

bool ReadVertex(ByteReader& reader, bool skinned, MeshVertex& vertex) {
    if (!(reader.Vec3(vertex.position, "vertex position") && reader.Vec3(vertex.normal, "vertex normal") &&
          reader.Vec2(vertex.uv, "vertex uv") &&
          reader.Raw(vertex.color.data(), vertex.color.size(), "vertex colour"))) {
        return false;
    }
    return !skinned || ReadWeights(reader, vertex);
}

bool ParseMesh(ByteReader& reader, MeshData& out) {
    std::uint32_t flags = 0;
    std::uint32_t vertexCount = 0;
    std::uint32_t indexCount = 0;
    if (!(reader.Header(kMagic, kVersion, "mesh") && reader.U32(flags, "flags"))) {
        return false;
    }
    if ((flags & ~kSkinnedFlag) != 0) {
        return reader.Fail("unknown mesh flags " + std::to_string(flags));
    }
    out.skinned = (flags & kSkinnedFlag) != 0;
    const std::uint64_t countsAt = reader.Offset();
    if (!(reader.Count(vertexCount, "vertex count", 1, kMaxVertices) &&
          reader.Count(indexCount, "index count", 3, kMaxIndices))) {
        return false;
    }
    if (indexCount % 3 != 0) {
        return reader.Fail("index count " + std::to_string(indexCount) + " is not a multiple of 3");
    }
    // The counts give the file's exact size, so a file of any other size is refused unread.
    const std::uint64_t vertexBytes = out.skinned ? kSkinnedVertexBytes : kStaticVertexBytes;
    if (!reader.ExactRest(vertexCount * vertexBytes + std::uint64_t{indexCount} * 4, countsAt)) {
        return false;
    }
    out.vertices.assign(vertexCount, MeshVertex{});
    for (MeshVertex& vertex : out.vertices) {
        if (!ReadVertex(reader, out.skinned, vertex)) {
            return false;
        }
    }
    out.indices.assign(indexCount, 0);
    for (std::uint32_t& index : out.indices) {
        if (!reader.U32(index, "index")) {
            return false;
        }
        if (index >= vertexCount) {
            return reader.Fail("index " + std::to_string(index) + " is not below the vertex count " +
                               std::to_string(vertexCount));
        }
    }
    return true;
}

}  // namespace

bool ReadMesh(const Bytes& bytes, MeshData& out, std::string& error) {
    return ParseBytes(bytes, out, error, ParseMesh);
}

FileResult ReadMeshFile(const std::string& path, MeshData& out, std::string& error) {
    return ParseFile(path, out, error, ParseMesh);
}

Bytes WriteMesh(const MeshData& mesh) {
    Bytes bytes;
    ByteWriter writer(bytes);
    writer.Header(kMagic, kVersion);
    writer.U32(mesh.skinned ? kSkinnedFlag : 0u);
    writer.U32(static_cast<std::uint32_t>(mesh.vertices.size()));
    writer.U32(static_cast<std::uint32_t>(mesh.indices.size()));
    for (const MeshVertex& vertex : mesh.vertices) {
        writer.Vec3(vertex.position);
        writer.Vec3(vertex.normal);
        writer.Vec2(vertex.uv);
        writer.Raw(vertex.color.data(), vertex.color.size());
        if (mesh.skinned) {
            writer.Raw(vertex.boneIndices.data(), vertex.boneIndices.size());
            for (float weight : vertex.boneWeights) {
                writer.Float(weight);
            }
        }
    }
    for (std::uint32_t index : mesh.indices) {
        writer.U32(index);
    }
    return bytes;
}

}  // namespace Assets
