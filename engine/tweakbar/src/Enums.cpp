// Enum types for combo-box entries.
#include "AntTweakBar.h"
#include "Errors.h"
#include "Library.h"

using namespace TweakBar;

namespace {

std::string EnumProblem(const char* name, const TwEnumVal* enumValues, unsigned int nbValues) {
    if (!name || !*name) return "the enum needs a name";
    if (nbValues == 0) return "the enum needs at least one value";
    if (!enumValues) return "no values given";
    for (unsigned int i = 0; i < nbValues; ++i) {
        if (!enumValues[i].Label) return "value " + std::to_string(i) + " has no label";
    }
    return {};
}

}  // namespace

// Defining a name again replaces its values and keeps its type id, so the entries already bound
// to it show the new labels.
TwType TwDefineEnum(const char* name, const TwEnumVal* enumValues, unsigned int nbValues) {
    if (!RequireInitialised("TwDefineEnum")) return TW_TYPE_UNDEF;
    const std::string problem = EnumProblem(name, enumValues, nbValues);
    if (!problem.empty()) {
        ReportError(std::string("TwDefineEnum(\"") + (name ? name : "") + "\"): " + problem);
        return TW_TYPE_UNDEF;
    }
    EnumType type;
    type.name = name;
    for (unsigned int i = 0; i < nbValues; ++i) {
        type.values.push_back(enumValues[i].Value);
        type.labels.emplace_back(enumValues[i].Label);
    }
    std::vector<EnumType>& enums = TheLibrary().enums;
    size_t index = 0;
    while (index < enums.size() && enums[index].name != type.name) ++index;
    if (index == enums.size()) {
        enums.push_back(std::move(type));
    } else {
        enums[index] = std::move(type);
    }
    return static_cast<TwType>(TW_TYPE_ENUM_BASE + static_cast<int>(index));
}
