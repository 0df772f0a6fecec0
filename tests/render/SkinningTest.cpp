// Skinned models are deformed on the GPU by the matrices last given to them: each vertex follows
// its bone's matrix (moved, turned, placed by the world matrix), bones past the given matrices
// stay in the bind pose, a pose that is not finite is reported once and drawn in the bind pose,
// and a model whose mesh or skeleton is unknown is left out.
#include <algorithm>
#include <limits>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

Math::Matrix4 Translation(float x, float y, float z) {
    return Math::Matrix4::TRS(Math::Vector3(x, y, z), Math::Quaternion::identity, Math::Vector3::one);
}

using Points = std::vector<int>;

class Skinning : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        LookFrom(Math::Vector3(0, 0, 15), Math::Vector3(0, 0, -1));
        light.SetLightDirection(Math::Vector3(0, 0, -1));
        Show(light);
        Show(model);
        // A 2 x 4 x 2 column: the lower half red on bone 0, the upper half green on bone 1.
        Assets::MeshData column;
        column.skinned = true;
        AddBox(column, Math::Vector3(0, -1, 0), Math::Vector3::one, {230, 20, 20, 255}, 0);
        AddBox(column, Math::Vector3(0, 1, 0), Math::Vector3::one, {20, 230, 20, 255}, 1);
        RegisterMesh("column", column);
        Assets::SkeletonData skeleton;  // two root bones in bind pose at the origin
        skeleton.bones.resize(2);
        skeleton.bones[0].name = "lower";
        skeleton.bones[1].name = "upper";
        RegisterFile("two.ske", Assets::WriteSkeleton(skeleton), "two bones", &RenderInterface::Renderer::RegisterSkeleton);
        model.SetModelName("column");
        model.SetSkeleton("two bones");
    }

    // Red (+1), green (-1) or neither (0) around each world point, in one rendered frame.
    Points Colours(std::initializer_list<Math::Vector3> points) {
        const TestSupport::FrameImage frame = gl.RenderAndRead();
        Points colours;
        for (const Math::Vector3& world : points) {
            const TestSupport::Color c = Around(frame, world, 1);
            colours.push_back(c.r > c.g + 60 && c.r > c.b + 60 ? 1 : c.g > c.r + 60 && c.g > c.b + 60 ? -1 : 0);
        }
        return colours;
    }
    RenderInterface::AnimationModel model;
    RenderInterface::DirectionalLight light;
};

TEST_F(Skinning, EachVertexFollowsItsBonesMatrixOrTheBindPoseWithoutOne) {
    model.SetSkinningMatricies({Math::Matrix4::identity, Translation(4, 0, 0)});
    EXPECT_EQ(Colours({{4, 1, 1}, {0, 1, 1}, {0, -1, 1}}), (Points{-1, 0, 1}));
    // Bone 1 turned a quarter about z: the upper half now spans x from -2 to 0 around y = 0.
    model.SetSkinningMatricies({Translation(0, -3, 0), Math::ToMatrix4(Math::Quaternion::RotateZ(1.5707963f))});
    EXPECT_EQ(Colours({{-1.5f, 0.5f, 1}, {0.5f, 1.5f, 1}, {0, -4, 1}}), (Points{-1, 0, 1}));
    model.SetWorldMatrix(Translation(-4, 0, 0));
    EXPECT_EQ(Colours({{-5.5f, 0.5f, 1}, {-1.5f, 0.5f, 1}, {-4, -4, 1}}), (Points{-1, 0, 1}));
    model.SetWorldMatrix(Math::Matrix4::identity);
    model.SetSkinningMatricies({Translation(-4, 0, 0)});
    EXPECT_EQ(Colours({{-4, -1, 1}, {0, 1, 1}}), (Points{1, -1}));
    model.SetSkinningMatricies({});
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{1, -1}));
}

TEST_F(Skinning, APoseThatIsNotFiniteIsReportedOnceAndDrawnInTheBindPose) {
    Math::Matrix4 broken = Translation(4, 0, 0);
    broken.m[3] = std::numeric_limits<float>::infinity();
    model.SetSkinningMatricies({Math::Matrix4::identity, broken});
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{1, -1})) << "not in the bind pose";
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{1, -1}));
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find("'column' is not finite"), std::string::npos) << printed;
}

TEST_F(Skinning, UnknownSkeletonOrMeshLeavesTheModelOut) {
    model.SetSkinningMatricies({Math::Matrix4::identity, Math::Matrix4::identity});
    model.SetSkeleton("never registered");
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{0, 0}));
    model.SetSkeleton("two bones");
    model.SetModelName("never registered");
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{0, 0}));
}

}  // namespace
}  // namespace RenderTest
