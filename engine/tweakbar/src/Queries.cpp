// The read-only view of bars and enums.

#include "Library.h"
#include "TweakBarQuery.h"

using namespace TweakBar;

TwBar* TwGetBarByName(const char* name) {
    if (!name) return nullptr;
    for (const std::unique_ptr<CTwBar>& bar : TheLibrary().bars) {
        if (bar->name == name) return bar.get();
    }
    return nullptr;
}

std::vector<TwVarInfo> TwGetBarVars(const TwBar* bar) {
    std::vector<TwVarInfo> infos;
    const CTwBar* live = FindBar(bar);
    if (!live) return infos;
    for (const Entry& entry : live->entries) {
        TwVarInfo info;
        info.name = entry.name;
        info.type = entry.type;
        info.var = entry.var;
        info.readOnly = entry.readOnly;
        info.hasMin = entry.limits.hasMin;
        info.hasMax = entry.limits.hasMax;
        info.hasStep = entry.limits.hasStep;
        info.min = entry.limits.min;
        info.max = entry.limits.max;
        info.step = entry.limits.step;
        info.valueRect = entry.valueRect;
        infos.push_back(std::move(info));
    }
    return infos;
}

const char* TwGetEnumLabel(TwType enumType, int value) {
    const EnumType* type = FindEnum(enumType);
    return type ? EnumLabel(*type, value) : nullptr;
}

void TwGetWindowSize(int* width, int* height) {
    const Library& library = TheLibrary();
    if (width) *width = library.displayWidth;
    if (height) *height = library.displayHeight;
}

TwRect TwGetBarRect(const TwBar* bar) {
    const CTwBar* live = FindBar(bar);
    return live ? live->panelRect : TwRect{};
}

bool TwIsKeyboardTaken() {
    const Library& library = TheLibrary();
    return library.initialised && library.keyboardTaken;
}
