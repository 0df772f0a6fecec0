// The thirteen clips besides Walk and Run: a few key poses each, smoothly interpolated. They
// begin at the standing pose with the weapon carried forward and, except Die, end there.
#include <utility>

#include "ClipSampler.h"
#include "Clips.h"
#include "Rotations.h"

namespace AssetGen {

using Math::Vector3;

namespace {

// Angles in degrees as the clips are written: x pitches (forward for the trunk and head, back
// for a hanging arm or leg), y turns towards the body's left, z rolls (raises a left arm sideways,
// lowers a right one).
Vector3 Deg(float x, float y, float z) { return Vector3(Radians(x), Radians(y), Radians(z)); }

// A foot placed with its ball (or, with the toes raised, its heel) moved by `offset` from where
// it stands in the bind pose, turned by pitch (positive raises the heel) and yaw in degrees. On the
// floor the toes stay flat while the heel rises.
void PlaceFoot(BodyPose& pose, Side side, const Vector3& offset, float pitch = 0.0f, float yaw = 0.0f) {
    FootPlacement& foot = pose.FootOf(side);
    const FootPivot pivot = pitch >= 0.0f ? FootPivot::Ball : FootPivot::Heel;
    const Vector3 bindPivot = WarriorBindPose()[Foot(side)].position + PivotOffset(pivot);
    foot.planted = true;
    foot.angles = Deg(pitch, yaw, 0.0f);
    foot.ankle = AnkleFromPivot(pivot, bindPivot + offset, foot.angles);
    foot.toePitch = offset.y <= 0.0f && pitch > 0.0f ? -Radians(pitch) : 0.0f;
}

// Soft knees, the weapon arm bent with the forearm about level, the free arm relaxed.
BodyPose Standing() {
    BodyPose pose;
    pose.pelvisOffset = Vector3(0.0f, -2.0f, 0.0f);
    PlaceFoot(pose, Side::Left, Vector3(-0.5f, 0.0f, 1.0f), 0.0f, 4.0f);
    PlaceFoot(pose, Side::Right, Vector3(0.5f, 0.0f, -1.0f), 0.0f, -4.0f);
    pose.angles[LeftUpperArm] = Deg(2.0f, 0.0f, -3.0f);
    pose.angles[LeftForearm] = Deg(-12.0f, 0.0f, 0.0f);
    pose.angles[RightUpperArm] = Deg(-8.0f, 0.0f, 3.0f);
    pose.angles[RightForearm] = Deg(-62.0f, 0.0f, 0.0f);
    return pose;
}

// A wide, low stance with the left foot forward, ready to fight.
BodyPose Ready() {
    BodyPose pose = Standing();
    pose.pelvisOffset = Vector3(0.0f, -9.0f, -2.0f);
    PlaceFoot(pose, Side::Left, Vector3(3.0f, 0.0f, 16.0f), 0.0f, 10.0f);
    PlaceFoot(pose, Side::Right, Vector3(-4.0f, 0.0f, -14.0f), 0.0f, -25.0f);
    pose.angles[Pelvis] = Deg(6.0f, 15.0f, 0.0f);
    pose.angles[Spine2] = Deg(4.0f, -8.0f, 0.0f);
    pose.angles[Chest] = Deg(2.0f, -5.0f, 0.0f);
    pose.angles[Head] = Deg(-8.0f, -2.0f, 0.0f);
    pose.angles[RightUpperArm] = Deg(-30.0f, 10.0f, -15.0f);
    pose.angles[RightForearm] = Deg(-70.0f, 0.0f, 0.0f);
    pose.angles[LeftUpperArm] = Deg(-35.0f, 0.0f, 12.0f);
    pose.angles[LeftForearm] = Deg(-80.0f, 0.0f, 0.0f);
    return pose;
}

struct Key {
    float time;
    BodyPose pose;
};

Assets::AnimationData Sequence(float duration, std::initializer_list<Key> keys, float loop = 0.0f) {
    PoseSequence sequence;
    for (const Key& key : keys) {
        sequence.Add(key.time, key.pose);
    }
    if (loop > 0.0f) {
        sequence.SetLoop(loop);
    }
    return SampleClip(duration, loop > 0.0f, [&](float time) { return sequence.At(time); });
}

Assets::AnimationData Stand() {
    BodyPose inhale = Standing();
    inhale.pelvisOffset.y += 0.4f;
    inhale.angles[Chest] = Deg(-1.5f, 0.0f, 0.0f);
    inhale.angles[LeftUpperArm] = Deg(1.0f, 0.0f, -4.5f);
    inhale.angles[RightUpperArm] = Deg(-9.0f, 0.0f, 4.5f);
    inhale.angles[Head] = Deg(-1.0f, 2.0f, 0.0f);
    return Sequence(0.8f, {{0.0f, Standing()}, {0.4f, inhale}}, 0.8f);
}

Assets::AnimationData Guard() {
    BodyPose raised = Ready();
    raised.angles[RightUpperArm] = Deg(-55.0f, 30.0f, -25.0f);
    raised.angles[RightForearm] = Deg(-85.0f, 0.0f, 0.0f);
    raised.angles[RightHand] = Deg(0.0f, 0.0f, 0.0f);
    raised.angles[LeftUpperArm] = Deg(-50.0f, -20.0f, 20.0f);
    raised.angles[LeftForearm] = Deg(-95.0f, 0.0f, 0.0f);
    BodyPose settled = raised;
    settled.pelvisOffset.y -= 1.0f;
    settled.angles[Chest] = Deg(3.0f, -6.0f, 0.0f);
    return Sequence(0.5f, {{0.0f, Standing()}, {0.12f, raised}, {0.5f, settled}});
}

// Horizontal slash from the right across the body.
Assets::AnimationData Attack1() {
    BodyPose windUp = Ready();
    windUp.angles[Pelvis] = Deg(6.0f, -15.0f, 0.0f);
    windUp.angles[Spine2] = Deg(4.0f, -20.0f, 0.0f);
    windUp.angles[Chest] = Deg(2.0f, -15.0f, 0.0f);
    windUp.angles[Head] = Deg(-8.0f, 30.0f, 0.0f);
    windUp.angles[RightUpperArm] = Deg(0.0f, -40.0f, -80.0f);
    windUp.angles[RightForearm] = Deg(-50.0f, 0.0f, 0.0f);
    windUp.angles[RightHand] = Deg(40.0f, 0.0f, 0.0f);
    BodyPose strike = Ready();
    strike.angles[Pelvis] = Deg(6.0f, 30.0f, 0.0f);
    strike.angles[Spine2] = Deg(6.0f, 20.0f, 0.0f);
    strike.angles[Chest] = Deg(4.0f, 15.0f, 0.0f);
    strike.angles[Head] = Deg(-8.0f, -40.0f, 0.0f);
    strike.angles[RightUpperArm] = Deg(0.0f, 90.0f, -80.0f);
    strike.angles[RightForearm] = Deg(-10.0f, 0.0f, 0.0f);
    strike.angles[RightHand] = Deg(50.0f, 0.0f, 0.0f);
    BodyPose follow = strike;
    follow.angles[Pelvis] = Deg(8.0f, 40.0f, 0.0f);
    follow.angles[RightUpperArm] = Deg(10.0f, 140.0f, -75.0f);
    follow.angles[RightForearm] = Deg(-35.0f, 0.0f, 0.0f);
    return Sequence(0.45f, {{0.0f, Standing()}, {0.12f, windUp}, {0.2f, strike}, {0.26f, follow},
                            {0.45f, Standing()}});
}

// Overhead chop.
Assets::AnimationData Attack2() {
    BodyPose raise = Ready();
    raise.angles[Spine2] = Deg(-8.0f, -5.0f, 0.0f);
    raise.angles[Chest] = Deg(-6.0f, 0.0f, 0.0f);
    raise.angles[Head] = Deg(-10.0f, 0.0f, 0.0f);
    raise.angles[RightUpperArm] = Deg(-165.0f, 10.0f, -10.0f);
    raise.angles[RightForearm] = Deg(-70.0f, 0.0f, 0.0f);
    raise.angles[LeftUpperArm] = Deg(-120.0f, 0.0f, 10.0f);
    raise.angles[LeftForearm] = Deg(-60.0f, 0.0f, 0.0f);
    BodyPose chop = Ready();
    chop.pelvisOffset = Vector3(0.0f, -14.0f, 6.0f);
    chop.angles[Pelvis] = Deg(12.0f, 10.0f, 0.0f);
    chop.angles[Spine1] = Deg(10.0f, 0.0f, 0.0f);
    chop.angles[Spine2] = Deg(12.0f, -5.0f, 0.0f);
    chop.angles[Chest] = Deg(8.0f, -5.0f, 0.0f);
    chop.angles[Head] = Deg(-20.0f, 0.0f, 0.0f);
    chop.angles[RightUpperArm] = Deg(-60.0f, 10.0f, -5.0f);
    chop.angles[RightForearm] = Deg(-10.0f, 0.0f, 0.0f);
    chop.angles[RightHand] = Deg(45.0f, 0.0f, 0.0f);
    chop.angles[LeftUpperArm] = Deg(-20.0f, 0.0f, 15.0f);
    chop.angles[LeftForearm] = Deg(-40.0f, 0.0f, 0.0f);
    return Sequence(0.5f, {{0.0f, Standing()}, {0.16f, raise}, {0.24f, chop}, {0.32f, chop}, {0.5f, Standing()}});
}

// Lunging thrust.
Assets::AnimationData Attack3() {
    BodyPose drawBack = Ready();
    drawBack.angles[Pelvis] = Deg(4.0f, -20.0f, 0.0f);
    drawBack.angles[RightUpperArm] = Deg(25.0f, -10.0f, -20.0f);
    drawBack.angles[RightForearm] = Deg(-100.0f, 0.0f, 0.0f);
    drawBack.angles[RightHand] = Deg(-20.0f, 0.0f, 0.0f);
    BodyPose lunge = Ready();
    lunge.pelvisOffset = Vector3(0.0f, -16.0f, 18.0f);
    PlaceFoot(lunge, Side::Left, Vector3(3.0f, 0.0f, 42.0f), 0.0f, 10.0f);
    lunge.angles[Pelvis] = Deg(10.0f, 25.0f, 0.0f);
    lunge.angles[Spine2] = Deg(8.0f, 10.0f, 0.0f);
    lunge.angles[Head] = Deg(-15.0f, -25.0f, 0.0f);
    lunge.angles[RightUpperArm] = Deg(-80.0f, 15.0f, -5.0f);
    lunge.angles[RightForearm] = Deg(-8.0f, 0.0f, 0.0f);
    lunge.angles[RightHand] = Deg(-60.0f, 0.0f, 0.0f);
    lunge.angles[LeftUpperArm] = Deg(30.0f, 0.0f, 30.0f);
    BodyPose stepping = drawBack;
    PlaceFoot(stepping, Side::Left, Vector3(3.0f, 8.0f, 30.0f), -10.0f, 10.0f);
    return Sequence(0.5f, {{0.0f, Standing()}, {0.12f, drawBack}, {0.18f, stepping}, {0.24f, lunge},
                           {0.32f, lunge}, {0.5f, Standing()}});
}

// Struck, the knees give way and the body falls backwards to lie on the ground.
Assets::AnimationData Die() {
    BodyPose hit = Standing();
    hit.angles[Spine2] = Deg(-12.0f, 0.0f, 0.0f);
    hit.angles[Chest] = Deg(-8.0f, 0.0f, 0.0f);
    hit.angles[Head] = Deg(-20.0f, 0.0f, 0.0f);
    hit.angles[LeftUpperArm] = Deg(-30.0f, 0.0f, 30.0f);
    hit.angles[RightUpperArm] = Deg(-20.0f, 0.0f, -30.0f);
    BodyPose buckle = hit;
    buckle.pelvisOffset = Vector3(0.0f, -30.0f, -10.0f);
    PlaceFoot(buckle, Side::Left, Vector3(-0.5f, 0.0f, 4.0f), 0.0f, 10.0f);
    PlaceFoot(buckle, Side::Right, Vector3(0.5f, 0.0f, -4.0f), 0.0f, -10.0f);
    buckle.angles[Pelvis] = Deg(-10.0f, 10.0f, 0.0f);
    buckle.angles[Spine1] = Deg(8.0f, 0.0f, 0.0f);
    buckle.angles[Spine2] = Deg(10.0f, 0.0f, 0.0f);
    buckle.angles[Head] = Deg(15.0f, 0.0f, 0.0f);
    buckle.angles[LeftUpperArm] = Deg(-10.0f, 0.0f, 25.0f);
    buckle.angles[RightUpperArm] = Deg(-10.0f, 0.0f, -25.0f);
    BodyPose fallen = buckle;
    fallen.pelvisOffset = Vector3(0.0f, -83.0f, -55.0f);
    PlaceFoot(fallen, Side::Left, Vector3(4.0f, 2.0f, 40.0f), -75.0f, 20.0f);
    PlaceFoot(fallen, Side::Right, Vector3(-6.0f, 2.0f, 34.0f), -70.0f, -15.0f);
    fallen.angles[Pelvis] = Deg(-88.0f, 8.0f, 3.0f);
    fallen.angles[Spine1] = Deg(0.0f, 0.0f, 0.0f);
    fallen.angles[Spine2] = Deg(-2.0f, 0.0f, 0.0f);
    fallen.angles[Chest] = Deg(0.0f, 0.0f, 0.0f);
    fallen.angles[Neck] = Deg(8.0f, 0.0f, 0.0f);
    fallen.angles[Head] = Deg(5.0f, 30.0f, 0.0f);
    fallen.angles[LeftUpperArm] = Deg(0.0f, 0.0f, 70.0f);
    fallen.angles[LeftForearm] = Deg(-30.0f, 0.0f, 0.0f);
    fallen.angles[RightUpperArm] = Deg(-10.0f, 0.0f, -60.0f);
    fallen.angles[RightForearm] = Deg(-20.0f, 0.0f, 0.0f);
    // Halfway down the feet start to roll onto their heels.
    BodyPose falling = buckle;
    falling.pelvisOffset = Vector3(0.0f, -60.0f, -35.0f);
    falling.angles[Pelvis] = Deg(-50.0f, 9.0f, 1.0f);
    PlaceFoot(falling, Side::Left, Vector3(2.0f, 2.0f, 20.0f), -35.0f, 15.0f);
    PlaceFoot(falling, Side::Right, Vector3(-3.0f, 2.0f, 16.0f), -30.0f, -12.0f);
    return Sequence(0.7f, {{0.0f, Standing()}, {0.1f, hit}, {0.3f, buckle}, {0.42f, falling}, {0.52f, fallen},
                           {0.7f, fallen}});
}

// A light hit: flinch back and recover.
Assets::AnimationData Damage() {
    BodyPose flinch = Standing();
    flinch.pelvisOffset = Vector3(0.0f, -3.0f, -3.0f);
    flinch.angles[Spine2] = Deg(-10.0f, 5.0f, 0.0f);
    flinch.angles[Chest] = Deg(-6.0f, 5.0f, 0.0f);
    flinch.angles[Head] = Deg(-18.0f, 10.0f, 0.0f);
    flinch.angles[LeftUpperArm] = Deg(-15.0f, 0.0f, 20.0f);
    flinch.angles[RightUpperArm] = Deg(-5.0f, 0.0f, -15.0f);
    return Sequence(0.3f, {{0.0f, Standing()}, {0.06f, flinch}, {0.3f, Standing()}});
}

// A heavy hit: knocked back a step, doubled over, then straightening up.
Assets::AnimationData CriticalDamage() {
    BodyPose knocked = Standing();
    knocked.pelvisOffset = Vector3(0.0f, -4.0f, -8.0f);
    knocked.angles[Spine2] = Deg(-15.0f, 0.0f, 0.0f);
    knocked.angles[Head] = Deg(-25.0f, 0.0f, 0.0f);
    knocked.angles[LeftUpperArm] = Deg(-40.0f, 0.0f, 40.0f);
    knocked.angles[RightUpperArm] = Deg(-30.0f, 0.0f, -40.0f);
    PlaceFoot(knocked, Side::Right, Vector3(0.5f, 6.0f, -14.0f), 10.0f, -4.0f);
    BodyPose doubled = Standing();
    doubled.pelvisOffset = Vector3(0.0f, -18.0f, -16.0f);
    PlaceFoot(doubled, Side::Right, Vector3(0.5f, 0.0f, -26.0f), 0.0f, -10.0f);
    doubled.angles[Pelvis] = Deg(15.0f, 0.0f, 0.0f);
    doubled.angles[Spine1] = Deg(15.0f, 0.0f, 0.0f);
    doubled.angles[Spine2] = Deg(18.0f, 0.0f, 0.0f);
    doubled.angles[Chest] = Deg(10.0f, 0.0f, 0.0f);
    doubled.angles[Head] = Deg(-10.0f, 0.0f, 0.0f);
    doubled.angles[LeftUpperArm] = Deg(-40.0f, 0.0f, 5.0f);
    doubled.angles[LeftForearm] = Deg(-90.0f, 0.0f, 0.0f);
    doubled.angles[RightUpperArm] = Deg(-10.0f, 0.0f, -10.0f);
    doubled.angles[RightForearm] = Deg(-40.0f, 0.0f, 0.0f);
    BodyPose recovered = Standing();
    PlaceFoot(recovered, Side::Right, Vector3(0.5f, 0.0f, -26.0f), 0.0f, -10.0f);
    recovered.pelvisOffset = Vector3(0.0f, -3.0f, -12.0f);
    return Sequence(0.55f, {{0.0f, Standing()}, {0.06f, knocked}, {0.16f, doubled}, {0.34f, doubled},
                            {0.55f, recovered}});
}

// Spinning slash: a full turn with the weapon arm held out.
Assets::AnimationData Skill1() {
    PoseSequence sequence;
    sequence.Add(0.0f, Standing());
    for (int quarter = 0; quarter <= 4; ++quarter) {
        BodyPose turning = Standing();
        turning.pelvisOffset = Vector3(0.0f, quarter == 0 || quarter == 4 ? -8.0f : -3.0f, 0.0f);
        for (Side side : kSides) {
            // The feet pivot with the body.
            const Math::Quaternion turn = Math::Quaternion::RotateY(Radians(90.0f * quarter));
            FootPlacement& foot = turning.FootOf(side);
            foot.ankle = Math::Rotate(turn, WarriorBindPose()[Foot(side)].position);
            foot.ankle.y = WarriorBindPose()[Foot(side)].position.y + (quarter % 2 == 1 ? 3.0f : 0.0f);
            foot.angles = Deg(0.0f, 90.0f * quarter, 0.0f);
        }
        turning.angles[Pelvis] = Deg(5.0f, 90.0f * quarter, 0.0f);
        turning.angles[RightUpperArm] = Deg(0.0f, 60.0f, -85.0f);
        turning.angles[RightForearm] = Deg(-10.0f, 0.0f, 0.0f);
        turning.angles[RightHand] = Deg(55.0f, 0.0f, 0.0f);
        turning.angles[LeftUpperArm] = Deg(0.0f, 40.0f, 70.0f);
        turning.angles[LeftForearm] = Deg(-20.0f, 0.0f, 0.0f);
        turning.angles[Head] = Deg(-5.0f, 15.0f, 0.0f);
        sequence.Add(0.12f + 0.08f * quarter, turning);
    }
    BodyPose end = Standing();
    end.angles[Pelvis] = Deg(0.0f, 360.0f, 0.0f);
    for (Side side : kSides) {
        end.FootOf(side).angles.y += Radians(360.0f);
    }
    sequence.Add(0.62f, end);
    return SampleClip(0.62f, false, [&](float time) { return sequence.At(time); });
}

// Leaping smash: crouch, jump with the weapon raised, land in a low strike.
Assets::AnimationData Skill2() {
    BodyPose crouch = Ready();
    crouch.pelvisOffset = Vector3(0.0f, -22.0f, 0.0f);
    crouch.angles[Spine1] = Deg(12.0f, 0.0f, 0.0f);
    crouch.angles[RightUpperArm] = Deg(20.0f, 0.0f, -20.0f);
    crouch.angles[LeftUpperArm] = Deg(25.0f, 0.0f, 20.0f);
    BodyPose airborne = Ready();
    airborne.pelvisOffset = Vector3(0.0f, 30.0f, 20.0f);
    PlaceFoot(airborne, Side::Left, Vector3(3.0f, 28.0f, 30.0f), 20.0f, 5.0f);
    PlaceFoot(airborne, Side::Right, Vector3(-3.0f, 36.0f, 6.0f), 30.0f, -5.0f);
    airborne.angles[Spine2] = Deg(-10.0f, 0.0f, 0.0f);
    airborne.angles[Head] = Deg(-10.0f, 0.0f, 0.0f);
    airborne.angles[RightUpperArm] = Deg(-170.0f, 0.0f, -10.0f);
    airborne.angles[RightForearm] = Deg(-60.0f, 0.0f, 0.0f);
    airborne.angles[LeftUpperArm] = Deg(-140.0f, 0.0f, 20.0f);
    airborne.angles[LeftForearm] = Deg(-30.0f, 0.0f, 0.0f);
    BodyPose slam = Ready();
    slam.pelvisOffset = Vector3(0.0f, -30.0f, 40.0f);
    PlaceFoot(slam, Side::Left, Vector3(3.0f, 0.0f, 60.0f), 0.0f, 10.0f);
    PlaceFoot(slam, Side::Right, Vector3(-3.0f, 0.0f, 22.0f), 30.0f, -20.0f);
    slam.angles[Pelvis] = Deg(20.0f, 10.0f, 0.0f);
    slam.angles[Spine1] = Deg(15.0f, 0.0f, 0.0f);
    slam.angles[Spine2] = Deg(15.0f, 0.0f, 0.0f);
    slam.angles[Head] = Deg(-30.0f, 0.0f, 0.0f);
    slam.angles[RightUpperArm] = Deg(-50.0f, 0.0f, -5.0f);
    slam.angles[RightForearm] = Deg(-5.0f, 0.0f, 0.0f);
    slam.angles[RightHand] = Deg(50.0f, 0.0f, 0.0f);
    slam.angles[LeftUpperArm] = Deg(-30.0f, 0.0f, 30.0f);
    BodyPose rise = Standing();
    rise.pelvisOffset = Vector3(0.0f, -4.0f, 40.0f);
    PlaceFoot(rise, Side::Left, Vector3(3.0f, 0.0f, 52.0f), 0.0f, 4.0f);
    PlaceFoot(rise, Side::Right, Vector3(-3.0f, 0.0f, 30.0f), 0.0f, -4.0f);
    return Sequence(0.6f, {{0.0f, Standing()}, {0.12f, crouch}, {0.24f, airborne}, {0.34f, slam}, {0.42f, slam},
                           {0.6f, rise}});
}

// War cry: arms thrown wide, chest out, head back.
Assets::AnimationData Skill3() {
    BodyPose gather = Ready();
    gather.pelvisOffset.y -= 4.0f;
    gather.angles[Spine2] = Deg(15.0f, 0.0f, 0.0f);
    gather.angles[Head] = Deg(10.0f, 0.0f, 0.0f);
    gather.angles[RightUpperArm] = Deg(-30.0f, 30.0f, 20.0f);
    gather.angles[RightForearm] = Deg(-110.0f, 0.0f, 0.0f);
    gather.angles[LeftUpperArm] = Deg(-30.0f, -30.0f, -20.0f);
    gather.angles[LeftForearm] = Deg(-110.0f, 0.0f, 0.0f);
    BodyPose roar = Ready();
    roar.pelvisOffset.y += 4.0f;
    roar.angles[Spine1] = Deg(-5.0f, 0.0f, 0.0f);
    roar.angles[Spine2] = Deg(-12.0f, 0.0f, 0.0f);
    roar.angles[Chest] = Deg(-8.0f, 0.0f, 0.0f);
    roar.angles[Neck] = Deg(-10.0f, 0.0f, 0.0f);
    roar.angles[Head] = Deg(-20.0f, 0.0f, 0.0f);
    roar.angles[RightUpperArm] = Deg(-30.0f, 0.0f, -120.0f);
    roar.angles[RightForearm] = Deg(-30.0f, 0.0f, 0.0f);
    roar.angles[LeftUpperArm] = Deg(-30.0f, 0.0f, 120.0f);
    roar.angles[LeftForearm] = Deg(-30.0f, 0.0f, 0.0f);
    return Sequence(0.7f, {{0.0f, Standing()}, {0.14f, gather}, {0.26f, roar}, {0.5f, roar}, {0.7f, Standing()}});
}

// Two quick diagonal cuts: down to the left, then back up to the right.
Assets::AnimationData Skill4() {
    BodyPose high = Ready();
    high.angles[Pelvis] = Deg(6.0f, -10.0f, 0.0f);
    high.angles[Chest] = Deg(0.0f, -15.0f, 0.0f);
    high.angles[RightUpperArm] = Deg(-140.0f, -30.0f, -40.0f);
    high.angles[RightForearm] = Deg(-40.0f, 0.0f, 0.0f);
    BodyPose low = Ready();
    low.pelvisOffset.y -= 6.0f;
    low.angles[Pelvis] = Deg(10.0f, 30.0f, 0.0f);
    low.angles[Chest] = Deg(8.0f, 15.0f, 0.0f);
    low.angles[RightUpperArm] = Deg(-30.0f, 70.0f, -20.0f);
    low.angles[RightForearm] = Deg(-10.0f, 0.0f, 0.0f);
    low.angles[RightHand] = Deg(45.0f, 0.0f, 0.0f);
    BodyPose across = Ready();
    across.angles[Pelvis] = Deg(6.0f, -25.0f, 0.0f);
    across.angles[Chest] = Deg(0.0f, -20.0f, 0.0f);
    across.angles[RightUpperArm] = Deg(-110.0f, -40.0f, -70.0f);
    across.angles[RightForearm] = Deg(-15.0f, 0.0f, 0.0f);
    across.angles[RightHand] = Deg(45.0f, 0.0f, 0.0f);
    return Sequence(0.55f, {{0.0f, Standing()}, {0.1f, high}, {0.17f, low}, {0.25f, low}, {0.33f, across},
                            {0.55f, Standing()}});
}

// Drops to one knee and drives the weapon down into the ground in front.
Assets::AnimationData Skill5() {
    BodyPose raise = Ready();
    raise.angles[RightUpperArm] = Deg(-150.0f, 0.0f, -10.0f);
    raise.angles[RightForearm] = Deg(-30.0f, 0.0f, 0.0f);
    raise.angles[RightHand] = Deg(-60.0f, 0.0f, 0.0f);
    BodyPose kneel = Ready();
    kneel.pelvisOffset = Vector3(0.0f, -42.0f, -4.0f);
    PlaceFoot(kneel, Side::Left, Vector3(3.0f, 0.0f, 28.0f), 0.0f, 5.0f);
    PlaceFoot(kneel, Side::Right, Vector3(-2.0f, 0.0f, -34.0f), 60.0f, -5.0f);
    kneel.angles[Pelvis] = Deg(8.0f, 5.0f, 0.0f);
    kneel.angles[Spine1] = Deg(12.0f, 0.0f, 0.0f);
    kneel.angles[Spine2] = Deg(12.0f, 0.0f, 0.0f);
    kneel.angles[Head] = Deg(-15.0f, 0.0f, 0.0f);
    kneel.angles[RightUpperArm] = Deg(-40.0f, 10.0f, -5.0f);
    kneel.angles[RightForearm] = Deg(-30.0f, 0.0f, 0.0f);
    kneel.angles[RightHand] = Deg(-70.0f, 0.0f, 0.0f);
    kneel.angles[LeftUpperArm] = Deg(-20.0f, 0.0f, 10.0f);
    kneel.angles[LeftForearm] = Deg(-60.0f, 0.0f, 0.0f);
    return Sequence(0.7f, {{0.0f, Standing()}, {0.14f, raise}, {0.26f, kneel}, {0.46f, kneel}, {0.7f, Standing()}});
}

}  // namespace

std::vector<NamedClip> BuildActionClips() {
    std::vector<NamedClip> clips;
    clips.push_back({"Attack1", Attack1()});
    clips.push_back({"Attack2", Attack2()});
    clips.push_back({"Attack3", Attack3()});
    clips.push_back({"Die", Die()});
    clips.push_back({"Guard", Guard()});
    clips.push_back({"Critical_Damage", CriticalDamage()});
    clips.push_back({"Damage", Damage()});
    clips.push_back({"Skill1", Skill1()});
    clips.push_back({"Skill2", Skill2()});
    clips.push_back({"Skill3", Skill3()});
    clips.push_back({"Skill4", Skill4()});
    clips.push_back({"Skill5", Skill5()});
    clips.push_back({"Stand", Stand()});
    return clips;
}

std::vector<NamedClip> BuildAllClips() {
    std::vector<NamedClip> clips = BuildActionClips();
    clips.push_back({"Walk", BuildWalkClip()});
    clips.push_back({"Run", BuildRunClip()});
    return clips;
}

}  // namespace AssetGen
