// The builder's files against the app's registrations, made by the real renderer under the app's
// own paths and names.
#include <filesystem>
#include <set>

#include <AntTweakBar.h>
#include <AssetBuilder.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>

#include "AssetTestSupport.h"
#include "demo/AnimationDemo.h"

namespace fs = std::filesystem;

// The demo, started from the build directory, loads every file it registers. The builder makes
// exactly those files, each byte for byte what the build's own run of it wrote (so every run
// writes the same), and the build's tree holds them with the exporter's warrior beside them.
TEST(ResourceFiles, BuilderMakesExactlyTheFilesTheAppRegistersTheSameOnEveryRun) {
    std::set<std::string> registered, built, tree;
    const fs::path previous = fs::current_path();
    fs::current_path(VANTOR_RESOURCE_ROOT);
    {
        TestSupport::OffscreenRenderer gl(64, 64);
        TestSupport::RecordingRenderer recorder(*gl.Get());
        AnimationDemo demo;
        demo.Init(&recorder, 64.0f, 64.0f);
        demo.Shutdown();
        TwTerminate();
        for (const TestSupport::RecordedCall& call : recorder.calls) {
            if (!call.result) continue;
            registered.insert(Assets::NormalizePath(call.text[0].substr(2)));
            EXPECT_EQ(call.result, RenderInterface::ResourceResult::Loaded) << call.text[0];
        }
    }
    fs::current_path(previous);
    for (const AssetGen::AssetFile& file : AssetGen::BuildAllAssets()) {
        built.insert(file.path);
        Assets::Bytes written;
        std::string error;
        EXPECT_TRUE(Assets::ReadFileBytes(VANTOR_RESOURCE_ROOT "/" + file.path, written, error)) << error;
        EXPECT_TRUE(written == file.bytes) << file.path << " differs from the build's";
    }
    EXPECT_EQ(built, registered);
    for (const auto& entry : fs::recursive_directory_iterator(VANTOR_RESOURCE_ROOT "/resources")) {
        if (entry.is_regular_file()) tree.insert(fs::relative(entry.path(), VANTOR_RESOURCE_ROOT).generic_string());
    }
    registered.insert("resources/Warrior.glb");
    EXPECT_EQ(tree, registered);
}
