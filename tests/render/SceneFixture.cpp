#include "SceneFixture.h"

#include <filesystem>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

namespace RenderTest {

static void AddBox(Assets::MeshData& mesh, const Math::Vector3& center, const Math::Vector3& h, Rgba color, bool skinned,
            std::uint8_t bone) {
    const Math::Vector3 axes[3] = {Math::Vector3::unit_x, Math::Vector3::unit_y, Math::Vector3::unit_z};
    const auto Scaled = [&h](const Math::Vector3& a) { return Math::Vector3(a.x * h.x, a.y * h.y, a.z * h.z); };
    for (int axis = 0; axis < 3; ++axis) {
        for (const float sign : {1.0f, -1.0f}) {
            // u x v is the normal, so the corners below run counter-clockwise seen from outside.
            const Math::Vector3 normal = axes[axis] * sign, u = axes[(axis + 1) % 3] * sign, v = axes[(axis + 2) % 3];
            const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
            for (const auto& [a, b] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
                Assets::MeshVertex vertex;
                vertex.position = center + Scaled(normal + u * a + v * b);
                vertex.normal = normal;
                vertex.color = color;
                if (skinned) vertex.boneIndices = {bone, 0, 0, 0};
                mesh.vertices.push_back(vertex);
            }
            for (std::uint32_t index : {0u, 1u, 2u, 0u, 2u, 3u}) mesh.indices.push_back(first + index);
        }
    }
}

Assets::MeshData MakeBox(const Math::Vector3& halfExtents, Rgba color) {
    Assets::MeshData mesh;
    AddBox(mesh, Math::Vector3::zero, halfExtents, color, false, 0);
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
    for (std::size_t face = 0; face < 6; ++face)
        for (std::uint32_t texel = 0; texel < size * size; ++texel)
            cubeMap.faces[face].insert(cubeMap.faces[face].end(), faceColors[face].begin(), faceColors[face].end());
    return cubeMap;
}

Assets::SkeletonData MakeFlatSkeleton(int count) {
    Assets::SkeletonData skeleton;
    skeleton.bones.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) skeleton.bones[i].name = "bone" + std::to_string(i);
    return skeleton;
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

void SceneTest::RegisterFile(const std::string& file, const Assets::Bytes& bytes, const std::string& name,
                             Registration registration) {
    const std::string path = WriteTestFile(file, bytes);
    ASSERT_EQ((gl.Get()->*registration)(path.c_str(), name.c_str()), RenderInterface::ResourceResult::Loaded);
}

RenderInterface::CameraView* SceneTest::LookFrom(const Math::Vector3& from, const Math::Vector3& along, float fov) {
    eye = from;
    forward = along;
    fovY = fov;
    RenderInterface::CameraView* view = gl->CreateView(160, 120, 0.1f, 1000.0f, fovY);
    view->GetCamera().SetPosition(eye);
    view->GetCamera().SetForward(forward);
    view->GetCamera().SetUp(Math::Vector3::unit_y);
    return view;
}

Math::Vector2 SceneTest::Project(const TestSupport::FrameImage& frame, const Math::Vector3& point) const {
    const float width = float(frame.width), height = float(frame.height);
    const glm::vec3 from(eye.x, eye.y, eye.z);
    const glm::mat4 view = glm::lookAt(from, from + glm::vec3(forward.x, forward.y, forward.z), glm::vec3(0, 1, 0));
    const glm::mat4 projection = glm::perspective(fovY, width / height, 0.1f, 1000.0f);
    const glm::vec4 clip = projection * view * glm::vec4(point.x, point.y, point.z, 1.0f);
    return Math::Vector2((clip.x / clip.w * 0.5f + 0.5f) * width, (0.5f - clip.y / clip.w * 0.5f) * height);
}

TestSupport::Color SceneTest::Around(const TestSupport::FrameImage& frame, const Math::Vector3& world,
                                     unsigned radius) const {
    const Math::Vector2 p = Project(frame, world);
    return frame.Average(unsigned(p.x) - radius, unsigned(p.y) - radius, 2 * radius + 1, 2 * radius + 1);
}

}  // namespace RenderTest
