#pragma once
// The command line of vantor-import.
#include <string>

namespace CharacterImport {

// Which way the character faces in its file; the import turns it to face +z.
enum class Facing { PlusZ, MinusZ, PlusX, MinusX };

struct ImportOptions {
    std::string input;
    std::string walk;  // an animation's name or a FROM-TO frame range; empty: picked by name
    std::string run;
    std::string hand;  // empty: a bone whose name says right hand
    Facing forward = Facing::PlusZ;
    std::string out = "resources";
    bool help = false;  // --help: print kUsage and do nothing else
};

extern const char* const kUsage;

// False with a reason in `error` on a malformed command line.
bool ParseOptions(int argc, const char* const* argv, ImportOptions& options, std::string& error);

}  // namespace CharacterImport
