// The renderer draws what is registered and nothing else, never owns the objects, and draws
// through the most recently created view that is still alive.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

bool ShowsRed(const TestSupport::Color& c) { return c.r > c.b + 60.0; }

class SceneRegistration : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        RegisterMesh("red", MakeBox(Math::Vector3(1, 1, 1), Rgba{230, 20, 20, 255}));
        box.SetModelName("red");
        LookFrom(Math::Vector3(0, 0, 8), Math::Vector3(0, 0, -1));
    }
    TestSupport::Color Centre() { return gl.RenderAndRead().Average(75, 55, 10, 10); }

    RenderInterface::Model3D box;
};

TEST_F(SceneRegistration, RegisteringTwiceNeedsOnlyOneUnRegister) {
    gl->Register(&box);
    gl->Register(&box);
    EXPECT_TRUE(ShowsRed(Centre()));
    gl->UnRegister(&box);
    EXPECT_FALSE(ShowsRed(Centre()));
}

TEST_F(SceneRegistration, NullAndUnknownObjectsAreIgnored) {
    RenderInterface::Model3D stranger;
    gl->Register(nullptr);
    gl->UnRegister(nullptr);
    gl->UnRegister(&stranger);
    gl->Register(&box);
    EXPECT_TRUE(ShowsRed(Centre()));
    gl->UnRegister(&box);
}

TEST_F(SceneRegistration, ObjectChangesAfterRegistrationAreDrawn) {
    gl->Register(&box);
    box.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(0, 20, 0), Math::Quaternion::identity, Math::Vector3::one));
    EXPECT_FALSE(ShowsRed(Centre()));
    box.SetWorldMatrix(Math::Matrix4::identity);
    EXPECT_TRUE(ShowsRed(Centre()));
    gl->UnRegister(&box);
}

TEST_F(SceneRegistration, TheNewestLiveViewIsDrawn) {
    gl->Register(&box);
    RenderInterface::CameraView* away = LookFrom(Math::Vector3(0, 0, 8), Math::Vector3(0, 0, 1));
    EXPECT_FALSE(ShowsRed(Centre()));
    gl->ReleaseView(away);
    EXPECT_TRUE(ShowsRed(Centre()));
    gl->UnRegister(&box);
}

TEST(SceneOwnership, ObjectsOutliveTheRendererThatDrewThem) {
    RenderInterface::Model3D model;
    RenderInterface::DirectionalLight light;
    {
        TestSupport::OffscreenRenderer gl(32, 32);
        ASSERT_TRUE(gl);
        gl->Register(&model);
        gl->Register(&light);
        gl->Render();
    }
    model.SetModelName("still here");
    light.SetStrength(2.0f);
    EXPECT_EQ(model.GetModelName(), "still here");
    EXPECT_EQ(light.GetStrength(), 2.0f);
}

}  // namespace
}  // namespace RenderTest
