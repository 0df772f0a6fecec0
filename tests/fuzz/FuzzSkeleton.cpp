// Skeleton reader on arbitrary bytes.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzChecks::ReadWriteIdentity(data, size, Assets::ReadSkeleton, Assets::WriteSkeleton);
    return 0;
}
