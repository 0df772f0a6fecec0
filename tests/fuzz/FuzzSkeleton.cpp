// Skeleton reader on arbitrary bytes.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Assets::SkeletonData parsed;
    FuzzChecks::ReadBothWays(data, size, Assets::ReadSkeleton, Assets::ReadSkeletonFile, Assets::WriteSkeleton, parsed, true);
    return 0;
}
