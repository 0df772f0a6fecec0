// vantor-import FILE [options]: turns a skinned, animated character in a standard file into a
// resources folder the demo runs on. See kUsage.
#include <cstdio>
#include <string>
#include <vector>

#include "CharacterImport.h"
#include "Character.h"

int main(int argc, char** argv)
{
    CharacterImport::ImportOptions options;
    std::string error;
    if (!CharacterImport::ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "vantor-import: %s\n%s", error.c_str(), CharacterImport::kUsage);
        return 2;
    }
    if (options.help) {
        std::printf("%s", CharacterImport::kUsage);
        return 0;
    }
    try {
        const std::vector<std::string> report = CharacterImport::Import(options);
        std::printf("vantor-import: %s\n", options.input.c_str());
        for (const std::string& line : report) {
            std::printf("%s\n", line.c_str());
        }
    } catch (const CharacterImport::ImportError& failure) {
        std::fprintf(stderr, "vantor-import: %s: %s\n", options.input.c_str(), failure.what());
        return 1;
    }
    return 0;
}
