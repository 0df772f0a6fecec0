#pragma once
// How far the planted foot slides over the ground during a step, in world units: the measure of
// how well the clips' strides match the distance the body travels. A toe counts as planted while
// it is within a margin of the ground height; a step is one planted span of one toe, and its slide
// is the toe's horizontal travel across that span.
#include <array>
#include <vector>

#include <Math/Math.h>

class FootSlide {
public:
    // The two toe bones (left, right), as indices into the model-space bone matrices; a negative
    // index leaves that foot unmeasured.
    void SetToes(int left, int right);
    // One frame's pose: the model's world matrix and its model-space bone matrices. `singleClip`
    // says the pose is one clip's own, not a blend of two.
    void Observe(const Math::Matrix4& world, const std::vector<Math::Matrix4>& bones, bool singleClip);
    // The slide of the last step that ended; 0 until one has.
    float LastStep() const { return lastStep; }

private:
    // The lowest toe height seen, over all frames and over single-clip frames only.
    struct Lowest {
        bool seen = false;
        float height = 0.0f;
        void Add(float y);
    };
    struct Foot {
        int bone = -1;
        bool planted = false;
        Math::Vector3 previous;
        float slide = 0.0f;
    };
    std::array<Foot, 2> feet;
    Lowest anyPose;
    Lowest singleClipPose;
    float lastStep = 0.0f;
};
