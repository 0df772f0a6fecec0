#include "SceneFixture.h"

#include <filesystem>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

namespace RenderTest {
namespace {

void AddQuad(Assets::MeshData& mesh, const Math::Vector3& normal, const Math::Vector3 corners[4], Rgba color,
             bool skinned, std::uint8_t bone) {
    const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
    for (int i = 0; i < 4; ++i) {
        Assets::MeshVertex v;
        v.position = corners[i];
        v.normal = normal;
        v.color = color;
        if (skinned) v.boneIndices = {bone, 0, 0, 0};
        mesh.vertices.push_back(v);
    }
    for (std::uint32_t index : {0u, 1u, 2u, 0u, 2u, 3u}) mesh.indices.push_back(first + index);
}

void AddBox(Assets::MeshData& mesh, const Math::Vector3& center, const Math::Vector3& h, Rgba color,
            bool skinned, std::uint8_t bone) {
    const auto P = [&](float x, float y, float z) { return center + Math::Vector3(x * h.x, y * h.y, z * h.z); };
    const Math::Vector3 px[4] = {P(1, -1, 1), P(1, -1, -1), P(1, 1, -1), P(1, 1, 1)};
    const Math::Vector3 nx[4] = {P(-1, -1, -1), P(-1, -1, 1), P(-1, 1, 1), P(-1, 1, -1)};
    const Math::Vector3 py[4] = {P(-1, 1, 1), P(1, 1, 1), P(1, 1, -1), P(-1, 1, -1)};
    const Math::Vector3 ny[4] = {P(-1, -1, -1), P(1, -1, -1), P(1, -1, 1), P(-1, -1, 1)};
    const Math::Vector3 pz[4] = {P(-1, -1, 1), P(1, -1, 1), P(1, 1, 1), P(-1, 1, 1)};
    const Math::Vector3 nz[4] = {P(1, -1, -1), P(-1, -1, -1), P(-1, 1, -1), P(1, 1, -1)};
    AddQuad(mesh, Math::Vector3(1, 0, 0), px, color, skinned, bone);
    AddQuad(mesh, Math::Vector3(-1, 0, 0), nx, color, skinned, bone);
    AddQuad(mesh, Math::Vector3(0, 1, 0), py, color, skinned, bone);
    AddQuad(mesh, Math::Vector3(0, -1, 0), ny, color, skinned, bone);
    AddQuad(mesh, Math::Vector3(0, 0, 1), pz, color, skinned, bone);
    AddQuad(mesh, Math::Vector3(0, 0, -1), nz, color, skinned, bone);
}

}  // namespace

Assets::MeshData MakeBox(const Math::Vector3& halfExtents, Rgba color, bool skinned, std::uint8_t bone) {
    Assets::MeshData mesh;
    mesh.skinned = skinned;
    AddBox(mesh, Math::Vector3::zero, halfExtents, color, skinned, bone);
    return mesh;
}

Assets::MeshData MakeTwoBoneColumn(const Math::Vector3& halfExtents, Rgba lower, Rgba upper) {
    Assets::MeshData mesh;
    mesh.skinned = true;
    const Math::Vector3 half(halfExtents.x, halfExtents.y * 0.5f, halfExtents.z);
    AddBox(mesh, Math::Vector3(0, -half.y, 0), half, lower, true, 0);
    AddBox(mesh, Math::Vector3(0, half.y, 0), half, upper, true, 1);
    return mesh;
}

Assets::CubeMapData MakeFaceColoredCubeMap(std::uint32_t size, const std::array<Rgba, 6>& faceColors) {
    Assets::CubeMapData cubeMap;
    cubeMap.size = size;
    for (std::size_t face = 0; face < 6; ++face) {
        for (std::uint32_t texel = 0; texel < size * size; ++texel) {
            cubeMap.faces[face].insert(cubeMap.faces[face].end(), faceColors[face].begin(), faceColors[face].end());
        }
    }
    return cubeMap;
}

Assets::SkeletonData MakeFlatSkeleton(int count) {
    Assets::SkeletonData skeleton;
    for (int i = 0; i < count; ++i) {
        Assets::BoneData bone;
        bone.name = "bone" + std::to_string(i);
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

Math::Vector2 ProjectWithGlm(const Math::Vector3& eye, const Math::Vector3& forward, float fovY, unsigned width,
                             unsigned height, const Math::Vector3& point) {
    const glm::vec3 from(eye.x, eye.y, eye.z);
    const glm::mat4 view = glm::lookAt(from, from + glm::vec3(forward.x, forward.y, forward.z), glm::vec3(0, 1, 0));
    const glm::mat4 projection =
        glm::perspective(fovY, static_cast<float>(width) / static_cast<float>(height), 0.1f, 1000.0f);
    const glm::vec4 clip = projection * view * glm::vec4(point.x, point.y, point.z, 1.0f);
    const glm::vec2 ndc = glm::vec2(clip) / clip.w;
    return Math::Vector2((ndc.x * 0.5f + 0.5f) * static_cast<float>(width),
                         (0.5f - ndc.y * 0.5f) * static_cast<float>(height));
}

std::string TestDirectory() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path directory = std::filesystem::path(::testing::TempDir()) / "vantor-render" /
                                            (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::create_directories(directory);
    return directory.string();
}

std::string WriteTestFile(const std::string& name, const Assets::Bytes& bytes) {
    const std::string path = TestDirectory() + "/" + name;
    std::string error;
    EXPECT_TRUE(Assets::WriteFileBytes(path, bytes, error)) << error;
    return path;
}

void SceneTest::RegisterMesh(const std::string& name, const Assets::MeshData& mesh) {
    const std::string path = WriteTestFile(name + ".mesh", Assets::WriteMesh(mesh));
    ASSERT_EQ(gl->RegisterModel(path.c_str(), name.c_str()), RenderInterface::ResourceResult::Loaded);
}

void SceneTest::RegisterCubeMap(const std::string& name, const Assets::CubeMapData& cubeMap) {
    const std::string path = WriteTestFile(name + ".dds", Assets::WriteCubeMapDds(cubeMap));
    ASSERT_EQ(gl->RegisterTexture(path.c_str(), name.c_str()), RenderInterface::ResourceResult::Loaded);
}

void SceneTest::RegisterSkeleton(const std::string& name, const Assets::SkeletonData& skeleton) {
    const std::string path = WriteTestFile(name + ".ske", Assets::WriteSkeleton(skeleton));
    ASSERT_EQ(gl->RegisterSkeleton(path.c_str(), name.c_str()), RenderInterface::ResourceResult::Loaded);
}

RenderInterface::CameraView* SceneTest::LookFrom(const Math::Vector3& eye, const Math::Vector3& forward, float fovY) {
    RenderInterface::CameraView* view = gl->CreateView(160, 120, 0.1f, 1000.0f, fovY);
    view->GetCamera().SetPosition(eye);
    view->GetCamera().SetForward(forward);
    view->GetCamera().SetUp(Math::Vector3::unit_y);
    return view;
}

}  // namespace RenderTest
