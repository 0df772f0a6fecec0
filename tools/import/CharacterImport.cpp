#include "CharacterImport.h"

#include <cstdio>

#include <Assets/ResourcePaths.h>

#include "AssetBuilder.h"
#include "CharacterFit.h"
#include "ClipChoice.h"
#include "Gait.h"
#include "ResourceFolder.h"
#include "SceneReading.h"
#include "SkeletonLayout.h"

namespace CharacterImport {

namespace {

std::string Format(const char* format, double a, double b = 0.0, double c = 0.0)
{
    char line[200];
    std::snprintf(line, sizeof line, format, a, b, c);
    return line;
}

// The generated resources with the character's files put in place of the warrior's.
std::vector<AssetGen::AssetFile> ResourceFiles(const Character& character, const std::vector<ChosenClip>& clips)
{
    std::vector<AssetGen::AssetFile> files = AssetGen::BuildAllAssets();
    auto replace = [&files](const std::string& path, Assets::Bytes bytes) {
        for (AssetGen::AssetFile& file : files) {
            if (file.path == path) {
                file.bytes = std::move(bytes);
            }
        }
    };
    replace(Assets::RelativeResourcePath(Assets::kPlayerMeshFile), Assets::WriteMesh(character.mesh));
    replace(Assets::RelativeResourcePath(Assets::kSkeletonFile), Assets::WriteSkeleton(character.skeleton));
    for (const ChosenClip& clip : clips) {
        replace(AssetGen::ClipPath(clip.name), Assets::WriteAnimation(clip.clip));
    }
    return files;
}

}  // namespace

std::vector<std::string> Import(const ImportOptions& options)
{
    Character character = ReadCharacter(options.input);
    FitToDemo(character, options.forward);
    const std::string hand = LayOutForWeapon(character, options.hand);
    std::vector<ChosenClip> clips = ChooseClips(character, options.walk, options.run);
    const float height = BindHeight(character.mesh);

    std::vector<std::string> report;
    report.push_back("bones: " + std::to_string(character.skeleton.bones.size()) + " (" +
                     std::to_string(character.fileBones) + " from the file), weapon on bone " +
                     std::to_string(kHandBone) + " '" + hand + "'");
    report.push_back(Format("triangles: %.0f (%.0f vertices)", static_cast<double>(character.mesh.indices.size() / 3),
                            static_cast<double>(character.mesh.vertices.size())));
    report.push_back(Format("height: %.1f units", height));
    float walkStride = 0.0f, walkDuration = 1.0f;
    for (ChosenClip& clip : clips) {
        const float removed = RemoveRootMotion(clip.clip, character.skeleton, height);
        std::string line = "clip " + clip.name + ": " + clip.source;
        if (clip.clip.tracks.empty()) {
            report.push_back(line);
            continue;
        }
        line += Format(", %.3f s (%.4g clip units)", clip.seconds, clip.clip.duration);
        if (removed > 0.0f) {
            line += Format(", %.1f units of root motion per cycle taken out", removed);
        }
        report.push_back(line);
        if (clip.name == "Walk") {
            walkStride = Stride(clip.clip, character.skeleton, character.mesh);
            walkDuration = clip.clip.duration;
        }
    }
    report.push_back(Format("walk stride: %.1f units per cycle (backward travel of the lowest point of the mesh, "
                            "the planted foot, over one cycle)",
                            walkStride));
    report.push_back(Format("speed: %.3f (the \"Speed\" at which the walking feet do not slide)",
                            NonSlidingSpeed(walkStride, walkDuration)));
    for (const std::string& note : character.notes) {
        report.push_back("note: " + note);
    }
    WriteResourceFolder(options.out, ResourceFiles(character, clips));
    report.push_back("wrote: " + options.out);
    return report;
}

}  // namespace CharacterImport
