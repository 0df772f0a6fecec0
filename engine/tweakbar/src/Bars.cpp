// Creating and deleting bars and binding variables to them.
#include <algorithm>

#include "AntTweakBar.h"
#include "DefinitionString.h"
#include "Errors.h"
#include "Library.h"

using namespace TweakBar;

namespace {

bool HasText(const char* text) { return text && *text; }

std::string EntryProblem(const CTwBar& bar, const char* name, TwType type, const void* var) {
    if (!HasText(name)) return "the entry needs a name";
    for (const Entry& entry : bar.entries) {
        if (entry.name == name) return "the bar already has an entry with this name";
    }
    if (!var) return "no variable given";
    if (type != TW_TYPE_FLOAT && !FindEnum(type)) {
        return "type " + std::to_string(type) + " is neither TW_TYPE_FLOAT nor a type made by TwDefineEnum";
    }
    return {};
}

}  // namespace

TwBar* TwNewBar(const char* barName) {
    if (!RequireInitialised("TwNewBar")) return nullptr;
    if (!HasText(barName)) {
        ReportError("TwNewBar: the bar needs a name");
        return nullptr;
    }
    if (TwGetBarByName(barName)) {
        ReportError(std::string("TwNewBar: a bar named \"") + barName + "\" already exists");
        return nullptr;
    }
    std::vector<std::unique_ptr<CTwBar>>& bars = TheLibrary().bars;
    auto bar = std::make_unique<CTwBar>();
    bar->name = barName;
    bar->slot = static_cast<int>(bars.size());
    bars.push_back(std::move(bar));
    return bars.back().get();
}

int TwDeleteBar(TwBar* bar) {
    if (!RequireInitialised("TwDeleteBar")) return 0;
    std::vector<std::unique_ptr<CTwBar>>& bars = TheLibrary().bars;
    const auto live = std::find_if(bars.begin(), bars.end(),
                                   [bar](const std::unique_ptr<CTwBar>& candidate) { return candidate.get() == bar; });
    if (live == bars.end()) {
        ReportError("TwDeleteBar: not a live bar");
        return 0;
    }
    bars.erase(live);
    return 1;
}

int TwAddVarRW(TwBar* bar, const char* name, TwType type, void* var, const char* def) {
    if (!RequireInitialised("TwAddVarRW")) return 0;
    CTwBar* target = FindBar(bar);
    if (!target) {
        ReportError("TwAddVarRW: not a live bar");
        return 0;
    }
    const std::string where = std::string("TwAddVarRW(\"") + (name ? name : "") + "\"): ";
    const std::string problem = EntryProblem(*target, name, type, var);
    if (!problem.empty()) {
        ReportError(where + problem);
        return 0;
    }
    Entry entry;
    std::string parseError;
    if (!ParseDefinition(def, entry.limits, parseError)) {
        ReportError(where + "definition \"" + def + "\" refused: " + parseError);
        return 0;
    }
    const FloatLimits& limits = entry.limits;
    if (type != TW_TYPE_FLOAT && (limits.hasMin || limits.hasMax || limits.hasStep)) {
        ReportError(where + "min, max and step apply to float entries only");
        return 0;
    }
    entry.name = name;
    entry.type = type;
    entry.var = var;
    target->entries.push_back(std::move(entry));
    return 1;
}
