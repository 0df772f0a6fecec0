#pragma once
// A mesh in GPU buffers, drawn as an indexed triangle list.
//
// Vertex attributes (locations shared by every model shader):
//   0 position (vec3), 1 normal (vec3), 2 uv (vec2), 3 sRGB colour (4 normalised bytes),
//   4 bone indices (4 unsigned bytes, skinned meshes only), 5 bone weights (vec4, skinned only).
#include <Assets/Formats.h>

#include "GlObjects.h"

namespace RenderInterface {

namespace VertexAttribute {
constexpr GLuint Position = 0;
constexpr GLuint Normal = 1;
constexpr GLuint Uv = 2;
constexpr GLuint Color = 3;
constexpr GLuint BoneIndices = 4;
constexpr GLuint BoneWeights = 5;
}  // namespace VertexAttribute

class GpuMesh {
public:
    explicit GpuMesh(const Assets::MeshData& mesh);

    bool Skinned() const { return skinned; }
    void Draw() const;

private:
    GlVertexArray vertexArray;
    GlBuffer vertexBuffer;
    GlBuffer indexBuffer;
    GLsizei indexCount = 0;
    bool skinned = false;
};

}  // namespace RenderInterface
