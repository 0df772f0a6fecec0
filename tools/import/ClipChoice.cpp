#include "ClipChoice.h"

#include <cctype>
#include <cstdio>
#include <regex>

#include <Assets/ClipTime.h>
#include <Assets/ResourcePaths.h>

#include "Posing.h"

namespace CharacterImport {

namespace {

// Held bind pose for a clip the file does not have: one clip second long.
constexpr float kHeldPoseDuration = Assets::kClipUnitsPerSecond;

struct Span {
    const SourceAnimation* animation = nullptr;
    double from = 0.0, to = 0.0;  // ticks
    std::string description;
};

std::string Describe(const SourceAnimation& animation) { return "'" + animation.name + "'"; }

Span Whole(const SourceAnimation& animation)
{
    return {&animation, 0.0, animation.durationTicks, Describe(animation)};
}

const SourceAnimation* FindNamed(const Character& character, const std::string& name)
{
    for (const SourceAnimation& animation : character.animations) {
        if (animation.name == name) return &animation;
    }
    // Then by letters and digits alone, allowing a prefix ("Warrior_Attack_1" for "Attack1"); the
    // shortest such name wins, so "Damage" is not taken for "Critical_Damage".
    const std::string wanted = Simplified(name);
    const SourceAnimation* best = nullptr;
    for (const SourceAnimation& animation : character.animations) {
        const std::string simple = Simplified(animation.name);
        if (simple.size() >= wanted.size() && simple.compare(simple.size() - wanted.size(), wanted.size(), wanted) == 0 &&
            (best == nullptr || simple.size() < Simplified(best->name).size())) {
            best = &animation;
        }
    }
    return best;
}

// An animation's name, or FROM-TO in the ticks of the first timeline.
Span Parse(const Character& character, const std::string& option, const char* flag)
{
    static const std::regex kRange(R"(^\s*(\d+(?:\.\d*)?)\s*-\s*(\d+(?:\.\d*)?)\s*$)");
    std::smatch match;
    if (std::regex_match(option, match, kRange)) {
        const SourceAnimation& timeline = character.animations.front();
        const double from = std::stod(match[1].str()), to = std::stod(match[2].str());
        if (!(from < to) || to > timeline.durationTicks) {
            char line[200];
            std::snprintf(line, sizeof line, "%s %s: frames outside the timeline %s (0-%g)", flag, option.c_str(),
                          Describe(timeline).c_str(), timeline.durationTicks);
            throw ImportError(line);
        }
        return {&timeline, from, to, "frames " + match[1].str() + "-" + match[2].str() + " of " + Describe(timeline)};
    }
    if (const SourceAnimation* found = FindNamed(character, option)) {
        return Whole(*found);
    }
    std::string names;
    for (const SourceAnimation& animation : character.animations) {
        names += (names.empty() ? "" : ", ") + Describe(animation);
    }
    throw ImportError(std::string(flag) + ": no animation named '" + option + "' (it has " + names + ")");
}

const SourceAnimation* NamedLike(const Character& character, const std::string& word)
{
    for (const SourceAnimation& animation : character.animations) {
        if (Simplified(animation.name).find(word) != std::string::npos) return &animation;
    }
    return nullptr;
}

// The track's keys between the span's ends, with keys added at both ends, in clip time from the
// span's start. A channel holding one value keeps it.
Assets::BoneTrack Cut(const Assets::BoneTrack& track, const Span& span, double unitsPerTick)
{
    Assets::BoneTrack out;
    out.bone = track.bone;
    const Math::VQS first = SampleTrack(track, static_cast<float>(span.from), Math::VQS{});
    const Math::VQS last = SampleTrack(track, static_cast<float>(span.to), Math::VQS{});
    const float end = static_cast<float>((span.to - span.from) * unitsPerTick);
    auto cut = [&](const auto& keys, auto& into, const auto& atFirst, const auto& atLast) {
        if (keys.empty()) {
            return;
        }
        into.push_back({0.0f, atFirst});
        if (keys.size() == 1) {
            return;
        }
        for (const auto& key : keys) {
            const float time = static_cast<float>((key.time - span.from) * unitsPerTick);
            if (time > into.back().time && time < end) {
                into.push_back({time, key.value});
            }
        }
        into.push_back({end, atLast});
    };
    cut(track.translations, out.translations, first.translation, last.translation);
    cut(track.rotations, out.rotations, first.rotation, last.rotation);
    cut(track.scales, out.scales, first.scale, last.scale);
    return out;
}

ChosenClip Make(const std::string& name, const Span& span)
{
    ChosenClip chosen;
    chosen.name = name;
    chosen.source = span.description;
    const SourceAnimation& animation = *span.animation;
    const double unitsPerTick = Assets::kClipUnitsPerSecond / animation.ticksPerSecond;
    chosen.seconds = (span.to - span.from) / animation.ticksPerSecond;
    chosen.clip.duration = static_cast<float>((span.to - span.from) * unitsPerTick);
    for (const Assets::BoneTrack& track : animation.tracks) {
        chosen.clip.tracks.push_back(Cut(track, span, unitsPerTick));
    }
    return chosen;
}

}  // namespace

std::string Simplified(const std::string& name)
{
    const std::size_t cut = name.find_last_of(":|");
    std::string out;
    for (char c : name.substr(cut == std::string::npos ? 0 : cut + 1)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

std::vector<ChosenClip> ChooseClips(const Character& character, const std::string& walk, const std::string& run)
{
    Span walkSpan, runSpan;
    if (!walk.empty()) walkSpan = Parse(character, walk, "--walk");
    if (!run.empty()) runSpan = Parse(character, run, "--run");
    const SourceAnimation* walkLike = NamedLike(character, "walk");
    const SourceAnimation* runLike = NamedLike(character, "run");
    const SourceAnimation& first = character.animations.front();
    if (walkSpan.animation == nullptr) {
        walkSpan = Whole(walkLike ? *walkLike : runLike ? *runLike : first);
        walkSpan.description += walkLike ? " (named like walk)" : " (nothing named like walk)";
    }
    if (runSpan.animation == nullptr) {
        runSpan = runLike ? Whole(*runLike) : walkSpan;
        runSpan.description = runLike ? Describe(*runLike) + " (named like run)" : "as Walk (nothing named like run)";
    }
    std::vector<ChosenClip> clips;
    for (const Assets::ResourceFile& file : Assets::kClipFiles) {
        const std::string name = file.name;
        if (name == "Walk") {
            clips.push_back(Make(name, walkSpan));
        } else if (name == "Run") {
            clips.push_back(Make(name, runSpan));
        } else if (const SourceAnimation* same = FindNamed(character, name)) {
            clips.push_back(Make(name, Whole(*same)));
        } else if (const SourceAnimation* idle = name == "Stand" ? NamedLike(character, "idle") : nullptr) {
            clips.push_back(Make(name, Whole(*idle)));
        } else {
            ChosenClip held;
            held.name = name;
            held.source = "bind pose held";
            held.clip.duration = kHeldPoseDuration;
            held.seconds = kHeldPoseDuration / Assets::kClipUnitsPerSecond;
            clips.push_back(held);
        }
    }
    return clips;
}

}  // namespace CharacterImport
