#pragma once
// Building blocks of the pixel tests: simple meshes and cube maps written to real files and
// registered through the renderer, and a camera placed by hand.
#include <array>
#include <string>

#include <gtest/gtest.h>

#include <Assets/Formats.h>
#include <TestSupport/OffscreenRenderer.h>

namespace RenderTest {

using Rgba = std::array<std::uint8_t, 4>;

// An axis-aligned box around the origin with outward normals, counter-clockwise faces and one
// sRGB colour. A skinned box binds every vertex wholly to `bone`.
Assets::MeshData MakeBox(const Math::Vector3& halfExtents, Rgba color, bool skinned = false, std::uint8_t bone = 0);
// A box whose upper half (y > 0) is bound to bone 1 and lower half to bone 0: a two-bone column
// of 2 * halfExtents, split at y = 0 with a gap so each half is a closed box of its own.
Assets::MeshData MakeTwoBoneColumn(const Math::Vector3& halfExtents, Rgba lower, Rgba upper);
// A cube map whose every face is one colour, faces in the order +x, -x, +y, -y, +z, -z.
Assets::CubeMapData MakeFaceColoredCubeMap(std::uint32_t size, const std::array<Rgba, 6>& faceColors);
// A skeleton of `count` root bones in bind pose at the origin.
Assets::SkeletonData MakeFlatSkeleton(int count);

// Where a world point lands in a width x height frame seen from `eye` along `forward` (up +y), in
// pixels from the top-left corner; computed with glm as a reference independent of the renderer.
Math::Vector2 ProjectWithGlm(const Math::Vector3& eye, const Math::Vector3& forward, float fovY, unsigned width,
                             unsigned height, const Math::Vector3& point);

// A fresh directory for this test's files.
std::string TestDirectory();
// Writes bytes to TestDirectory()/name and returns the path.
std::string WriteTestFile(const std::string& name, const Assets::Bytes& bytes);

class SceneTest : public ::testing::Test {
protected:
    SceneTest() : gl(160, 120) {}

    void SetUp() override { ASSERT_TRUE(gl) << "no OpenGL 3.3 core context"; }

    // Writes the mesh to a file and registers it under `name`; fails the test if it is refused.
    void RegisterMesh(const std::string& name, const Assets::MeshData& mesh);
    void RegisterCubeMap(const std::string& name, const Assets::CubeMapData& cubeMap);
    void RegisterSkeleton(const std::string& name, const Assets::SkeletonData& skeleton);
    // Creates a view and places its camera.
    RenderInterface::CameraView* LookFrom(const Math::Vector3& eye, const Math::Vector3& forward,
                                          float fovY = 0.7853982f);

    TestSupport::OffscreenRenderer gl;
};

}  // namespace RenderTest
