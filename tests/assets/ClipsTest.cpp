// All fifteen clips: short, keyed over their whole length, moving the body plausibly for their
// names, never through the floor, and bending the skinned mesh without tearing it.
#include <set>

#include "AssetTestSupport.h"

using namespace AssetTests;

// The clips the app registers, by file below resources/ and by name.
std::vector<std::pair<std::string, std::string>> Clips() {
    std::vector<std::pair<std::string, std::string>> clips;
    for (const AppResource& r : AppResources()) {
        const std::string file = Assets::NormalizePath(r.path).substr(std::string("./resources/").size());
        if (file.find(".anim") != std::string::npos) clips.emplace_back(file, r.name);
    }
    EXPECT_EQ(clips.size(), 15u);
    return clips;
}

// Short (the demo only plays Walk and Run), with every channel keyed from the start to the end.
TEST(EveryClip, IsShortAndKeyedToItsEnd) {
  for (const auto& [file, name] : Clips()) {
    SCOPED_TRACE(name);
    const Assets::AnimationData clip = LoadClip(file);
    EXPECT_TRUE(clip.duration > 0.1f && clip.duration <= 1.0f) << clip.duration;
    ASSERT_FALSE(clip.tracks.empty());
    float last = 0.0f;
    for (const Assets::BoneTrack& track : clip.tracks) {
        ASSERT_FALSE(track.translations.empty() || track.rotations.empty() || track.scales.empty());
        EXPECT_EQ(track.translations.front().time + track.rotations.front().time + track.scales.front().time, 0.0f);
        last = std::max({last, track.translations.back().time, track.rotations.back().time, track.scales.back().time});
    }
    EXPECT_EQ(last, clip.duration);
  }
}

// Skinned through the clip, no vertex sinks below y = -1.5 (a rolling sole may touch down a
// little) and no triangle edge stretches to three times its bind length (the outside of a sharply
// bent elbow comes closest; a vertex bound to the wrong bone or a hard step in the weights tears
// far beyond that). Stand only breathes; every other clip moves some bone visibly.
TEST(EveryClip, MovesTheBodyAboveTheFloorWithoutTearingIt) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    std::set<std::pair<std::uint32_t, std::uint32_t>> edges;
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t a = mesh.indices[t + k], b = mesh.indices[t + (k + 1) % 3];
            if (Math::Length(mesh.vertices[a].position - mesh.vertices[b].position) > 0.3f) edges.emplace(std::min(a, b), std::max(a, b));
        }
    }
  for (const auto& [file, name] : Clips()) {
    SCOPED_TRACE(name);
    const float duration = ClipDuration(name);
    const SampledPose start = SamplePose(name, 0.0f);
    float lowest = 1e9f, stretch = 0.0f, moved = 0.0f;
    for (float t = 0.0f; t <= duration; t += duration / 10.0f) {
        const SampledPose pose = SamplePose(name, t);
        for (size_t bone = 0; bone < pose.bones.size(); ++bone) {
            moved = std::max(moved, Math::Length(Translation(pose.bones[bone]) - Translation(start.bones[bone])));
        }
        const std::vector<Vector3> skinned = SkinPositions(mesh, pose.skinning);
        for (const Vector3& p : skinned) lowest = std::min(lowest, p.y);
        for (const auto& [a, b] : edges) {
            stretch = std::max(stretch, Math::Length(skinned[a] - skinned[b]) /
                                            Math::Length(mesh.vertices[a].position - mesh.vertices[b].position));
        }
    }
    EXPECT_GT(lowest, -1.5f);
    EXPECT_LT(stretch, 3.0f);
    EXPECT_GT(moved, name == "Stand" ? 1.0f : 10.0f);
  }
}
