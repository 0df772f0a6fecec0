#include "ResourceFolder.h"

#include <filesystem>
#include <system_error>

#include <Assets/ResourcePaths.h>
#include <unistd.h>

#include "Character.h"

namespace CharacterImport {

namespace fs = std::filesystem;

namespace {

bool LooksLikeResources(const fs::path& folder)
{
    std::error_code failure;
    if (fs::is_empty(folder, failure)) {
        return true;
    }
    const std::string skeleton = Assets::RelativeResourcePath(Assets::kSkeletonFile);
    return fs::exists(folder / skeleton.substr(skeleton.find('/') + 1), failure);
}

}  // namespace

void WriteResourceFolder(const std::string& folder, const std::vector<AssetGen::AssetFile>& files)
{
    const fs::path target = fs::absolute(fs::path(folder)).lexically_normal();
    const fs::path name = target.filename().empty() ? target.parent_path().filename() : target.filename();
    const fs::path parent = target.filename().empty() ? target.parent_path().parent_path() : target.parent_path();
    const std::string suffix = "." + std::to_string(::getpid());
    const fs::path staging = parent / ("." + name.string() + ".importing" + suffix);
    const fs::path retired = parent / ("." + name.string() + ".replaced" + suffix);
    std::error_code failure;
    if (fs::exists(parent / name, failure) && !LooksLikeResources(parent / name)) {
        throw ImportError("will not replace " + (parent / name).string() + ": it is not a resources folder");
    }
    fs::create_directories(parent, failure);
    fs::remove_all(staging, failure);
    try {
        for (const AssetGen::AssetFile& file : files) {
            const fs::path path = staging / fs::path(file.path).lexically_relative("resources");
            fs::create_directories(path.parent_path(), failure);
            std::string reason;
            if (failure || !Assets::WriteFileBytes(path.string(), file.bytes, reason)) {
                throw ImportError("cannot write " + path.string() + ": " + (failure ? failure.message() : reason));
            }
        }
        if (fs::exists(parent / name, failure)) {
            fs::rename(parent / name, retired);
        }
        fs::rename(staging, parent / name);
    } catch (const fs::filesystem_error& error) {
        fs::remove_all(staging, failure);
        throw ImportError(std::string("cannot write ") + folder + ": " + error.code().message());
    } catch (...) {
        fs::remove_all(staging, failure);
        throw;
    }
    fs::remove_all(retired, failure);
}

}  // namespace CharacterImport
