// Property: bad asset files never stop the program. With resources/ missing, or one file of each
// kind missing, cut short, overwritten with garbage or grown to 4 GiB, the demo starts, draws, and
// ends with exit code 0 on Escape, having said exactly one clear line on stderr for each bad file,
// naming it; without resources/, one more line, the last, says where it looked and where to start.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>
#include <vector>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

namespace fs = std::filesystem;

enum class Damage { Missing, Truncated, Garbage, Huge };

struct BadFile {
    const char* file;  // relative to resources/; empty for "no resources/ at all"
    Damage damage;
};

const fs::path GoodResources = fs::path(VANTOR_BUILD_DIR) / "resources";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<char> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The same number of bytes, none of them meaningful (a fixed sequence, so runs repeat).
std::vector<char> Garbage(std::size_t size) {
    std::vector<char> bytes(size);
    std::uint32_t state = 0x9e3779b9u;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

class BadResourcesTest : public DemoFixture, public ::testing::WithParamInterface<BadFile> {
protected:
    // A private resources/ beside the test's output: links to the good files, but for the bad one.
    std::string WorkingDirectory() override {
        const fs::path directory = fs::path(E2E_OUTPUT_DIR) / "bad-resources" / Name();
        fs::remove_all(directory);
        fs::create_directories(directory);
        const BadFile bad = GetParam();
        if (std::string(bad.file).empty()) {
            return directory.string();
        }
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(GoodResources)) {
            const fs::path relative = fs::relative(entry.path(), GoodResources);
            const fs::path target = directory / "resources" / relative;
            if (entry.is_directory()) {
                fs::create_directories(target);
            } else if (relative != fs::path(bad.file)) {
                fs::create_symlink(entry.path(), target);
            }
        }
        const std::vector<char> good = ReadBytes(GoodResources / bad.file);
        const fs::path target = directory / "resources" / bad.file;
        if (bad.damage == Damage::Truncated) {
            WriteBytes(target, std::vector<char>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)));
        } else if (bad.damage == Damage::Garbage) {
            WriteBytes(target, Garbage(good.size()));
        } else if (bad.damage == Damage::Huge) {
            WriteBytes(target, {});
            fs::resize_file(target, std::uintmax_t{4} << 30);  // sparse: no disk used
        }
        return directory.string();
    }

    static std::string Name() {
        const BadFile bad = GetParam();
        static const char* const kinds[] = {"missing", "truncated", "garbage", "huge"};
        std::string name = std::string(bad.file).empty() ? "no-resources" : bad.file;
        std::replace(name.begin(), name.end(), '/', '-');
        return name + "-" + kinds[static_cast<int>(bad.damage)];
    }
};

TEST_P(BadResourcesTest, DemoRunsAndEndsWithZeroReportingEachBadFileOnce) {
    // It draws: the sky shows at the top right, with or without its texture.
    const TestSupport::FrameImage picture = CaptureUntil("running", [](const TestSupport::FrameImage& p) {
        return IsSky(Patch(p, int(p.width) - 20, 10));
    }, 20.0);
    EXPECT_TRUE(IsSky(Patch(picture, int(picture.width) - 20, 10)));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ASSERT_EQ(Quit(), 0);

    const std::vector<std::string> lines = Lines(program->StandardError());
    const bool noResources = std::string(GetParam().file).empty();
    std::vector<std::string> bad;
    if (noResources) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(GoodResources)) {
            if (entry.is_regular_file()) {
                bad.push_back(entry.path().filename().string());
            }
        }
    } else {
        bad.push_back(fs::path(GetParam().file).filename().string());
    }
    EXPECT_EQ(lines.size(), bad.size() + noResources) << "one line per bad file; stderr was:\n" << program->StandardError();
    if (noResources && !lines.empty()) {
        EXPECT_NE(lines.back().find((fs::path(E2E_OUTPUT_DIR) / "bad-resources" / Name() / "resources").string()), std::string::npos) << lines.back();
        EXPECT_NE(lines.back().find("scripts/run"), std::string::npos) << lines.back();
    }
    for (const std::string& file : bad) {
        const auto naming = std::count_if(lines.begin(), lines.end(), [&file](const std::string& line) {
            return line.find(file) != std::string::npos;
        });
        EXPECT_EQ(naming, 1) << file << " is not reported exactly once";
    }
}

const BadFile BadFiles[] = {
    {"", Damage::Missing},
    {"textures/CubeMap.dds", Damage::Missing},
    {"textures/CubeMap.dds", Damage::Truncated},
    {"textures/CubeMap.dds", Damage::Garbage},
    {"models/Warrior_Skeleton.mesh", Damage::Missing},
    {"models/Warrior_Skeleton.mesh", Damage::Truncated},
    {"models/Warrior_Skeleton.mesh", Damage::Garbage},
    {"skeletons/Warrior_Skeleton.ske", Damage::Missing},
    {"skeletons/Warrior_Skeleton.ske", Damage::Truncated},
    {"skeletons/Warrior_Skeleton.ske", Damage::Garbage},
    {"animations/Warrior_Walk.anim", Damage::Missing},
    {"animations/Warrior_Walk.anim", Damage::Truncated},
    {"animations/Warrior_Walk.anim", Damage::Garbage},
    {"models/Sword.mesh", Damage::Huge},
};

std::string CaseName(const ::testing::TestParamInfo<BadFile>& info) {
    static const char* const kinds[] = {"Missing", "Truncated", "Garbage", "Huge"};
    std::string name = std::string(info.param.file).empty() ? "NoResources" : fs::path(info.param.file).stem().string();
    name += std::string(kinds[static_cast<int>(info.param.damage)]);
    name += fs::path(info.param.file).extension().string();
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(EachKindOfFile, BadResourcesTest, ::testing::ValuesIn(BadFiles), CaseName);

}  // namespace
}  // namespace EndToEnd
