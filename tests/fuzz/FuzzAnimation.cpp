// Animation clip reader on arbitrary bytes.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Assets::AnimationData parsed;
    FuzzChecks::ReadBothWays(data, size, Assets::ReadAnimation, Assets::ReadAnimationFile, Assets::WriteAnimation, parsed, true);
    return 0;
}
