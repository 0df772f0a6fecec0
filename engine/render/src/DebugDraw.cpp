#include "DebugDraw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "Glsl.h"

namespace RenderInterface {
namespace {

constexpr int CircleSegments = 32;

struct CirclePoint {
    float cos;
    float sin;
};

// The corners of the unit circle's segments, the last repeating the first; computed once, as
// every sphere of every frame draws the same circles.
const std::array<CirclePoint, CircleSegments + 1>& UnitCircle() {
    static const std::array<CirclePoint, CircleSegments + 1> corners = [] {
        std::array<CirclePoint, CircleSegments + 1> table{};
        const float step = 2.0f * 3.14159265f / CircleSegments;
        for (int i = 0; i <= CircleSegments; ++i) {
            const float angle = step * static_cast<float>(i);
            table[i] = CirclePoint{std::cos(angle), std::sin(angle)};
        }
        return table;
    }();
    return corners;
}

}  // namespace

DebugDraw::DebugDraw()
    : program("debug lines", {Glsl::LineVertex}, {Glsl::LineFragment}),
      viewProjectionLocation(program.Uniform("uViewProjection")),
      eyeLocation(program.Uniform("uEye")),
      vertexArray(MakeVertexArray()),
      buffer(MakeBuffer()) {
    glBindVertexArray(vertexArray.Get());
    glBindBuffer(GL_ARRAY_BUFFER, buffer.Get());
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, position)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, color)));
    glBindVertexArray(0);
}

std::vector<DebugDraw::Vertex>& DebugDraw::Queue(DebugRenderSpace space) {
    if (space == DebugRenderSpace::Overlay) return overlay;
    if (space != DebugRenderSpace::World && !reportedBadSpace) {
        std::fprintf(stderr, "Renderer: debug space %d is neither World (1) nor Overlay (2); drawn as World\n",
                     static_cast<int>(space));
        reportedBadSpace = true;
    }
    return world;
}

void DebugDraw::AddLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                        const Math::Vector4& color1, DebugRenderSpace space) {
    std::vector<Vertex>& queue = Queue(space);
    queue.push_back(Vertex{{p0.x, p0.y, p0.z}, {color0.x, color0.y, color0.z}});
    queue.push_back(Vertex{{p1.x, p1.y, p1.z}, {color1.x, color1.y, color1.z}});
}

void DebugDraw::AddSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                          DebugRenderSpace space) {
    std::vector<Vertex>& queue = Queue(space);
    const std::array<CirclePoint, CircleSegments + 1>& circle = UnitCircle();
    for (int axis = 0; axis < 3; ++axis) {
        for (int i = 0; i < CircleSegments; ++i) {
            for (int end = 0; end < 2; ++end) {
                const float a = radius * circle[i + end].cos;
                const float b = radius * circle[i + end].sin;
                // Circle in the plane perpendicular to x, y or z.
                const Math::Vector3 offset = axis == 0 ? Math::Vector3(0, a, b)
                                           : axis == 1 ? Math::Vector3(a, 0, b)
                                                       : Math::Vector3(a, b, 0);
                const Math::Vector3 p = center + offset;
                queue.push_back(Vertex{{p.x, p.y, p.z}, {color.x, color.y, color.z}});
            }
        }
    }
}

void DebugDraw::DrawQueue(const std::vector<Vertex>& vertices) {
    if (vertices.empty()) return;
    glBindBuffer(GL_ARRAY_BUFFER, buffer.Get());
    if (vertices.size() > bufferCapacity) {
        bufferCapacity = std::max(vertices.size(), bufferCapacity * 2);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bufferCapacity * sizeof(Vertex)), nullptr,
                     GL_STREAM_DRAW);
    }
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(vertices.size()));
}

void DebugDraw::Draw(const Math::Matrix4& viewProjection, const Math::Vector3& eye, DepthConvention depth) {
    if (!program.Use()) return;
    glUniformMatrix4fv(viewProjectionLocation, 1, GL_TRUE, viewProjection.m);
    glUniform3f(eyeLocation, eye.x, eye.y, eye.z);
    glBindVertexArray(vertexArray.Get());
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(depth.NearerOrEqual());
    glDepthMask(GL_FALSE);
    DrawQueue(world);
    glDisable(GL_DEPTH_TEST);
    DrawQueue(overlay);
    glDepthMask(GL_TRUE);
    glDepthFunc(depth.Nearer());
}

void DebugDraw::Clear() {
    world.clear();
    overlay.clear();
}

}  // namespace RenderInterface
