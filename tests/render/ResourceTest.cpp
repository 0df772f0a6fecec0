// Registering asset files: what each outcome returns and says on stderr, paths with either
// separator, and a name registered again showing its new resource.
#include <algorithm>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

using RenderInterface::ResourceResult;
using TestSupport::FrameImage;

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

class Resources : public SceneTest {
protected:
    // Registers under `name`, returning the result and what was printed on stderr.
    template <typename Registration>
    std::pair<ResourceResult, std::string> Capture(Registration registration) {
        ::testing::internal::CaptureStderr();
        const ResourceResult result = registration();
        return {result, ::testing::internal::GetCapturedStderr()};
    }
};

TEST_F(Resources, GoodFilesLoadSilently) {
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {1, 2, 3, 255})));
    const std::string sky = WriteTestFile("sky.dds", Assets::WriteCubeMapDds(MakeFaceColoredCubeMap(4, {})));
    const std::string skeleton = WriteTestFile("one.ske", Assets::WriteSkeleton(MakeFlatSkeleton(1)));
    EXPECT_EQ(Capture([&] { return gl->RegisterModel(mesh.c_str(), "box"); }),
              std::make_pair(ResourceResult::Loaded, std::string()));
    EXPECT_EQ(Capture([&] { return gl->RegisterTexture(sky.c_str(), "sky"); }),
              std::make_pair(ResourceResult::Loaded, std::string()));
    EXPECT_EQ(Capture([&] { return gl->RegisterSkeleton(skeleton.c_str(), "one"); }),
              std::make_pair(ResourceResult::Loaded, std::string()));
}

TEST_F(Resources, MissingFileIsReportedOnceWithItsPath) {
    const std::string path = TestDirectory() + "/absent.mesh";
    for (auto registration : {&RenderInterface::Renderer::RegisterModel, &RenderInterface::Renderer::RegisterTexture,
                              &RenderInterface::Renderer::RegisterSkeleton,
                              &RenderInterface::Renderer::RegisterAnimation}) {
        const auto [result, message] = Capture([&] { return (gl.Get()->*registration)(path.c_str(), "absent"); });
        EXPECT_EQ(result, ResourceResult::FileNotFound);
        EXPECT_EQ(Occurrences(message, path), 1u) << message;
    }
}

TEST_F(Resources, ContentsOfTheWrongKindAreRefusedAsBadFormat) {
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {})));
    const std::string garbage = WriteTestFile("garbage.dds", Assets::Bytes(100, 0x5a));
    for (const std::string& path : {mesh, garbage}) {
        const auto [result, message] = Capture([&] { return gl->RegisterTexture(path.c_str(), "sky"); });
        EXPECT_EQ(result, ResourceResult::BadFormat) << path;
        EXPECT_EQ(Occurrences(message, path), 1u) << message;
    }
    const auto [result, message] = Capture([&] { return gl->RegisterModel(garbage.c_str(), "box"); });
    EXPECT_EQ(result, ResourceResult::BadFormat);
    EXPECT_EQ(Occurrences(message, garbage), 1u) << message;
}

TEST_F(Resources, MissingPathOrNameIsABadName) {
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {})));
    EXPECT_EQ(Capture([&] { return gl->RegisterModel(nullptr, "box"); }).first, ResourceResult::BadName);
    EXPECT_EQ(Capture([&] { return gl->RegisterModel("", "box"); }).first, ResourceResult::BadName);
    EXPECT_EQ(Capture([&] { return gl->RegisterModel(mesh.c_str(), nullptr); }).first, ResourceResult::BadName);
    EXPECT_EQ(Capture([&] { return gl->RegisterTexture(mesh.c_str(), ""); }).first, ResourceResult::BadName);
    EXPECT_FALSE(Capture([&] { return gl->RegisterModel(mesh.c_str(), ""); }).second.empty());
}

TEST_F(Resources, BackslashPathsAreRead) {
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {})));
    EXPECT_EQ(gl->RegisterModel(WithBackslashes(mesh).c_str(), "box"), ResourceResult::Loaded);
}

class Replacement : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        LookFrom(Math::Vector3(0, 0, 8), Math::Vector3(0, 0, -1));
        box.SetModelName("box");
        gl->Register(&box);
    }
    void TearDown() override { gl->UnRegister(&box); }
    TestSupport::Color Centre() { return gl.RenderAndRead().Average(75, 55, 10, 10); }

    RenderInterface::Model3D box;
};

TEST_F(Replacement, RegisteringANameAgainShowsTheNewResource) {
    RegisterMesh("box", MakeBox(Math::Vector3(1, 1, 1), {230, 20, 20, 255}));
    const TestSupport::Color first = Centre();
    RegisterMesh("box", MakeBox(Math::Vector3(1, 1, 1), {20, 20, 230, 255}));
    const TestSupport::Color second = Centre();
    EXPECT_GT(first.r, first.b + 50.0);
    EXPECT_GT(second.b, second.r + 50.0);
}

TEST_F(Replacement, AFailedRegistrationKeepsTheEarlierResource) {
    RegisterMesh("box", MakeBox(Math::Vector3(1, 1, 1), {230, 20, 20, 255}));
    const std::string garbage = WriteTestFile("garbage.mesh", Assets::Bytes(64, 0x11));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gl->RegisterModel(garbage.c_str(), "box"), ResourceResult::BadFormat);
    ::testing::internal::GetCapturedStderr();
    const TestSupport::Color after = Centre();
    EXPECT_GT(after.r, after.b + 50.0);
}

}  // namespace
}  // namespace RenderTest
