#pragma once
// Debug lines and spheres queued during a frame and drawn by the next Render: world-space ones
// depth-tested against the scene, overlay ones over it. Colours are display colours; their w is
// ignored (lines are opaque). The queues keep their storage, so a steady frame allocates nothing.
#include <vector>

#include <RenderInterface/Renderer.h>

#include "DepthConvention.h"
#include "ShaderProgram.h"

namespace RenderInterface {

class DebugDraw {
public:
    DebugDraw();

    void AddLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                 const Math::Vector4& color1, DebugRenderSpace space);
    // Three great circles, one around each world axis.
    void AddSphere(const Math::Vector3& center, float radius, const Math::Vector4& color, DebugRenderSpace space);

    // Draws both queues into the framebuffer bound now.
    void Draw(const Math::Matrix4& viewProjection, const Math::Vector3& eye, DepthConvention depth);
    void Clear();
    std::size_t LineCount() const { return (world.size() + overlay.size()) / 2; }

private:
    struct Vertex {
        float position[3];
        float color[3];
    };
    std::vector<Vertex>& Queue(DebugRenderSpace space);
    void DrawQueue(const std::vector<Vertex>& vertices);

    std::vector<Vertex> world;
    std::vector<Vertex> overlay;
    bool reportedBadSpace = false;
    ShaderProgram program;
    GLint viewProjectionLocation;
    GLint eyeLocation;
    GlVertexArray vertexArray;
    GlBuffer buffer;
    std::size_t bufferCapacity = 0;  // vertices
};

}  // namespace RenderInterface
