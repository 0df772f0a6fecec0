#pragma once
// The runtime's steps as plain jobs: fill in the inputs and the caller-owned outputs, then Run.
// Run checks its inputs first and returns false, touching no output, when they do not fit
// together; it never allocates. A frame of one character is
//   SampleJob (per clip) -> BlendJob -> LocalToModelJob -> SkinningJob.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <Animation/Clip.h>
#include <Animation/Skeleton.h>
#include <Math/Math.h>

namespace Animation {

// A view of a caller-owned array.
template <typename T>
struct Span {
    T* data = nullptr;
    std::size_t size = 0;

    Span() = default;
    Span(T* first, std::size_t count) : data(first), size(count) {}
    template <typename U>
    Span(std::vector<U>& values) : data(values.data()), size(values.size()) {}
    template <typename U>
    Span(const std::vector<U>& values) : data(values.data()), size(values.size()) {}
};

// Where a playhead stands in each timeline of one clip: the key before the time, and how far
// toward the next key. Kept between frames so that playing forward moves by at most a key
// instead of searching; a jump back or far ahead searches again.
class SamplingCursor {
public:
    // Points the cursor at `clip`; the array is resized only when the clip changes.
    void Bind(const Clip& clip);
    const Clip* BoundClip() const { return clip; }

private:
    friend struct SampleJob;
    struct Place {
        std::uint32_t key = 0;
        float fraction = 0.0f;
    };
    const Clip* clip = nullptr;
    std::vector<Place> places;
};

// The local pose of every bone of `skeleton` from `clip` at `time`: keys interpolated
// (translation and scale linearly, rotation along the shorter arc), the time held at the first
// and last keys (NaN reads as the first), bind values where the clip has no keys.
// Needs a cursor bound to the clip and an output of exactly the skeleton's bone count.
struct SampleJob {
    const Skeleton* skeleton = nullptr;
    const Clip* clip = nullptr;
    float time = 0.0f;
    SamplingCursor* cursor = nullptr;
    Span<Math::VQS> output;

    bool Validate() const;
    bool Run() const;
};

// Per bone, weight 0 gives `a`, weight 1 gives `b`: translation and scale linearly, rotation
// along the shorter arc. The weight is clamped to [0, 1] (NaN counts as 0). The output may be
// one of the inputs; all three have the same size.
struct BlendJob {
    Span<const Math::VQS> a;
    Span<const Math::VQS> b;
    float weight = 0.0f;
    Span<Math::VQS> output;

    bool Validate() const;
    bool Run() const;
};

// Model-space bone matrices through the hierarchy, one per bone of the skeleton.
struct LocalToModelJob {
    const Skeleton* skeleton = nullptr;
    Span<const Math::VQS> localPoses;
    Span<Math::Matrix4> output;

    bool Validate() const;
    bool Run() const;
};

// Skinning matrices: model-space bone matrix times inverse bind matrix, one per bone.
struct SkinningJob {
    const Skeleton* skeleton = nullptr;
    Span<const Math::Matrix4> boneTransforms;
    Span<Math::Matrix4> output;

    bool Validate() const;
    bool Run() const;
};

}  // namespace Animation
