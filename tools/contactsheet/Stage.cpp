#include "Stage.h"

#include <vector>

#include <Assets/ResourcePaths.h>
#include <HandGrip.h>

namespace ContactSheet {

using Math::Matrix4;
using Math::Quaternion;
using Math::Vector3;
using RenderInterface::ResourceResult;

namespace {

constexpr const char* kSkeleton = Assets::kSkeletonFile.name;

// Every file the app registers, with the name it registers it under.
struct Registration {
    enum Kind { Texture, Model, Skeleton, Clip } kind;
    Assets::ResourceFile file;
};

std::vector<Registration> Registrations() {
    std::vector<Registration> all = {
        {Registration::Texture, Assets::kDaySkyFile},    {Registration::Texture, Assets::kCitySkyFile},
        {Registration::Model, Assets::kSwordFile},       {Registration::Model, Assets::kShieldFile},
        {Registration::Model, Assets::kGunFile},         {Registration::Model, Assets::kFloorFile},
        {Registration::Model, Assets::kHumanMeshFile},   {Registration::Model, Assets::kPlayerMeshFile},
        {Registration::Skeleton, Assets::kSkeletonFile},
    };
    for (const Assets::ResourceFile& clip : Assets::kClipFiles) {
        all.push_back({Registration::Clip, clip});
    }
    return all;
}

}  // namespace

Stage::Stage(RenderInterface::Renderer& renderer) : renderer(renderer) {
    light.SetColor(Vector3::one);
    light.SetLightDirection(Vector3::unit_z - Vector3::unit_y);
    light.SetStrength(3.0f);
    renderer.Register(&light);
    floor.SetModelName("floor");
    floor.SetWorldMatrix(Matrix4::TRS(Vector3(0.0f, -10.0f, 0.0f), Quaternion::identity, Vector3(1000.0f, 10.0f, 1000.0f)));
    warrior.SetModelName("Player");
    warrior.SetSkeleton(kSkeleton);
    view = renderer.CreateView(256.0f, 256.0f, 0.5f, 10000.0f, 0.7853982f);
}

Stage::~Stage() {
    Clear();
    renderer.UnRegister(&light);
    renderer.ReleaseView(view);
}

bool Stage::LoadResources(const std::string& root, std::string& error) {
    for (const Registration& entry : Registrations()) {
        const std::string path = root + "/" + Assets::RelativeResourcePath(entry.file);
        ResourceResult result = ResourceResult::BadName;
        switch (entry.kind) {
            case Registration::Texture:
                result = renderer.RegisterTexture(path.c_str(), entry.file.name);
                break;
            case Registration::Model:
                result = renderer.RegisterModel(path.c_str(), entry.file.name);
                break;
            case Registration::Skeleton:
                result = renderer.RegisterSkeleton(path.c_str(), entry.file.name);
                break;
            case Registration::Clip:
                result = renderer.RegisterAnimation(path.c_str(), entry.file.name);
                break;
        }
        if (result != ResourceResult::Loaded) {
            error = path + " could not be registered";
            return false;
        }
    }
    return true;
}

void Stage::Clear() {
    for (RenderInterface::Renderable* object :
         std::initializer_list<RenderInterface::Renderable*>{&sky, &floor, &warrior, &weapon, &prop}) {
        renderer.UnRegister(object);
    }
}

void Stage::ShowSky(const char* textureName) {
    sky.SetTextureName(textureName);
    renderer.Register(&sky);
}

void Stage::ShowFloor() { renderer.Register(&floor); }

void Stage::ShowWarrior(const Matrix4& world, const char* clip, float time, const char* weaponName) {
    // Without a clip the pose is left empty, which the renderer draws as the bind pose.
    localPoses.clear();
    if (clip != nullptr) {
        RenderInterface::AnimationState state;
        state.SetAnimationName(clip);
        state.SetTime(time);
        RenderInterface::AnimationController::LerpBlend(kSkeleton, &state, localPoses);
    }
    RenderInterface::AnimationController::BuildTransformationMatricies(kSkeleton, localPoses, boneTransforms,
                                                                       skinningMatrices);
    warriorWorld = world;
    warrior.SetSkinningMatricies(skinningMatrices);
    warrior.SetWorldMatrix(world);
    renderer.Register(&warrior);
    if (weaponName != nullptr) {
        const AssetGen::BindFrame& bind = AssetGen::WarriorBindPose()[AssetGen::RightHand];
        const Matrix4 hand = boneTransforms.size() > AssetGen::RightHand
                                 ? boneTransforms[AssetGen::RightHand]
                                 : Matrix4::TRS(bind.position, bind.rotation, Vector3::one);
        weapon.SetModelName(weaponName);
        weapon.SetWorldMatrix(world * hand * Matrix4::TRS(AssetGen::kWeaponGripOffset, Quaternion::identity,
                                                          Vector3::one));
        renderer.Register(&weapon);
    }
}

void Stage::ShowModel(const char* name, const Matrix4& world) {
    prop.SetModelName(name);
    prop.SetWorldMatrix(world);
    renderer.Register(&prop);
}

Vector3 Stage::BonePosition(int bone) const {
    if (static_cast<size_t>(bone) >= boneTransforms.size()) {
        return Math::TransformPoint(warriorWorld, AssetGen::WarriorBindPose()[bone].position);
    }
    return Math::TransformPoint(warriorWorld * boneTransforms[bone], Vector3::zero);
}

void Stage::Look(const Vector3& eye, const Vector3& target, float fovY) {
    view->fovY = fovY;
    RenderInterface::Camera& camera = view->GetCamera();
    camera.SetPosition(eye);
    camera.SetForward(target - eye);
    camera.SetUp(Vector3::unit_y);
}

}  // namespace ContactSheet
