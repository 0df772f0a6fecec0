// Walk and Run. Each foot's path is planned in the ground's frame (planted feet stay still
// there, rolling heel to toe) and then seen from the body, which travels forward at the demo's
// pace, so the stride per cycle is exactly the travel per cycle. Legs are solved to reach the
// feet; pelvis, spine, head and arms follow periodic curves of the cycle phase.
#include <cmath>

#include "ClipSampler.h"
#include "Clips.h"
#include "Rotations.h"
#include "Easing.h"

namespace AssetGen {

using Math::Vector3;

namespace {

// One cycle lasts a whole number of the demo's frames (clip time 0.007 each at speed factor 1),
// less a sliver: the demo restarts a clip at 0 on the first frame past its end and drops the
// overshoot, so this way the restart drops almost nothing and the feet stay planted across it.
// 43 frames is 0.72 s at 60 frames per second: a brisk walk, or a jog, at the demo's pace.
constexpr float kCycleDuration = 43 * 0.007f - 0.0001f;

struct GaitStyle {
    float duration = kCycleDuration;  // one cycle, two steps, in clip time
    float duty = 0.6f;          // share of the cycle each foot is on the ground
    float flatAt = 0.1f;        // leg phase by which the foot has rolled flat after contact
    float heelRiseAt = 0.35f;   // leg phase at which the heel starts to rise
    float strikePitch = 0.0f;   // foot pitch at contact (negative: toes up)
    float pushPitch = 0.0f;     // foot pitch at toe-off (positive: heel up)
    float ankleAhead = 0.0f;    // the flat foot's ankle ahead of the pelvis when the heel strikes
    float stanceWidth = 0.0f;   // ankle distance from the middle line
    float clearance = 0.0f;     // lift of the swinging foot
    float liftShape = 1.0f;     // < 1 lifts earlier in the swing (heel kicks up behind in a run)

    float pelvisDrop = 0.0f;    // mean lowering of the pelvis
    float bob = 0.0f;           // half the pelvis's vertical travel, twice per cycle
    float bobLowAt = 0.0f;      // cycle phase of the lowest point
    float sway = 0.0f;          // sideways travel over the standing foot
    float pelvisYaw = 0.0f;     // pelvis turn that brings the swinging hip forward
    float pelvisRoll = 0.0f;    // pelvis dips on the swinging side
    float lean = 0.0f;          // forward lean of pelvis and trunk
    float trunkTwist = 0.0f;    // shoulders turning against the hips

    float armSwing = 0.0f;      // free (left) arm swing at the shoulder
    float armLag = 0.0f;        // arm swing lags the legs by this cycle phase
    float armSpread = 0.0f;     // arms held out from the armour
    float elbowBend = 0.0f;     // free arm's elbow bend at the back of its swing
    float elbowSwing = 0.0f;    // extra elbow bend at the front of the swing
    float carryShoulder = 0.0f; // weapon arm held forward at the shoulder
    float carrySwing = 0.0f;    // weapon arm's smaller swing
    float carryElbow = 0.0f;    // weapon arm's elbow bend (forearm about level)
};

float Phase(float value) { return value - std::floor(value); }

float Wave(float phase) { return std::cos(2.0f * kPi * phase); }

// One foot over a cycle, in a frame that moves with the ground: leg phase 0 is the heel strike
// and the ankle's forward coordinate is measured from the pelvis's place at that moment.
struct FootState {
    Vector3 ankle;
    float pitch = 0.0f;
    float toePitch = 0.0f;
};

class FootPath {
public:
    FootPath(const GaitStyle& style, Side side) : style(style), side(side) {}

    FootState At(float legPhase) const {
        if (legPhase <= style.duty) {
            return Stance(legPhase);
        }
        return Swing((legPhase - style.duty) / (1.0f - style.duty));
    }

private:
    Vector3 FlatAnkle() const {
        return Vector3(SideSign(side) * style.stanceWidth, WarriorBindPose()[Foot(side)].position.y, style.ankleAhead);
    }

    FootState Stance(float legPhase) const {
        FootState state;
        const Vector3 flat = FlatAnkle();
        if (legPhase < style.flatAt) {
            // Rolling down onto the sole about the heel.
            state.pitch = style.strikePitch * (1.0f - SmoothStep(0.0f, style.flatAt, legPhase));
            state.ankle = AnkleFromPivot(FootPivot::Heel, flat + PivotOffset(FootPivot::Heel),
                                         Vector3(state.pitch, 0.0f, 0.0f));
        } else if (legPhase < style.heelRiseAt) {
            state.ankle = flat;
        } else {
            // Heel rising about the ball of the foot while the toes stay flat on the ground.
            state.pitch = style.pushPitch * SmoothStep(style.heelRiseAt, style.duty, legPhase);
            state.ankle = AnkleFromPivot(FootPivot::Ball, flat + PivotOffset(FootPivot::Ball),
                                         Vector3(state.pitch, 0.0f, 0.0f));
            state.toePitch = -state.pitch;
        }
        return state;
    }

    FootState Swing(float s) const {
        // Hermite curve from toe-off to the next heel strike, one stride further on, leaving and
        // arriving with the stance's own velocity, plus a lift.
        const float stride = kTravelPerClipUnit * style.duration;
        const float h = 1e-3f;
        const Vector3 start = Stance(style.duty).ankle;
        const Vector3 startVelocity = (Stance(style.duty).ankle - Stance(style.duty - h).ankle) * (1.0f / h);
        const Vector3 end = Stance(0.0f).ankle + Vector3(0.0f, 0.0f, stride);
        const Vector3 endVelocity = (Stance(h).ankle - Stance(0.0f).ankle) * (1.0f / h);
        const float span = 1.0f - style.duty;
        const float s2 = s * s, s3 = s2 * s;
        const Vector3 curve = start * (2.0f * s3 - 3.0f * s2 + 1.0f) + startVelocity * (span * (s3 - 2.0f * s2 + s)) +
                              end * (-2.0f * s3 + 3.0f * s2) + endVelocity * (span * (s3 - s2));
        const float lift = std::sin(kPi * std::pow(s, style.liftShape));

        FootState state;
        state.ankle = curve + Vector3(0.0f, style.clearance * lift * lift, 0.0f);
        state.pitch = style.pushPitch + (style.strikePitch - style.pushPitch) * SmoothStep(0.0f, 0.8f, s);
        state.toePitch = -style.pushPitch * (1.0f - SmoothStep(0.0f, 0.35f, s));
        return state;
    }

    GaitStyle style;
    Side side;
};

BodyPose GaitPose(const GaitStyle& style, float time) {
    const float phase = Phase(time / style.duration);
    BodyPose pose;

    for (Side side : kSides) {
        // The left heel strikes at phase 0, the right half a cycle later.
        const float legPhase = Phase(phase + (side == Side::Left ? 0.0f : 0.5f));
        const FootState foot = FootPath(style, side).At(legPhase);
        FootPlacement& placement = pose.FootOf(side);
        placement.planted = true;
        placement.ankle = foot.ankle - Vector3(0.0f, 0.0f, kTravelPerClipUnit * style.duration * legPhase);
        placement.angles = Vector3(foot.pitch, 0.0f, 0.0f);
        placement.toePitch = foot.toePitch;
    }

    const float stanceMiddle = 0.5f * style.duty;
    pose.pelvisOffset = Vector3(style.sway * Wave(phase - stanceMiddle),
                                -style.pelvisDrop - style.bob * std::cos(4.0f * kPi * (phase - style.bobLowAt)), 0.0f);
    const float yaw = -style.pelvisYaw * Wave(phase);
    const float roll = style.pelvisRoll * Wave(phase - stanceMiddle);
    pose.angles[Pelvis] = Vector3(style.lean * 0.4f, yaw, roll);

    // The trunk leans on, turns the shoulders against the hips and levels itself sideways.
    const float twist = -yaw + style.trunkTwist * Wave(phase);
    pose.angles[Spine1] = Vector3(style.lean * 0.25f, twist * 0.3f, -roll * 0.5f);
    pose.angles[Spine2] = Vector3(style.lean * 0.2f, twist * 0.35f, -roll * 0.3f);
    pose.angles[Chest] = Vector3(style.lean * 0.15f, twist * 0.35f, -roll * 0.2f);
    // The head keeps looking ahead along the path.
    const float trunkYaw = yaw + twist;
    pose.angles[Neck] = Vector3(-style.lean * 0.5f, -trunkYaw * 0.5f, 0.0f);
    pose.angles[Head] = Vector3(-style.lean * 0.4f, -trunkYaw * 0.4f, 0.0f);

    // The free left arm swings against the left leg; the right arm carries the weapon forward.
    const float armWave = Wave(phase - style.armLag);
    pose.angles[LeftClavicle] = Vector3(0.0f, -0.15f * style.armSwing * armWave, 0.0f);
    pose.angles[LeftUpperArm] = Vector3(style.armSwing * armWave, 0.0f, style.armSpread);
    pose.angles[LeftForearm] = Vector3(-(style.elbowBend + style.elbowSwing * 0.5f * (1.0f - armWave)), 0.0f, 0.0f);
    pose.angles[RightClavicle] = Vector3(0.0f, -0.15f * style.carrySwing * armWave, 0.0f);
    pose.angles[RightUpperArm] =
        Vector3(-style.carryShoulder - style.carrySwing * armWave, 0.0f, -style.armSpread);
    pose.angles[RightForearm] = Vector3(-(style.carryElbow + 0.2f * style.carrySwing * (1.0f + armWave)), 0.0f, 0.0f);
    return pose;
}

GaitStyle WalkStyle() {
    GaitStyle style;
    style.duration = kCycleDuration;
    style.duty = 0.6f;
    style.flatAt = 0.1f;
    style.heelRiseAt = 0.33f;
    style.strikePitch = Radians(-18.0f);
    style.pushPitch = Radians(38.0f);
    style.ankleAhead = 40.0f;
    style.stanceWidth = 8.5f;
    style.clearance = 7.0f;
    style.liftShape = 0.8f;
    style.pelvisDrop = 6.0f;
    style.bob = 2.2f;
    style.bobLowAt = 0.05f;
    style.sway = 2.2f;
    style.pelvisYaw = Radians(7.0f);
    style.pelvisRoll = Radians(4.0f);
    style.lean = Radians(4.0f);
    style.trunkTwist = Radians(2.0f);
    style.armSwing = Radians(24.0f);
    style.armLag = 0.04f;
    style.armSpread = Radians(-4.0f);
    style.elbowBend = Radians(8.0f);
    style.elbowSwing = Radians(22.0f);
    style.carryShoulder = Radians(8.0f);
    style.carrySwing = Radians(9.0f);
    style.carryElbow = Radians(62.0f);
    return style;
}

GaitStyle RunStyle() {
    GaitStyle style;
    style.duration = kCycleDuration;
    style.duty = 0.33f;
    style.flatAt = 0.05f;
    style.heelRiseAt = 0.15f;
    style.strikePitch = Radians(-8.0f);
    style.pushPitch = Radians(42.0f);
    style.ankleAhead = 26.0f;
    style.stanceWidth = 7.0f;
    style.clearance = 34.0f;
    style.liftShape = 0.5f;
    style.pelvisDrop = 6.0f;
    style.bob = 3.0f;
    style.bobLowAt = 0.165f;
    style.sway = 1.2f;
    style.pelvisYaw = Radians(9.0f);
    style.pelvisRoll = Radians(3.0f);
    style.lean = Radians(16.0f);
    style.trunkTwist = Radians(4.0f);
    style.armSwing = Radians(42.0f);
    style.armLag = 0.03f;
    style.armSpread = Radians(-2.0f);
    style.elbowBend = Radians(70.0f);
    style.elbowSwing = Radians(25.0f);
    style.carryShoulder = Radians(14.0f);
    style.carrySwing = Radians(10.0f);
    style.carryElbow = Radians(66.0f);
    return style;
}

Assets::AnimationData BuildGait(const GaitStyle& style) {
    return SampleClip(style.duration, true, [&](float time) { return GaitPose(style, time); });
}

}  // namespace

Assets::AnimationData BuildWalkClip() { return BuildGait(WalkStyle()); }

Assets::AnimationData BuildRunClip() { return BuildGait(RunStyle()); }

}  // namespace AssetGen
