#include "SkeletonLayout.h"

#include <algorithm>
#include <cctype>

#include "ClipChoice.h"
#include "HandGrip.h"
#include "Rotations.h"
#include "Posing.h"
#include "Weapons.h"

namespace CharacterImport {

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool NamedLikeRightHand(const std::string& bone)
{
    const std::string simple = Simplified(bone);
    for (const char* ending : {"righthand", "handr", "rhand", "handright"}) {
        if (EndsWith(simple, ending)) {
            return true;
        }
    }
    return false;
}

namespace {

int FindHand(const Character& character, const std::string& name)
{
    const std::vector<Assets::BoneData>& bones = character.skeleton.bones;
    if (!name.empty()) {
        for (std::size_t b = 0; b < bones.size(); ++b) {
            if (bones[b].name == name) {
                return static_cast<int>(b);
            }
        }
        throw ImportError("no bone named '" + name + "'");
    }
    for (std::size_t b = 0; b < bones.size(); ++b) {
        if (NamedLikeRightHand(bones[b].name)) {
            return static_cast<int>(b);
        }
    }
    throw ImportError("no bone named like a right hand (RightHand, hand.R, Hand_R, ...); name one with --hand");
}

bool HasChildren(const Assets::SkeletonData& skeleton, int bone)
{
    return std::any_of(skeleton.bones.begin(), skeleton.bones.end(),
                       [bone](const Assets::BoneData& b) { return b.parent == bone; });
}

// The pose of an affine matrix: its translation, its columns' lengths as the scale and the nearest
// rotation (a sheared parent, from non-uniform scales above it, cannot be matched exactly).
Math::VQS ToPose(const Math::Matrix4& m)
{
    Math::VQS pose;
    pose.translation = m.Column(3);
    pose.scale = Math::Vector3(Math::Length(m.Column(0)), Math::Length(m.Column(1)), Math::Length(m.Column(2)));
    const Math::Vector3 x = Math::Normalized(m.Column(0));
    const Math::Vector3 y = AssetGen::PerpendicularPart(m.Column(1), x);
    pose.rotation = AssetGen::FromBasis(x, y, Math::Cross(x, y));
    return pose;
}

// A socket bone under `arm`, placed so that the weapon's grip sits at the far end of the arm's
// geometry with its blade pointing forward and a little up.
Assets::BoneData ArmSocket(const Character& character, int arm)
{
    const Math::Matrix4 armFrame = BindPose(character.skeleton)[static_cast<std::size_t>(arm)];
    const Math::Vector3 origin = armFrame.Column(3);
    std::vector<Math::Vector3> points;
    Math::Vector3 centroid;
    for (const Assets::MeshVertex& vertex : character.mesh.vertices) {
        if (vertex.boneIndices[0] == arm && vertex.boneWeights[0] > 0.0f) {
            points.push_back(vertex.position);
            centroid += vertex.position;
        }
    }
    Math::Vector3 grip = origin;
    if (!points.empty()) {
        centroid = centroid * (1.0f / static_cast<float>(points.size()));
        const Math::Vector3 along = Math::Normalized(centroid - origin);
        float reach = 0.0f;
        for (const Math::Vector3& p : points) {
            reach = std::max(reach, Math::Dot(p - origin, along));
        }
        // Centre of the arm's last fifth, a little back from its very end, where a fist would close.
        Math::Vector3 end;
        int count = 0;
        for (const Math::Vector3& p : points) {
            if (Math::Dot(p - origin, along) >= 0.8f * reach) {
                end += p;
                ++count;
            }
        }
        end = end * (1.0f / static_cast<float>(count));
        grip = end + along * (0.9f * reach - Math::Dot(end - origin, along));
    }
    const Math::Vector3 blade = Math::Normalized(Math::Vector3(0.0f, 0.25f, 1.0f));
    const Math::Vector3 edge = AssetGen::PerpendicularPart(Math::Vector3::unit_y, blade);
    const Math::Quaternion gripInModel = AssetGen::FromBasis(Math::Cross(blade, edge), blade, edge);
    const Math::Quaternion rotation = gripInModel * Math::Conjugate(AssetGen::GripFrameToHandBone());
    const Math::Matrix4 socket = Math::Matrix4::TRS(grip - Math::Rotate(rotation, AssetGen::kWeaponGripOffset),
                                                    rotation, Math::Vector3::one);

    Assets::BoneData bone;
    bone.name = character.skeleton.bones[static_cast<std::size_t>(arm)].name + "_Socket";
    bone.parent = arm;
    bone.bindPose = ToPose(Math::Inverse(armFrame) * socket);
    bone.inverseBind = Math::Inverse(armFrame * Math::ToMatrix4(bone.bindPose));
    return bone;
}

// Parents-first order with `hand` at kHandBone: the hand's ancestors, then other bones whose
// parents are already placed, until 36 are placed; then the hand and everything else in the
// original order. Returns new-to-old indices; -1 marks a helper bone to add.
std::vector<int> HandOrder(const Assets::SkeletonData& skeleton, int hand)
{
    const int count = static_cast<int>(skeleton.bones.size());
    auto inHandSubtree = [&](int b) {
        for (; b >= 0; b = skeleton.bones[static_cast<std::size_t>(b)].parent) {
            if (b == hand) return true;
        }
        return false;
    };
    std::vector<int> ancestors;
    for (int b = skeleton.bones[static_cast<std::size_t>(hand)].parent; b >= 0;
         b = skeleton.bones[static_cast<std::size_t>(b)].parent) {
        ancestors.insert(ancestors.begin(), b);
    }
    std::vector<bool> placed(static_cast<std::size_t>(count), false);
    std::vector<int> order;
    for (int b : ancestors) {
        order.push_back(b);
        placed[static_cast<std::size_t>(b)] = true;
    }
    bool grew = true;
    while (static_cast<int>(order.size()) < kHandBone && grew) {
        grew = false;
        for (int b = 0; b < count && static_cast<int>(order.size()) < kHandBone; ++b) {
            const int parent = skeleton.bones[static_cast<std::size_t>(b)].parent;
            if (!placed[static_cast<std::size_t>(b)] && !inHandSubtree(b) &&
                (parent < 0 || placed[static_cast<std::size_t>(parent)])) {
                order.push_back(b);
                placed[static_cast<std::size_t>(b)] = true;
                grew = true;
            }
        }
    }
    while (static_cast<int>(order.size()) < kHandBone) {
        order.push_back(-1);
    }
    for (int b = 0; b < count; ++b) {
        if (!placed[static_cast<std::size_t>(b)]) {
            order.push_back(b);
        }
    }
    return order;
}

void Reorder(Character& character, const std::vector<int>& newToOld)
{
    std::vector<int> oldToNew(character.skeleton.bones.size(), -1);
    for (std::size_t n = 0; n < newToOld.size(); ++n) {
        if (newToOld[n] >= 0) {
            oldToNew[static_cast<std::size_t>(newToOld[n])] = static_cast<int>(n);
        }
    }
    Assets::SkeletonData ordered;
    int helpers = 0;
    for (int old : newToOld) {
        Assets::BoneData bone;
        if (old < 0) {
            bone.name = "helper_" + std::to_string(helpers++);
        } else {
            bone = character.skeleton.bones[static_cast<std::size_t>(old)];
            bone.parent = bone.parent < 0 ? -1 : oldToNew[static_cast<std::size_t>(bone.parent)];
        }
        ordered.bones.push_back(bone);
    }
    character.skeleton = ordered;
    for (Assets::MeshVertex& vertex : character.mesh.vertices) {
        for (std::uint8_t& index : vertex.boneIndices) {
            index = static_cast<std::uint8_t>(oldToNew[index]);
        }
    }
    for (SourceAnimation& animation : character.animations) {
        for (Assets::BoneTrack& track : animation.tracks) {
            track.bone = static_cast<std::uint32_t>(oldToNew[track.bone]);
        }
        std::sort(animation.tracks.begin(), animation.tracks.end(),
                  [](const Assets::BoneTrack& a, const Assets::BoneTrack& b) { return a.bone < b.bone; });
    }
    if (helpers > 0) {
        character.notes.push_back("added " + std::to_string(helpers) + " unweighted helper bones so the hand is bone " +
                                  std::to_string(kHandBone));
    }
}

}  // namespace

std::string LayOutForWeapon(Character& character, const std::string& handOption)
{
    int hand = FindHand(character, handOption);
    const std::string simple = Simplified(character.skeleton.bones[static_cast<std::size_t>(hand)].name);
    if (!HasChildren(character.skeleton, hand) && simple.find("hand") == std::string::npos) {
        character.socketOf = character.skeleton.bones[static_cast<std::size_t>(hand)].name;
        character.skeleton.bones.push_back(ArmSocket(character, hand));
        hand = static_cast<int>(character.skeleton.bones.size()) - 1;
        character.notes.push_back("'" + character.socketOf + "' has no hand of its own: the weapon hangs on '" +
                                  character.skeleton.bones.back().name + "' at the far end of its geometry");
    }
    const std::string handName = character.skeleton.bones[static_cast<std::size_t>(hand)].name;
    if (hand != kHandBone) {
        Reorder(character, HandOrder(character.skeleton, hand));
    }
    if (character.skeleton.bones[kHandBone].name != handName) {
        throw ImportError("'" + handName + "' has more than " + std::to_string(kHandBone) + " bones above it");
    }
    if (static_cast<int>(character.skeleton.bones.size()) > kMaxBones) {
        throw ImportError("too many bones: " + std::to_string(character.skeleton.bones.size()) + " (at most " +
                          std::to_string(kMaxBones) + ")");
    }
    return character.skeleton.bones[kHandBone].name;
}

}  // namespace CharacterImport
