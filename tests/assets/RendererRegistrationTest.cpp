// The generated files through the real renderer, registered with exactly the paths and names the
// app uses, and the warrior drawn where it stands.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cmath>
#include <string>

#include <RenderInterface/Renderer.h>
#include <TestSupport/OffscreenRenderer.h>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

using RenderInterface::ResourceResult;

// Runs the body with the working directory set to the resources' parent, as the app runs.
class InResourceDirectory {
public:
    InResourceDirectory() {
        char buffer[PATH_MAX];
        previous = getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
        EXPECT_EQ(chdir(ResourceRoot().c_str()), 0);
    }
    ~InResourceDirectory() { EXPECT_EQ(chdir(previous.c_str()), 0); }

private:
    std::string previous;
};

void RegisterLikeTheApp(RenderInterface::Renderer& renderer) {
    EXPECT_EQ(renderer.RegisterTexture(".\\resources\\textures\\CubeMap.dds", "CubeMap"), ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterTexture(".\\resources\\textures\\CitySkybox.dds", "CubeMap2"), ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterModel(".\\resources\\models\\Sword.mesh", "Sword"), ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterModel(".\\resources\\models\\Shield.mesh", "Shield"), ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterModel(".\\resources\\models\\Cerberus.mesh", "Gun"), ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterModel(".\\resources\\models\\default\\Cube.mesh", "floor"), ResourceResult::Loaded);
    for (const ClipFile& clip : ClipFiles()) {
        const std::string path = std::string(".\\resources\\animations\\Warrior_") + clip.fileStem + ".anim";
        EXPECT_EQ(renderer.RegisterAnimation(path.c_str(), clip.name), ResourceResult::Loaded) << path;
    }
    EXPECT_EQ(renderer.RegisterSkeleton(".\\resources\\skeletons\\Warrior_Skeleton.ske", "PlayerSkeleton"),
              ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterModel(".\\resources\\models\\Warrior_Skeleton2.mesh", "Human"), ResourceResult::Loaded);
    EXPECT_EQ(renderer.RegisterModel(".\\resources\\models\\Warrior_Skeleton.mesh", "Player"), ResourceResult::Loaded);
}

TEST(RendererRegistrationTest, EveryFileRegistersUnderTheAppsPathsAndNames) {
    TestSupport::OffscreenRenderer gl(64, 64);
    ASSERT_TRUE(gl);
    InResourceDirectory here;
    RegisterLikeTheApp(*gl.Get());
}

// The warrior, posed by Walk and scaled as the app scales it, covers the middle of a view aimed
// at it, in colours that are not the sky's.
TEST(RendererRegistrationTest, WarriorIsDrawnWhereItStands) {
    TestSupport::OffscreenRenderer gl(128, 128);
    ASSERT_TRUE(gl);
    InResourceDirectory here;
    RegisterLikeTheApp(*gl.Get());

    RenderInterface::SkyBox sky;
    gl->Register(&sky);
    sky.SetTextureName("CubeMap");
    RenderInterface::DirectionalLight light;
    gl->Register(&light);
    light.SetLightDirection(Math::Vector3(0.0f, -1.0f, 1.0f));
    light.SetStrength(3.0f);
    RenderInterface::CameraView* view = gl->CreateView(128.0f, 128.0f, 0.5f, 2000.0f, 0.6f);
    view->GetCamera().SetPosition(Math::Vector3(0.0f, 27.0f, 90.0f));
    view->GetCamera().SetForward(Math::Vector3(0.0f, 0.0f, -1.0f));
    const TestSupport::FrameImage empty = gl.RenderAndRead();

    RenderInterface::AnimationModel warrior;
    gl->Register(&warrior);
    warrior.SetModelName("Player");
    warrior.SetSkeleton("PlayerSkeleton");
    warrior.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3::zero, Math::Quaternion::identity,
                                              Math::Vector3::one * 0.3f));
    warrior.SetSkinningMatricies(SamplePose("Walk", 0.1f).skinning);
    const TestSupport::FrameImage drawn = gl.RenderAndRead();

    const TestSupport::Color before = empty.Average(56, 40, 16, 48);
    const TestSupport::Color after = drawn.Average(56, 40, 16, 48);
    EXPECT_GT(std::fabs(after.r - before.r) + std::fabs(after.g - before.g) + std::fabs(after.b - before.b), 60.0);
    gl->UnRegister(&warrior);
    gl->UnRegister(&light);
    gl->UnRegister(&sky);
    gl->ReleaseView(view);
}

}  // namespace
}  // namespace AssetTests
