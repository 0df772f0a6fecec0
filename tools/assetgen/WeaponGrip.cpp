#include "HandGrip.h"
#include "Rotations.h"
#include "Weapons.h"

namespace AssetGen {

Math::Quaternion GripFrameToHandBone() {
    const BindFrame& hand = WarriorBindPose()[RightHand];
    const Math::Vector3 forearm = Math::Normalized(hand.position - WarriorBindPose()[RightForearm].position);
    const HandFrame frame = MakeHandFrame(Side::Right, hand.position, forearm);
    const Math::Vector3 x = Math::Cross(frame.gripAxis, frame.gripForward);
    const Math::Quaternion gripInModel = FromBasis(x, frame.gripAxis, frame.gripForward);
    return Math::Conjugate(hand.rotation) * gripInModel;
}

}  // namespace AssetGen
