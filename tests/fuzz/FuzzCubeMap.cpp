// DDS cube-map reader on arbitrary bytes. Other tools' variants (RGBA order, mip chains, no alpha)
// are accepted but written back in our one layout, so the check is that the written file reads
// back to the same faces.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Assets::CubeMapData cube, again;
    std::string error;
    if (FuzzChecks::ReadBothWays(data, size, Assets::ReadCubeMapDds, Assets::ReadCubeMapDdsFile, Assets::WriteCubeMapDds,
                                 cube, false) &&
        !(Assets::ReadCubeMapDds(Assets::WriteCubeMapDds(cube), again, error) && again.faces == cube.faces)) {
        FuzzChecks::Violated("an accepted cube map does not survive a write and a read");
    }
    return 0;
}
