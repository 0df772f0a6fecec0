// Creating and deleting bars and binding variables to them.
#include <algorithm>

#include "AntTweakBar.h"
#include "DefinitionString.h"
#include "Errors.h"
#include "Library.h"

using namespace TweakBar;

namespace {

bool HasText(const char* text) { return text && *text; }

bool IsNumber(TwType type) { return type == TW_TYPE_FLOAT || type == TW_TYPE_INT32; }

std::string NameProblem(const CTwBar& bar, const char* name) {
    if (!HasText(name)) return "the entry needs a name";
    for (const Entry& entry : bar.entries) {
        if (entry.name == name) return "the bar already has an entry with this name";
    }
    return {};
}

std::string VariableProblem(TwType type, const void* var) {
    if (!var) return "no variable given";
    if (!IsNumber(type) && type != TW_TYPE_BOOLCPP && !FindEnum(type)) {
        return "type " + std::to_string(type) +
               " is none of TW_TYPE_FLOAT, TW_TYPE_INT32, TW_TYPE_BOOLCPP or a type made by TwDefineEnum";
    }
    return {};
}

bool HasLimits(const FloatLimits& limits) { return limits.hasMin || limits.hasMax || limits.hasStep; }

// Checks what every kind of entry shares (a live bar, a new name, a valid definition that sets
// limits only where `takesLimits`) and that `problem` found nothing wrong with the rest; on
// success appends the entry, its name and limits filled in, and returns it. Otherwise reports
// why, naming `function`, and returns null.
Entry* AppendEntry(const char* function, TwBar* bar, const char* name, const std::string& problem,
                   const char* def, bool takesLimits) {
    if (!RequireInitialised(function)) return nullptr;
    CTwBar* target = FindBar(bar);
    if (!target) {
        ReportError(std::string(function) + ": not a live bar");
        return nullptr;
    }
    const std::string where = std::string(function) + "(\"" + (name ? name : "") + "\"): ";
    const std::string nameProblem = NameProblem(*target, name);
    if (!nameProblem.empty() || !problem.empty()) {
        ReportError(where + (nameProblem.empty() ? problem : nameProblem));
        return nullptr;
    }
    Entry entry;
    std::string parseError;
    if (!ParseDefinition(def, entry.limits, parseError)) {
        ReportError(where + "definition \"" + def + "\" refused: " + parseError);
        return nullptr;
    }
    if (!takesLimits && HasLimits(entry.limits)) {
        ReportError(where + "min, max and step apply to numbers and plots only");
        return nullptr;
    }
    entry.name = name;
    target->entries.push_back(std::move(entry));
    return &target->entries.back();
}

// Variables of both kinds.
int AddVariable(const char* function, TwBar* bar, const char* name, TwType type, const void* var, const char* def,
                bool readOnly) {
    Entry* entry = AppendEntry(function, bar, name, VariableProblem(type, var), def, IsNumber(type));
    if (!entry) return 0;
    entry->type = type;
    entry->var = const_cast<void*>(var);
    entry->readOnly = readOnly;
    return 1;
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
    return AddVariable("TwAddVarRW", bar, name, type, var, def, false);
}

int TwAddVarRO(TwBar* bar, const char* name, TwType type, const void* var, const char* def) {
    return AddVariable("TwAddVarRO", bar, name, type, var, def, true);
}

int TwAddButton(TwBar* bar, const char* name, TwButtonCallback callback, void* clientData, const char* def) {
    Entry* entry = AppendEntry("TwAddButton", bar, name, callback ? "" : "no callback given", def, false);
    if (!entry) return 0;
    entry->kind = EntryKind::Button;
    entry->callback = callback;
    entry->clientData = clientData;
    return 1;
}

int TwAddPlotExt(TwBar* bar, const char* name, const float* values, int count, const float* marker,
                 const char* def) {
    std::string problem;
    if (!values) problem = "no values given";
    else if (count < 2) problem = "a curve needs at least 2 values, not " + std::to_string(count);
    Entry* entry = AppendEntry("TwAddPlotExt", bar, name, problem, def, true);
    if (!entry) return 0;
    entry->kind = EntryKind::Plot;
    entry->plot = PlotSource{values, count, marker};
    return 1;
}

int TwSetParam(TwBar* bar, const char* varName, const char* paramName, TwParamValueType paramValueType,
               unsigned int inValueCount, const void* inValues) {
    if (!RequireInitialised("TwSetParam")) return 0;
    CTwBar* target = FindBar(bar);
    if (!target) {
        ReportError("TwSetParam: not a live bar");
        return 0;
    }
    const std::string param = paramName ? paramName : "";
    if (varName || param != "iconified") {
        ReportError("TwSetParam(\"" + param + "\"): only the bar parameter \"iconified\" is supported");
        return 0;
    }
    if (paramValueType != TW_PARAM_INT32 || inValueCount != 1 || !inValues) {
        ReportError("TwSetParam(\"iconified\"): expects one TW_PARAM_INT32 value");
        return 0;
    }
    target->requestedIconified = *static_cast<const int*>(inValues) != 0;
    return 1;
}
