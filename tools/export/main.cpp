// vantor-export <demo-folder> [<output.glb>]: writes the warrior the demo shows (skeleton, skinned
// mesh, its 15 clips and the three weapons) as binary glTF, by default to
// <demo-folder>/resources/Warrior.glb. The demo folder is the one the demo runs in.
#include <chrono>
#include <cstdio>
#include <string>

#include "WarriorGltf.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: vantor-export <demo-folder> [<output.glb>]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string folder = argv[1];
    const std::string output = argc == 3 ? argv[2] : folder + "/resources/Warrior.glb";

    WarriorExport::WarriorSource source;
    std::string error;
    if (!WarriorExport::ReadWarriorSource(folder, source, error)) {
        std::fprintf(stderr, "vantor-export: %s\n", error.c_str());
        return 1;
    }
    const tinygltf::Model model = WarriorExport::BuildWarriorGltf(source);
    if (!WarriorExport::WriteGlb(model, output, error)) {
        std::fprintf(stderr, "vantor-export: %s\n", error.c_str());
        return 1;
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("vantor-export: wrote %s: %zu bones, %zu triangles, %zu animations, %zu weapons, %zu bytes of "
                "data, in %.0f ms\n",
                output.c_str(), source.skeleton.bones.size(), source.body.indices.size() / 3, model.animations.size(),
                source.weapons.size(), model.buffers[0].data.size(), milliseconds);
    return 0;
}
