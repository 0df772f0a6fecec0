// The character's per-frame update: travel and pose, the models placed in the world, the weapon
// carried at the right hand, and the Space and C keys stepping the clip and weapon selectors.
#include <RenderInterface/Renderer.h>

#include "character/PathCharacter.h"
#include "character/Selectors.h"
#include "util/Input.h"

namespace {

constexpr int SpaceKey = 44;  // SDL scancodes
constexpr int CKey = 6;
// Clips from "Run" onwards are the ones Space cycles through.
constexpr int FirstCycledClip = 4;

}  // namespace

void PathCharacter::Update()
{
    DrawPath();
    FollowPath();
    ShowFrame();
}

void PathCharacter::ShowFrame()
{
    playerModel->SetSkinningMatricies(skinningMatrices);
    playerModel->SetWorldMatrix(Math::Matrix4::TRS(position, orientation, scale));

    // Named every frame so that a selection made on the bar shows at once.
    weaponModel->SetModelName(weaponEnumValues[weaponIndex].Label);
    // The grip sits at this offset in the hand bone's frame.
    const Math::Matrix4 handOffset =
        Math::Matrix4::TRS(Math::Vector3(9.75f, 2.8f, 6.305f), Math::Quaternion::identity, Math::Vector3::one);
    const Math::Matrix4& playerWorld = playerModel->GetWorldMatrix();
    // A skeleton without a hand bone (or none at all) leaves the weapon at the model's origin.
    if (static_cast<int>(boneTransforms.size()) > WeaponBone) {
        weaponModel->SetWorldMatrix(playerWorld * boneTransforms[WeaponBone] * handOffset);
    } else {
        weaponModel->SetWorldMatrix(playerWorld * handOffset);
    }

    if (Util::Input::IsKeyTriggered(SpaceKey)) {
        clipIndex = clipIndex + 1 >= ClipCount ? FirstCycledClip : clipIndex + 1;
    }
    if (Util::Input::IsKeyTriggered(CKey)) {
        weaponIndex = weaponIndex + 1 >= WeaponCount ? 0 : weaponIndex + 1;
    }
}
