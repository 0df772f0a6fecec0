// Skinned models are deformed on the GPU by the matrices last given to them: each vertex follows
// its bone's matrix, bones without a matrix stay in the bind pose, skeletons far past a hundred
// bones work, and a model whose mesh or skeleton is unknown is left out.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

using TestSupport::Color;
using TestSupport::FrameImage;

const Rgba Red{230, 20, 20, 255};
const Rgba Green{20, 230, 20, 255};
const Math::Vector3 Eye(0, 0, 15);
const Math::Vector3 Forward(0, 0, -1);

Math::Matrix4 Translation(float x, float y, float z) {
    return Math::Matrix4::TRS(Math::Vector3(x, y, z), Math::Quaternion::identity, Math::Vector3::one);
}

class Skinning : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        LookFrom(Eye, Forward);
        light.SetLightDirection(Math::Vector3(0, 0, -1));
        gl->Register(&light);
        gl->Register(&model);
        // Lower half red on bone 0 (y from -2 to 0), upper half green on bone 1 (y from 0 to 2).
        RegisterMesh("column", MakeTwoBoneColumn(Math::Vector3(1, 2, 1), Red, Green));
        RegisterSkeleton("two bones", MakeFlatSkeleton(2));
        model.SetModelName("column");
        model.SetSkeleton("two bones");
    }
    void TearDown() override {
        gl->UnRegister(&model);
        gl->UnRegister(&light);
    }

    // The colour around where a world point lands on screen.
    static Color At(const FrameImage& frame, const Math::Vector3& world) {
        const Math::Vector2 p = ProjectWithGlm(Eye, Forward, 0.7853982f, frame.width, frame.height, world);
        return frame.Average(static_cast<unsigned>(p.x) - 1, static_cast<unsigned>(p.y) - 1, 3, 3);
    }
    static bool IsRed(const Color& c) { return c.r > c.g + 60.0 && c.r > c.b + 60.0; }
    static bool IsGreen(const Color& c) { return c.g > c.r + 60.0 && c.g > c.b + 60.0; }

    RenderInterface::AnimationModel model;
    RenderInterface::DirectionalLight light;
};

TEST_F(Skinning, EachVertexFollowsItsBonesMatrix) {
    model.SetSkinningMatricies({Math::Matrix4::identity, Translation(4, 0, 0)});
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_TRUE(IsGreen(At(frame, Math::Vector3(4, 1, 1)))) << "upper half not moved by bone 1";
    EXPECT_FALSE(IsGreen(At(frame, Math::Vector3(0, 1, 1)))) << "upper half left in its bind place";
    EXPECT_TRUE(IsRed(At(frame, Math::Vector3(0, -1, 1)))) << "lower half should stay with bone 0";
}

TEST_F(Skinning, MatricesRotateAsWellAsMove) {
    // Bone 1 turned a quarter about z: the upper half (x from -1 to 1, y from 0 to 2) now spans
    // x from -2 to 0 around y = 0.
    const Math::Matrix4 turn = Math::ToMatrix4(Math::Quaternion::RotateZ(1.5707963f));
    model.SetSkinningMatricies({Translation(0, -3, 0), turn});
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_TRUE(IsGreen(At(frame, Math::Vector3(-1.5f, 0.5f, 1))));
    EXPECT_FALSE(IsGreen(At(frame, Math::Vector3(0.5f, 1.5f, 1))));
    EXPECT_TRUE(IsRed(At(frame, Math::Vector3(0, -4, 1))));
}

TEST_F(Skinning, NoMatricesMeansTheBindPose) {
    model.SetSkinningMatricies({});
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_TRUE(IsGreen(At(frame, Math::Vector3(0, 1, 1))));
    EXPECT_TRUE(IsRed(At(frame, Math::Vector3(0, -1, 1))));
}

TEST_F(Skinning, BonesPastTheGivenMatricesStayInTheBindPose) {
    model.SetSkinningMatricies({Translation(-4, 0, 0)});
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_TRUE(IsRed(At(frame, Math::Vector3(-4, -1, 1))));
    EXPECT_TRUE(IsGreen(At(frame, Math::Vector3(0, 1, 1))));
}

TEST_F(Skinning, LargeSkeletonsAreAddressedToTheirLastBone) {
    RegisterSkeleton("many bones", MakeFlatSkeleton(256));
    RegisterMesh("far bone box", MakeBox(Math::Vector3(1, 1, 1), Green, true, 255));
    model.SetSkeleton("many bones");
    model.SetModelName("far bone box");
    std::vector<Math::Matrix4> matrices(256, Translation(0, -20, 0));
    matrices[255] = Translation(0, 3, 0);
    model.SetSkinningMatricies(matrices);
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_TRUE(IsGreen(At(frame, Math::Vector3(0, 3, 1))));
    EXPECT_FALSE(IsGreen(At(frame, Math::Vector3(0, 0, 1))));
}

TEST_F(Skinning, UnknownSkeletonLeavesTheModelOut) {
    model.SetSkeleton("never registered");
    model.SetSkinningMatricies({Math::Matrix4::identity, Math::Matrix4::identity});
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_FALSE(IsGreen(At(frame, Math::Vector3(0, 1, 1))));
    EXPECT_FALSE(IsRed(At(frame, Math::Vector3(0, -1, 1))));
}

TEST_F(Skinning, UnknownMeshLeavesTheModelOut) {
    model.SetModelName("never registered");
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_FALSE(IsGreen(At(frame, Math::Vector3(0, 1, 1))));
    EXPECT_FALSE(IsRed(At(frame, Math::Vector3(0, -1, 1))));
}

TEST_F(Skinning, WorldMatrixPlacesTheSkinnedModel) {
    model.SetSkinningMatricies({Math::Matrix4::identity, Math::Matrix4::identity});
    model.SetWorldMatrix(Translation(-4, 0, 0));
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_TRUE(IsGreen(At(frame, Math::Vector3(-4, 1, 1))));
    EXPECT_FALSE(IsGreen(At(frame, Math::Vector3(0, 1, 1))));
}

}  // namespace
}  // namespace RenderTest
