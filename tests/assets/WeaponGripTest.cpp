// Where the app puts a weapon: the right hand bone (36) times the fixed offset. In the bind pose
// that point must lie inside the closed fist, and walking or running each weapon must be held the
// way its kind is carried.
#include "AssetTestSupport.h"

using namespace AssetTests;

using Math::Matrix4;
const Matrix4 kOffset = Matrix4::TRS(kWeaponOffset, Math::Quaternion::identity, Vector3::one);

// Whichever way one looks from the grip point (400 directions spread evenly by a Fibonacci sphere),
// vertices of the hand and its fingers lie at least a unit beyond it, so it is inside the hand's
// hull; and the fingers wrap it closely.
TEST(WeaponGrip, GripPointLiesInsideTheClosedFist) {
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    ASSERT_GT(skeleton.bones.size(), static_cast<size_t>(kWeaponBone));
    const Vector3 grip = Math::TransformPoint(Math::Inverse(skeleton.bones[kWeaponBone].inverseBind) * kOffset, Vector3::zero);
    std::vector<bool> inHand(skeleton.bones.size());
    for (size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        const int parent = skeleton.bones[bone].parent;
        inHand[bone] = bone == kWeaponBone || (parent >= 0 && inHand[parent]);
    }
    std::vector<Vector3> hand;
    float nearest = 1e9f;
    for (const Assets::MeshVertex& v : mesh.vertices) {
        if (!inHand[v.boneIndices[0]] || v.boneWeights[0] < 0.5f) continue;
        hand.push_back(v.position);
        nearest = std::min(nearest, Math::Length(v.position - grip));
    }
    ASSERT_GT(hand.size(), 100u);
    EXPECT_LT(nearest, 4.0f) << "the fingers do not close around the grip";
    for (int i = 0; i < 400; ++i) {
        const float y = 1.0f - (2.0f * i + 1.0f) / 400.0f, r = std::sqrt(1.0f - y * y);
        const Vector3 direction(r * std::cos(2.39996323f * i), y, r * std::sin(2.39996323f * i));
        float beyond = -1e9f;
        for (const Vector3& p : hand) beyond = std::max(beyond, Math::Dot(p - grip, direction));
        EXPECT_GT(beyond, 1.0f) << "outside the hand towards (" << direction.x << ", " << direction.y << ", " << direction.z << ")";
    }
}

// Each weapon is modelled with its grip at the origin: the handle passes within a finger's thickness
// of it, and the weapon reaches well beyond. Placed as the app places them in every frame of Walk
// and Run: the sword's blade (its farthest point from the grip) points forward and up, the gun's
// muzzle ahead, and the shield's centre lies further out to the right (-x) than the forearm.
TEST(WeaponGrip, WeaponsAreHeldAtTheirGripAndCarriedNaturally) {
    const Assets::MeshData sword = LoadMesh("models/Sword.mesh"), gun = LoadMesh("models/Cerberus.mesh"),
                           shield = LoadMesh("models/Shield.mesh");
    for (const Assets::MeshData* mesh : {&sword, &gun, &shield}) {
        float nearest = 1e9f, farthest = 0.0f;
        for (const Assets::MeshVertex& v : mesh->vertices) {
            nearest = std::min(nearest, Math::Length(v.position));
            farthest = std::max(farthest, Math::Length(v.position));
        }
        EXPECT_TRUE(nearest < 3.0f && farthest > 15.0f) << nearest << " to " << farthest;
    }
    const int forearm = BoneIndex(LoadSkeleton(), "RightForearm");
    for (const char* clip : {"Walk", "Run"}) {
        for (float t = 0.0f; t < ClipDuration(clip); t += 0.03f) {
            const SampledPose pose = SamplePose(clip, t);
            const Matrix4 placement = pose.bones.at(kWeaponBone) * kOffset;
            const Vector3 grip = Math::TransformPoint(placement, Vector3::zero);
            auto farthest = [&](const Assets::MeshData& mesh) {
                Vector3 best = grip;
                for (const Assets::MeshVertex& v : mesh.vertices) {
                    const Vector3 p = Math::TransformPoint(placement, v.position);
                    if (Math::Length(p - grip) > Math::Length(best - grip)) best = p;
                }
                return best - grip;
            };
            const Vector3 blade = farthest(sword), muzzle = farthest(gun);
            EXPECT_GT(Math::Length(blade), 80.0f);
            EXPECT_TRUE(blade.z > 0.25f * Math::Length(blade) && blade.y > 0.25f * Math::Length(blade)) << clip << " " << t;
            EXPECT_GT(muzzle.z, 0.8f * Math::Length(muzzle)) << clip << " " << t;
            float centreX = 0.0f;
            for (const Assets::MeshVertex& v : shield.vertices) centreX += Math::TransformPoint(placement, v.position).x / shield.vertices.size();
            EXPECT_LT(centreX, std::min(Translation(pose.bones[forearm]).x, Translation(pose.bones[kWeaponBone]).x) - 5.0f) << clip << " " << t;
        }
    }
}
