#include "ImportOptions.h"

#include <cstring>

namespace CharacterImport {

const char* const kUsage =
    "usage: vantor-import FILE [--walk CLIP] [--run CLIP] [--hand BONE] [--forward +z|-z|+x|-x] [--out DIR]\n"
    "Reads a skinned, animated character (glTF, FBX, COLLADA, B3D, X, IQM, ... through Assimp) and\n"
    "writes a complete resources folder for the demo to DIR (default ./resources), replacing DIR whole.\n"
    "  --walk CLIP, --run CLIP  an animation's name, or FROM-TO: a frame range of the file's first\n"
    "                           timeline in the file's own ticks (e.g. 168-187). Without them the\n"
    "                           animations are picked by name (walk, run).\n"
    "  --hand BONE              the bone that holds the weapon (default: one named like RightHand,\n"
    "                           hand.R, Hand_R, mixamorig:RightHand). A bone with no hand of its own\n"
    "                           (a blocky arm) gets a socket at the far end of its geometry.\n"
    "  --forward +z|-z|+x|-x    the axis the character faces in the file (default +z; y is up).\n"
    "  --out DIR                the resources folder to write.\n";

namespace {

bool ParseFacing(const std::string& text, Facing& facing)
{
    static const struct {
        const char* text;
        Facing facing;
    } kFacings[] = {{"+z", Facing::PlusZ}, {"z", Facing::PlusZ}, {"-z", Facing::MinusZ},
                    {"+x", Facing::PlusX}, {"x", Facing::PlusX}, {"-x", Facing::MinusX}};
    for (const auto& entry : kFacings) {
        if (text == entry.text) {
            facing = entry.facing;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, ImportOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--", 0) != 0) {
            if (!options.input.empty()) {
                error = "more than one input file: " + options.input + " and " + argument;
                return false;
            }
            options.input = argument;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return true;
        }
        if (i + 1 >= argc || std::strlen(argv[i + 1]) == 0) {
            error = argument + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (argument == "--walk") {
            options.walk = value;
        } else if (argument == "--run") {
            options.run = value;
        } else if (argument == "--hand") {
            options.hand = value;
        } else if (argument == "--out") {
            options.out = value;
        } else if (argument == "--forward") {
            if (!ParseFacing(value, options.forward)) {
                error = "--forward takes +z, -z, +x or -x, not " + value;
                return false;
            }
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    if (options.input.empty()) {
        error = "no input file";
        return false;
    }
    return true;
}

}  // namespace CharacterImport
