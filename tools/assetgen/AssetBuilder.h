#pragma once
// Every file the app registers, generated and written under <output>/resources/ with the app's
// relative paths ('\' in the app's paths becomes a directory separator here).
#include <string>
#include <vector>

#include <Assets/Formats.h>

namespace AssetGen {

struct AssetFile {
    std::string path;  // relative to the output directory, '/'-separated
    Assets::Bytes bytes;
};

std::vector<AssetFile> BuildAllAssets();

// Where the clip the app registers as `name` lives, relative to the output directory.
std::string ClipPath(const std::string& name);

// Builds everything and writes it below `outputDirectory`, creating directories as needed.
// On failure returns false with the path and the reason in `error`.
bool WriteAllAssets(const std::string& outputDirectory, std::string& error);

}  // namespace AssetGen
