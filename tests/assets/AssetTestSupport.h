#pragma once
// The generated resources in the build's resources/ tree (the vantor_resources target writes them).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include <Assets/Formats.h>
#include <Assets/ResourcePaths.h>
#include <Math/Math.h>

namespace AssetTests {

using Math::Vector3;

// Where the app puts a weapon: bone 36 (the right hand), then this offset.
constexpr int kWeaponBone = 36;
const Vector3 kWeaponOffset(9.75f, 2.8f, 6.305f);

// One of the app's files below `root` through its reader; a file that does not load fails the test.
template <typename Data>
Data Load(const Assets::ResourceFile& file, bool (*read)(const Assets::Bytes&, Data&, std::string&),
          const std::string& root = VANTOR_RESOURCE_ROOT) {
    Assets::Bytes bytes;
    Data data;
    std::string error;
    const std::string path = root + "/" + Assets::RelativeResourcePath(file);
    EXPECT_TRUE(Assets::ReadFileBytes(path, bytes, error) && read(bytes, data, error)) << path << ": " << error;
    return data;
}

// The index of the named bone; the bone count, which no .at() accepts, when there is none.
inline std::size_t BoneIndex(const Assets::SkeletonData& skeleton, const std::string& name) {
    const auto found = std::find_if(skeleton.bones.begin(), skeleton.bones.end(), [&](const auto& bone) { return bone.name == name; });
    EXPECT_NE(found, skeleton.bones.end()) << "no bone " << name;
    return static_cast<std::size_t>(found - skeleton.bones.begin());
}


}  // namespace AssetTests
