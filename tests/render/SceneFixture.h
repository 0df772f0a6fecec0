#pragma once
// Building blocks of the pixel tests: simple meshes, skeletons and cube maps written to real files
// and registered through the renderer, and a camera placed by hand whose projection glm computes,
// a reference independent of the renderer.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <Assets/Formats.h>
#include <TestSupport/OffscreenRenderer.h>

namespace RenderTest {

using Rgba = std::array<std::uint8_t, 4>;

// Adds an axis-aligned box: outward normals, counter-clockwise faces, one sRGB colour, and when
// the mesh is skinned every vertex bound to `bone`.
inline void AddBox(Assets::MeshData& mesh, const Math::Vector3& center, const Math::Vector3& h, Rgba color,
                   std::uint8_t bone = 0) {
    const Math::Vector3 axes[3] = {Math::Vector3::unit_x, Math::Vector3::unit_y, Math::Vector3::unit_z};
    for (int axis = 0; axis < 3; ++axis) {
        for (const float sign : {1.0f, -1.0f}) {
            // u x v is the normal, so the corners below run counter-clockwise seen from outside.
            const Math::Vector3 normal = axes[axis] * sign, u = axes[(axis + 1) % 3] * sign, v = axes[(axis + 2) % 3];
            const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
            for (const auto& [a, b] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
                const Math::Vector3 corner = normal + u * a + v * b;
                Assets::MeshVertex vertex;
                vertex.position = center + Math::Vector3(corner.x * h.x, corner.y * h.y, corner.z * h.z);
                vertex.normal = normal;
                vertex.color = color;
                if (mesh.skinned) vertex.boneIndices = {bone, 0, 0, 0};
                mesh.vertices.push_back(vertex);
            }
            for (std::uint32_t index : {0u, 1u, 2u, 0u, 2u, 3u}) mesh.indices.push_back(first + index);
        }
    }
}

inline Assets::MeshData MakeBox(const Math::Vector3& halfExtents, Rgba color) {
    Assets::MeshData mesh;
    AddBox(mesh, Math::Vector3::zero, halfExtents, color);
    return mesh;
}

// Writes bytes to `name` in a fresh directory of this test's own and returns the path.
inline std::string WriteTestFile(const std::string& name, const Assets::Bytes& bytes) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path directory = std::filesystem::path(::testing::TempDir()) / "vantor-render" /
                                            (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::create_directories(directory);
    const std::string path = (directory / name).string();
    std::string error;
    EXPECT_TRUE(Assets::WriteFileBytes(path, bytes, error)) << error;
    return path;
}

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl) << "no OpenGL 3.3 core context"; }
    void TearDown() override {
        for (RenderInterface::Renderable* object : shown) gl->UnRegister(object);
    }
    // Registers a scene object until the end of the test.
    void Show(RenderInterface::Renderable& object) {
        gl->Register(&object);
        shown.push_back(&object);
    }

    // Writes the resource to a file and registers it under `name`; fails the test unless it loads
    // silently.
    using Registration = RenderInterface::ResourceResult (RenderInterface::Renderer::*)(const char*, const char*);
    void RegisterFile(const std::string& file, const Assets::Bytes& bytes, const std::string& name,
                      Registration registration) {
        const std::string path = WriteTestFile(file, bytes);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ((gl.Get()->*registration)(path.c_str(), name.c_str()), RenderInterface::ResourceResult::Loaded);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << path;
    }
    void RegisterMesh(const std::string& name, const Assets::MeshData& mesh) {
        RegisterFile(name + ".mesh", Assets::WriteMesh(mesh), name, &RenderInterface::Renderer::RegisterModel);
    }

    // Creates a view and places its camera (up +y).
    RenderInterface::CameraView* LookFrom(const Math::Vector3& from, const Math::Vector3& along, float fov = 0.7853982f) {
        eye = from;
        forward = along;
        fovY = fov;
        RenderInterface::CameraView* view = gl->CreateView(160, 120, 0.1f, 1000.0f, fovY);
        view->GetCamera().SetPosition(eye);
        view->GetCamera().SetForward(forward);
        view->GetCamera().SetUp(Math::Vector3::unit_y);
        return view;
    }
    // Where a world point lands in the frame seen from the last LookFrom, in pixels from the top-left
    // corner, by glm.
    Math::Vector2 Project(const TestSupport::FrameImage& frame, const Math::Vector3& point) const {
        const float width = float(frame.width), height = float(frame.height);
        const glm::vec3 from(eye.x, eye.y, eye.z);
        const glm::mat4 view = glm::lookAt(from, from + glm::vec3(forward.x, forward.y, forward.z), glm::vec3(0, 1, 0));
        const glm::vec4 clip = glm::perspective(fovY, width / height, 0.1f, 1000.0f) * view *
                               glm::vec4(point.x, point.y, point.z, 1.0f);
        return Math::Vector2((clip.x / clip.w * 0.5f + 0.5f) * width, (0.5f - clip.y / clip.w * 0.5f) * height);
    }
    // The mean colour of the (2 radius + 1)^2 pixels where a world point lands.
    TestSupport::Color Around(const TestSupport::FrameImage& frame, const Math::Vector3& world, unsigned radius) const {
        const Math::Vector2 p = Project(frame, world);
        return frame.Average(unsigned(p.x) - radius, unsigned(p.y) - radius, 2 * radius + 1, 2 * radius + 1);
    }

    TestSupport::OffscreenRenderer gl{160, 120};
    std::vector<RenderInterface::Renderable*> shown;
    Math::Vector3 eye, forward;
    float fovY = 0.0f;
};

}  // namespace RenderTest
