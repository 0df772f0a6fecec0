// Property: bad asset files never stop the program. With resources/ missing, one file of each kind
// missing or garbage, or a huge (sparse) file in place of a mesh, the demo starts, draws, and ends
// with exit code 0 on Escape, having said one line on stderr for each bad file, naming it; without
// resources/ one more line says where it looked. The program treats every refusal alike, so one
// damage per kind of file is enough here; how each reader refuses each damage, the readers' and
// the renderer's own tests check.
#include <filesystem>
#include <fstream>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

namespace fs = std::filesystem;

enum Damage { Missing, Garbage, Huge };
struct BadFile {
    const char* name;  // of the case
    const char* file;  // relative to resources/; empty for "no resources/ at all"
    Damage damage;
};
const BadFile BadFiles[] = {{"NoResources", "", Missing},
                            {"CubeMapGarbage", "textures/CubeMap.dds", Garbage},
                            {"MeshMissing", "models/Warrior_Skeleton.mesh", Missing},
                            {"SkeletonGarbage", "skeletons/Warrior_Skeleton.ske", Garbage},
                            {"AnimationMissing", "animations/Warrior_Walk.anim", Missing},
                            {"HugeMesh", "models/Sword.mesh", Huge}};

const fs::path GoodResources = fs::path(VANTOR_BUILD_DIR) / "resources";

class BadResourcesTest : public DemoFixture, public ::testing::WithParamInterface<BadFile> {
protected:
    const fs::path directory = fs::path(E2E_OUTPUT_DIR) / "bad-resources" / GetParam().name;

    // A private resources/ beside the test's output: links to the good files, but for the bad one.
    std::string WorkingDirectory() override {
        const BadFile bad = GetParam();
        fs::remove_all(directory);
        fs::create_directories(directory);
        if (!*bad.file) return directory.string();
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(GoodResources)) {
            const fs::path relative = fs::relative(entry.path(), GoodResources), target = directory / "resources" / relative;
            if (entry.is_directory()) fs::create_directories(target);
            if (!entry.is_directory() && relative != fs::path(bad.file)) fs::create_symlink(entry.path(), target);
        }
        const fs::path target = directory / "resources" / bad.file;
        if (bad.damage == Garbage) std::ofstream(target) << "garbage, not an asset";
        if (bad.damage == Huge) {
            fs::copy_file(GoodResources / bad.file, target);
            fs::resize_file(target, std::uintmax_t{4} << 30);  // sparse: no disk used
        }
        return directory.string();
    }
};

TEST_P(BadResourcesTest, DemoRunsAndEndsWithZeroReportingEachBadFileOnce) {
    // It draws: the sky shows at the top, between the panels, with or without its texture.
    const auto sky = [](const FrameImage& p) { return IsSky(Patch(p, int(p.width) / 2, 10)); };
    EXPECT_TRUE(sky(CaptureUntil("running", sky, 20.0)));
    ASSERT_EQ(program->Quit(), 0);

    const std::string errors = program->StandardError();
    const auto occurrences = [&](const std::string& part) {
        int count = 0;
        for (std::size_t at = errors.find(part); at != std::string::npos; at = errors.find(part, at + 1)) ++count;
        return count;
    };
    const bool noResources = !*GetParam().file;
    int badFiles = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(GoodResources)) {
        const fs::path relative = fs::relative(entry.path(), GoodResources);
        const bool registered = relative.extension() != ".glb";  // the exporter's file, not the demo's
        if (entry.is_regular_file() && registered && (noResources || relative == GetParam().file)) {
            ++badFiles;
            EXPECT_EQ(occurrences(relative.filename()), 1) << relative << " is not reported exactly once:\n" << errors;
        }
    }
    EXPECT_EQ(occurrences("\n"), badFiles + noResources) << "one line per bad file; stderr was:\n" << errors;
    if (noResources) {
        EXPECT_EQ(occurrences((directory / "resources").string()), 1) << errors;
        EXPECT_EQ(occurrences("scripts/run"), 1) << errors;
    }
}

INSTANTIATE_TEST_SUITE_P(EachKindOfFile, BadResourcesTest, ::testing::ValuesIn(BadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace EndToEnd
