#include "GpuMesh.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace RenderInterface {
namespace {

// Interleaved layout on the GPU; the skinned layout appends the bone data.
struct StaticVertex {
    float position[3];
    float normal[3];
    float uv[2];
    std::uint8_t color[4];
};

struct SkinnedVertex {
    StaticVertex base;
    std::uint8_t boneIndices[4];
    float boneWeights[4];
};

StaticVertex ToStatic(const Assets::MeshVertex& v) {
    StaticVertex out{};
    out.position[0] = v.position.x;
    out.position[1] = v.position.y;
    out.position[2] = v.position.z;
    out.normal[0] = v.normal.x;
    out.normal[1] = v.normal.y;
    out.normal[2] = v.normal.z;
    out.uv[0] = v.uv.x;
    out.uv[1] = v.uv.y;
    std::memcpy(out.color, v.color.data(), 4);
    return out;
}

SkinnedVertex ToSkinned(const Assets::MeshVertex& v) {
    SkinnedVertex out{};
    out.base = ToStatic(v);
    std::memcpy(out.boneIndices, v.boneIndices.data(), 4);
    std::memcpy(out.boneWeights, v.boneWeights.data(), sizeof out.boneWeights);
    return out;
}

template <typename Vertex>
void Upload(const std::vector<Assets::MeshVertex>& vertices, Vertex (*convert)(const Assets::MeshVertex&)) {
    std::vector<Vertex> packed;
    packed.reserve(vertices.size());
    for (const Assets::MeshVertex& v : vertices) packed.push_back(convert(v));
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(packed.size() * sizeof(Vertex)), packed.data(),
                 GL_STATIC_DRAW);
}

const void* Offset(std::size_t bytes) { return reinterpret_cast<const void*>(bytes); }

void DescribeStaticAttributes(GLsizei stride) {
    glEnableVertexAttribArray(VertexAttribute::Position);
    glVertexAttribPointer(VertexAttribute::Position, 3, GL_FLOAT, GL_FALSE, stride,
                          Offset(offsetof(StaticVertex, position)));
    glEnableVertexAttribArray(VertexAttribute::Normal);
    glVertexAttribPointer(VertexAttribute::Normal, 3, GL_FLOAT, GL_FALSE, stride,
                          Offset(offsetof(StaticVertex, normal)));
    glEnableVertexAttribArray(VertexAttribute::Uv);
    glVertexAttribPointer(VertexAttribute::Uv, 2, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(StaticVertex, uv)));
    glEnableVertexAttribArray(VertexAttribute::Color);
    glVertexAttribPointer(VertexAttribute::Color, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          Offset(offsetof(StaticVertex, color)));
}

void DescribeBoneAttributes() {
    const auto stride = static_cast<GLsizei>(sizeof(SkinnedVertex));
    glEnableVertexAttribArray(VertexAttribute::BoneIndices);
    glVertexAttribIPointer(VertexAttribute::BoneIndices, 4, GL_UNSIGNED_BYTE, stride,
                           Offset(offsetof(SkinnedVertex, boneIndices)));
    glEnableVertexAttribArray(VertexAttribute::BoneWeights);
    glVertexAttribPointer(VertexAttribute::BoneWeights, 4, GL_FLOAT, GL_FALSE, stride,
                          Offset(offsetof(SkinnedVertex, boneWeights)));
}

}  // namespace

GpuMesh::GpuMesh(const Assets::MeshData& mesh)
    : vertexArray(MakeVertexArray()),
      vertexBuffer(MakeBuffer()),
      indexBuffer(MakeBuffer()),
      indexCount(static_cast<GLsizei>(mesh.indices.size())),
      skinned(mesh.skinned) {
    glBindVertexArray(vertexArray.Get());
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer.Get());
    if (skinned) {
        Upload<SkinnedVertex>(mesh.vertices, ToSkinned);
        DescribeStaticAttributes(static_cast<GLsizei>(sizeof(SkinnedVertex)));
        DescribeBoneAttributes();
    } else {
        Upload<StaticVertex>(mesh.vertices, ToStatic);
        DescribeStaticAttributes(static_cast<GLsizei>(sizeof(StaticVertex)));
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer.Get());
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(mesh.indices.size() * sizeof(std::uint32_t)),
                 mesh.indices.data(), GL_STATIC_DRAW);
    glBindVertexArray(0);
}

void GpuMesh::Draw() const {
    glBindVertexArray(vertexArray.Get());
    glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_INT, nullptr);
}

}  // namespace RenderInterface
