#pragma once
// Properties every reader must keep on arbitrary bytes, besides not crashing: a refusal comes with
// a reason, and whatever is accepted survives a write and a second read unchanged.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <Assets/Formats.h>

namespace FuzzChecks {

[[noreturn]] inline void Violated(const char* what) {
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}

// For our own formats a file that reads is canonical: writing it back gives the same bytes.
template <typename Data>
void ReadWriteIdentity(const std::uint8_t* data, std::size_t size,
                       bool (*read)(const Assets::Bytes&, Data&, std::string&), Assets::Bytes (*write)(const Data&)) {
    const Assets::Bytes input(data, data + size);
    Data parsed;
    std::string error;
    if (read(input, parsed, error) ? write(parsed) != input : error.empty()) {
        Violated(error.empty() ? "refused without a reason" : "an accepted file does not write back to the same bytes");
    }
}

}  // namespace FuzzChecks
