#pragma once
// Building blocks of the pixel tests: simple meshes and cube maps written to real files and
// registered through the renderer, and a camera placed by hand.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <Assets/Formats.h>
#include <TestSupport/OffscreenRenderer.h>

namespace RenderTest {

using Rgba = std::array<std::uint8_t, 4>;

// An axis-aligned box around the origin, outward normals, counter-clockwise faces, one sRGB colour.
Assets::MeshData MakeBox(const Math::Vector3& halfExtents, Rgba color);
// A column of 2 * halfExtents split at y = 0 into two closed boxes: the lower bound to bone 0, the upper to bone 1.
Assets::MeshData MakeTwoBoneColumn(const Math::Vector3& halfExtents, Rgba lower, Rgba upper);
// A cube map whose every face is one colour, faces in the order +x, -x, +y, -y, +z, -z.
Assets::CubeMapData MakeFaceColoredCubeMap(std::uint32_t size, const std::array<Rgba, 6>& faceColors);
// A skeleton of `count` root bones in bind pose at the origin.
Assets::SkeletonData MakeFlatSkeleton(int count);

// A fresh directory for this test's files.
std::string TestDirectory();
// Writes bytes to TestDirectory()/name and returns the path.
std::string WriteTestFile(const std::string& name, const Assets::Bytes& bytes);

class SceneTest : public ::testing::Test {
protected:
    SceneTest() : gl(160, 120) {}

    void SetUp() override { ASSERT_TRUE(gl) << "no OpenGL 3.3 core context"; }
    void TearDown() override {
        for (RenderInterface::Renderable* object : shown) gl->UnRegister(object);
    }
    // Registers a scene object until the end of the test.
    void Show(RenderInterface::Renderable& object) {
        gl->Register(&object);
        shown.push_back(&object);
    }

    // Writes the resource to a file and registers it under `name`; fails the test if it is refused.
    void RegisterMesh(const std::string& name, const Assets::MeshData& mesh) {
        RegisterFile(name + ".mesh", Assets::WriteMesh(mesh), name, &RenderInterface::Renderer::RegisterModel);
    }
    void RegisterCubeMap(const std::string& name, const Assets::CubeMapData& cubeMap) {
        RegisterFile(name + ".dds", Assets::WriteCubeMapDds(cubeMap), name, &RenderInterface::Renderer::RegisterTexture);
    }
    using Registration = RenderInterface::ResourceResult (RenderInterface::Renderer::*)(const char*, const char*);
    void RegisterFile(const std::string& file, const Assets::Bytes& bytes, const std::string& name,
                      Registration registration);
    // Creates a view and places its camera (up +y).
    RenderInterface::CameraView* LookFrom(const Math::Vector3& eye, const Math::Vector3& forward,
                                          float fovY = 0.7853982f);
    // Where a world point lands in the frame seen from the last LookFrom, in pixels from the top-left
    // corner, computed with glm as a reference independent of the renderer; and the mean colour of
    // the (2 radius + 1)^2 pixels there.
    Math::Vector2 Project(const TestSupport::FrameImage& frame, const Math::Vector3& world) const;
    TestSupport::Color Around(const TestSupport::FrameImage& frame, const Math::Vector3& world, unsigned radius) const;

    TestSupport::OffscreenRenderer gl;
    std::vector<RenderInterface::Renderable*> shown;
    Math::Vector3 eye, forward;
    float fovY = 0.0f;
};

}  // namespace RenderTest
