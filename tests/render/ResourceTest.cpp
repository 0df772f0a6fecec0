// Registering asset files: good files load silently, read with either path separator; a missing
// file, contents of the wrong kind or a missing name are refused with the path as opened on stderr.
#include <algorithm>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

using RenderInterface::Renderer;
using RenderInterface::ResourceResult;

class Resources : public SceneTest {
protected:
    // The result of a registration and how often `path`, as opened, appears in what it printed on stderr.
    std::pair<ResourceResult, std::size_t> Register(ResourceResult (Renderer::*registration)(const char*, const char*),
                                                    const std::string& path, const char* name = "thing") {
        ::testing::internal::CaptureStderr();
        const ResourceResult result = (gl.Get()->*registration)(path.c_str(), name);
        const std::string printed = ::testing::internal::GetCapturedStderr();
        const std::string opened = Assets::NormalizePath(path);
        std::size_t count = 0;
        for (std::size_t at = printed.find(opened); at != std::string::npos; at = printed.find(opened, at + 1)) ++count;
        return {result, path.empty() ? printed.size() : count};
    }
};

TEST_F(Resources, GoodFilesLoadSilentlyWithEitherSeparator) {
    std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {1, 2, 3, 255})));
    std::replace(mesh.begin(), mesh.end(), '/', '\\');
    const std::string sky = WriteTestFile("sky.dds", Assets::WriteCubeMapDds(MakeFaceColoredCubeMap(4, {})));
    const std::string skeleton = WriteTestFile("one.ske", Assets::WriteSkeleton(MakeFlatSkeleton(1)));
    EXPECT_EQ(Register(&Renderer::RegisterModel, mesh), std::make_pair(ResourceResult::Loaded, std::size_t{0}));
    EXPECT_EQ(Register(&Renderer::RegisterTexture, sky), std::make_pair(ResourceResult::Loaded, std::size_t{0}));
    EXPECT_EQ(Register(&Renderer::RegisterSkeleton, skeleton), std::make_pair(ResourceResult::Loaded, std::size_t{0}));
}

TEST_F(Resources, RefusalsAreReportedOnceWithTheirPath) {
    const std::string absent = TestDirectory() + "\\absent.mesh";
    for (auto registration : {&Renderer::RegisterModel, &Renderer::RegisterTexture, &Renderer::RegisterSkeleton,
                              &Renderer::RegisterAnimation})
        EXPECT_EQ(Register(registration, absent), std::make_pair(ResourceResult::FileNotFound, std::size_t{1}));
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {})));
    const std::string garbage = WriteTestFile("garbage.dds", Assets::Bytes(100, 0x5a));
    EXPECT_EQ(Register(&Renderer::RegisterTexture, mesh), std::make_pair(ResourceResult::BadFormat, std::size_t{1}));
    EXPECT_EQ(Register(&Renderer::RegisterModel, garbage), std::make_pair(ResourceResult::BadFormat, std::size_t{1}));
    EXPECT_EQ(Register(&Renderer::RegisterModel, "").first, ResourceResult::BadName);
    EXPECT_EQ(Register(&Renderer::RegisterModel, mesh, "").first, ResourceResult::BadName);
    EXPECT_EQ(gl->RegisterModel(nullptr, nullptr), ResourceResult::BadName);
}

}  // namespace
}  // namespace RenderTest
