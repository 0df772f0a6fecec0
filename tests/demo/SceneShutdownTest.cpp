// Shutdown removes everything the demo put into the renderer: the bar, every registered object
// (unregistered, then deleted) and the camera's view; Update drives the camera in between.
#include <algorithm>
#include <vector>

#include <TweakBarQuery.h>

#include "SceneFixture.h"
#include "util/Input.h"

namespace DemoTest {
namespace {

// A scene object that reports its deletion.
class TrackedModel : public RenderInterface::Model3D {
public:
    explicit TrackedModel(bool& deleted) : deleted(deleted) {}
    ~TrackedModel() override { deleted = true; }

private:
    bool& deleted;
};

std::vector<RenderInterface::Renderable*> Objects(const std::vector<TestSupport::RecordedCall>& calls)
{
    std::vector<RenderInterface::Renderable*> objects;
    for (const TestSupport::RecordedCall& call : calls) {
        objects.push_back(call.renderable);
    }
    return objects;
}

TEST_F(SceneTest, ShutdownUnregistersEveryObjectAndReleasesTheView)
{
    Init();
    std::vector<RenderInterface::Renderable*> registered = Objects(recorder->Calls("Register"));
    RenderInterface::Renderable* const sceneOrder[] = {demo.light, demo.skyBox, demo.floorModel};
    RenderInterface::CameraView* view = demo.camera.view;
    recorder->calls.clear();

    Shutdown();

    std::vector<RenderInterface::Renderable*> unregistered = Objects(recorder->Calls("UnRegister"));
    ASSERT_GE(unregistered.size(), 3u);
    EXPECT_TRUE(std::equal(std::begin(sceneOrder), std::end(sceneOrder), unregistered.begin()))
        << recorder->Transcript();
    std::sort(registered.begin(), registered.end());
    std::sort(unregistered.begin(), unregistered.end());
    EXPECT_EQ(unregistered, registered);

    const std::vector<TestSupport::RecordedCall> released = recorder->Calls("ReleaseView");
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].view, view);
    EXPECT_EQ(TwGetBarByName("Tovrin_Stage1"), nullptr);
}

TEST_F(SceneTest, ShutdownRemovesFurtherOwnedObjectsFirstAndSkipsEmptySlots)
{
    Init();
    bool deleted = false;
    auto* extra = new TrackedModel(deleted);
    recorder->Register(extra);
    demo.renderables = {nullptr, extra};
    recorder->calls.clear();

    Shutdown();

    EXPECT_TRUE(deleted);
    const std::vector<TestSupport::RecordedCall> unregistered = recorder->Calls("UnRegister");
    ASSERT_FALSE(unregistered.empty());
    EXPECT_EQ(unregistered[0].renderable, extra);
    for (const TestSupport::RecordedCall& call : unregistered) {
        EXPECT_NE(call.renderable, nullptr) << recorder->Transcript();
    }
}

TEST_F(SceneTest, UpdateHandsTheCameraToTheRenderer)
{
    Init();
    Util::Input::Initialize();
    demo.Update();
    const RenderInterface::Camera& rendered = demo.camera.view->GetCamera();
    EXPECT_EQ(rendered.GetForward(), demo.camera.forward);
    EXPECT_GT(rendered.GetForward().y, 0.0f) << "the start view tilts slightly up";
    Util::Input::Shutdown();
}

TEST(SceneWithoutRenderer, SaysSoAndStaysEmpty)
{
    AnimationDemo demo;
    testing::internal::CaptureStderr();
    demo.Init(nullptr, 1400.0f, 800.0f);
    demo.Update();
    demo.Shutdown();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no renderer"), std::string::npos);
    EXPECT_EQ(TwGetBarByName("Tovrin_Stage1"), nullptr);
}

}  // namespace
}  // namespace DemoTest
