#pragma once
// How far the planted foot slides over the ground during a step, in world units: the measure of
// how well the clip's stride matches the distance the body travels. A toe counts as planted while
// it is within a margin of the lowest height any toe has reached; a step is one planted span of
// one toe, and its slide is the toe's horizontal travel across that span.
#include <array>
#include <vector>

#include <Math/Math.h>

class FootSlide {
public:
    // The two toe bones (left, right), as indices into the model-space bone matrices; a negative
    // index leaves that foot unmeasured.
    void SetToes(int left, int right);
    // One frame's pose: the model's world matrix and its model-space bone matrices.
    void Observe(const Math::Matrix4& world, const std::vector<Math::Matrix4>& bones);
    // The slide of the last step that ended; 0 until one has.
    float LastStep() const { return lastStep; }

private:
    struct Foot {
        int bone = -1;
        bool planted = false;
        Math::Vector3 previous;
        float slide = 0.0f;
    };
    std::array<Foot, 2> feet;
    float ground = 0.0f;
    bool groundSeen = false;
    float lastStep = 0.0f;
};
