// Mesh reader on arbitrary bytes.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Assets::MeshData parsed;
    FuzzChecks::ReadBothWays(data, size, Assets::ReadMesh, Assets::ReadMeshFile, Assets::WriteMesh, parsed, true);
    return 0;
}
