// Property: bad input to the real vantor-import gets exactly one line on stderr naming the file
// and the reason, exit code 1, and leaves the output folder exactly as it was (nothing written
// into it, nothing left beside it).
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// simple_skin.gltf with 255 plain nodes chained between its two joints: the nodes joining a skin's
// joints are bones too, 257 of them.
std::string TooManyBones(const std::string& gltf)
{
    std::string chain;
    for (int n = 3; n <= 257; ++n) chain += ", { \"children\" : [ " + std::to_string(n < 257 ? n + 1 : 2) + " ] }";
    const std::string lastNode = "\"rotation\" : [ 0.0, 0.0, 0.0, 1.0 ]\n  }";
    return Replace(Replace(gltf, "\"children\" : [ 2 ]", "\"children\" : [ 3 ]"), lastNode + " ]", lastNode + chain + " ]");
}

// The minetest character with bytes overwritten at the first `tag` chunk plus `offset`.
std::string PatchedB3d(const char* tag, std::size_t offset, std::uint32_t value)
{
    std::string bytes = ReadText(IMPORT_MINETEST);
    const std::size_t at = bytes.find(tag);
    EXPECT_NE(at, std::string::npos);
    std::memcpy(&bytes[at + offset], &value, sizeof value);
    return bytes;
}

struct BadCase {
    const char* label;
    const char* fileName;  // written into the work folder unless `contents` is empty
    std::string contents;
    const char* arguments;
    const char* reason;
};
// CTest lists each case by its label, not by its bytes.
void PrintTo(const BadCase& bad, std::ostream* out) { *out << bad.label; }

std::vector<BadCase> Cases()
{
    const std::string skin = ReadText("/usr/share/assimp/models/glTF2/simple_skin/simple_skin.gltf");
    constexpr std::uint32_t kNaN = 0x7fc00000u;
    return {
        {"Missing", "missing.gltf", "", "", "file not found"},
        {"Directory", "folder.gltf", "", "", "a directory, not a file"},
        {"UnknownFormat", "character.xyz", "solid nothing\n", "", "unknown format '.xyz'"},
        {"Garbage", "garbage.gltf", "{ this is not json", "", "not a file Assimp can read"},
        {"NoMesh", "nomesh.gltf", Replace(Replace(skin, "\"mesh\" : 0,", ""), "\"meshes\"", "\"unused\""), "", "no mesh"},
        {"NoSkin", "noskin.gltf", Replace(skin, "\"skin\" : 0,", ""), "", "no skin"},
        {"NoAnimation", "still.gltf", Replace(skin, "\"animations\"", "\"unused\""), "", "no animation"},
        {"ClipNotFound", "skin.gltf", skin, "--hand nodes[2] --walk Stroll", "--walk: no animation named 'Stroll'"},
        {"BoneNotFound", "skin.gltf", skin, "--hand Claw", "no bone named 'Claw'"},
        {"NoRightHand", "skin.gltf", skin, "", "no bone named like a right hand"},
        {"FramesOutside", "character.b3d", ReadText(IMPORT_MINETEST), "--hand Arm_Right --walk 300-320",
         "--walk 300-320: frames outside the timeline"},
        {"TooManyBones", "crowd.gltf", TooManyBones(skin), "--hand nodes[2]", "too many bones: 257"},
        // ANIM chunk: tag, size, flags, frames: 100 frames where the keys run to 221.
        {"KeysOutsideDuration", "short.b3d", PatchedB3d("ANIM", 12, 100), "--hand Arm_Right",
         "keys outside the stated duration"},
        // KEYS chunk: tag, size, flags, frame, then the first key's first value.
        {"NaNKey", "nan.b3d", PatchedB3d("KEYS", 16, kNaN), "--hand Arm_Right", "NaN in the keys"},
    };
}

// Every file below `out` and its contents.
std::string Snapshot(const fs::path& out)
{
    std::string listing;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(out)) {
        listing += entry.path().string() + (entry.is_regular_file() ? "=" + ReadText(entry.path()) : "") + "\n";
    }
    return listing;
}

class BadFile : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFile, GetsOneLineExitOneAndLeavesTheOutputAlone)
{
    const BadCase& bad = GetParam();
    const fs::path work = fs::path(IMPORT_WORK_DIR) / "bad" / bad.label, out = work / "out";
    fs::remove_all(work);
    fs::create_directories(out / "resources" / "skeletons");
    std::ofstream(out / "resources" / "skeletons" / "Warrior_Skeleton.ske") << "the previous import";
    const fs::path input = work / bad.fileName;
    if (std::string(bad.label) == "Directory") fs::create_directories(input);
    if (!bad.contents.empty()) std::ofstream(input, std::ios::binary) << bad.contents;
    const std::string before = Snapshot(out);

    const fs::path errors = work / "stderr.txt";
    const std::string command = std::string(VANTOR_IMPORT_EXE) + " " + input.string() + " " + bad.arguments +
                                " --out " + (out / "resources").string() + " >/dev/null 2>" + errors.string();
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string message = ReadText(errors);
    EXPECT_EQ(message.rfind("vantor-import: " + input.string() + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(bad.reason), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_EQ(Snapshot(out), before);
}

INSTANTIATE_TEST_SUITE_P(EachReason, BadFile, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.label); });

}  // namespace
