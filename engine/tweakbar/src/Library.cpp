#include "Library.h"

#include "Errors.h"

namespace TweakBar {

Library& TheLibrary() {
    static Library library;
    return library;
}

bool RequireInitialised(const char* function) {
    if (TheLibrary().initialised) return true;
    ReportError(std::string(function) + ": the library is not initialised; call TwInit first");
    return false;
}

CTwBar* FindBar(const TwBar* bar) {
    for (const std::unique_ptr<CTwBar>& live : TheLibrary().bars) {
        if (live.get() == bar) return live.get();
    }
    return nullptr;
}

const EnumType* FindEnum(TwType type) {
    const std::vector<EnumType>& enums = TheLibrary().enums;
    const long index = static_cast<long>(type) - TW_TYPE_ENUM_BASE;
    if (index < 0 || index >= static_cast<long>(enums.size())) return nullptr;
    return &enums[static_cast<size_t>(index)];
}

const char* EnumLabel(const EnumType& type, int value) {
    for (size_t i = 0; i < type.values.size(); ++i) {
        if (type.values[i] == value) return type.labels[i].c_str();
    }
    return nullptr;
}

}  // namespace TweakBar
