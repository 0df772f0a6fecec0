// Property: bad asset files never stop the program. With resources/ missing, one file of each kind
// missing or overwritten with garbage, or a huge (sparse) file in place of a mesh, the demo starts,
// draws, and ends with exit code 0 on Escape, having said exactly one clear line on stderr for
// each bad file, naming it; without resources/ one more line says where it looked. The program
// treats every refusal alike, so one kind of damage per kind of file is enough here; how each
// reader refuses each damage, and that the refusal is one line naming the file, the readers' and
// the renderer's own tests check.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

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
        std::ifstream in(GoodResources / bad.file, std::ios::binary);
        std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::uint32_t state = 0x9e3779b9u;  // a fixed sequence, so runs repeat
        for (char& byte : bytes) byte = bad.damage == Garbage ? char((state = state * 1664525u + 1013904223u) >> 24) : byte;
        if (bad.damage != Missing) std::ofstream(directory / "resources" / bad.file, std::ios::binary).write(bytes.data(), long(bytes.size()));
        if (bad.damage == Huge) fs::resize_file(directory / "resources" / bad.file, std::uintmax_t{4} << 30);  // sparse: no disk used
        return directory.string();
    }
};

TEST_P(BadResourcesTest, DemoRunsAndEndsWithZeroReportingEachBadFileOnce) {
    // It draws: the sky shows at the top, between the panels, with or without its texture.
    const auto sky = [](const FrameImage& p) { return IsSky(Patch(p, int(p.width) / 2, 10)); };
    EXPECT_TRUE(sky(CaptureUntil("running", sky, 20.0)));
    ASSERT_EQ(Quit(), 0);

    const std::string errors = program->StandardError();
    const bool noResources = !*GetParam().file;
    std::vector<std::string> lines, bad;
    std::istringstream err(errors);
    for (std::string line; std::getline(err, line);) lines.push_back(line);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(GoodResources)) {
        const fs::path relative = fs::relative(entry.path(), GoodResources);
        const bool registered = relative.extension() != ".glb";  // the exporter's file, not the demo's
        if (entry.is_regular_file() && registered && (noResources || relative == GetParam().file)) bad.push_back(relative.filename());
    }
    EXPECT_EQ(lines.size(), bad.size() + noResources) << "one line per bad file; stderr was:\n" << errors;
    if (noResources && !lines.empty()) {
        EXPECT_NE(lines.back().find((directory / "resources").string()), std::string::npos) << lines.back();
        EXPECT_NE(lines.back().find("scripts/run"), std::string::npos) << lines.back();
    }
    for (const std::string& file : bad) {
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(file) != std::string::npos; }), 1)
            << file << " is not reported exactly once";
    }
}

INSTANTIATE_TEST_SUITE_P(EachKindOfFile, BadResourcesTest, ::testing::ValuesIn(BadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace EndToEnd
