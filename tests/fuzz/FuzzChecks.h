#pragma once
// Properties every reader must keep on arbitrary bytes, besides not crashing: a refusal comes with
// a reason, reading the bytes from a file gives exactly what reading them from memory gives, and
// for our own formats a file that reads is canonical: writing it back gives the same bytes.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

#include <Assets/Formats.h>

namespace FuzzChecks {

[[noreturn]] inline void Violated(const char* what) {
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}

// Reads the bytes from memory and, through a memory-backed file, from disk; returns whether they were accepted.
template <typename Data>
bool ReadBothWays(const std::uint8_t* data, std::size_t size, bool (*read)(const Assets::Bytes&, Data&, std::string&),
                  Assets::FileResult (*readFile)(const std::string&, Data&, std::string&),
                  Assets::Bytes (*write)(const Data&), Data& parsed, bool canonical) {
    static const int file = memfd_create("fuzz-input", 0);
    const Assets::Bytes input(data, data + size);
    std::string error, fileError;
    Data fromFile;
    const bool accepted = read(input, parsed, error);
    const bool fileAccepted = ftruncate(file, 0) == 0 && pwrite(file, data, size, 0) == static_cast<ssize_t>(size) &&
                              readFile("/proc/self/fd/" + std::to_string(file), fromFile, fileError) == Assets::FileResult::Read;
    if (!accepted && error.empty()) Violated("refused without a reason");
    if (fileAccepted != accepted || (accepted ? write(fromFile) != write(parsed) : fileError != error)) {
        Violated("reading a file differs from reading its bytes");
    }
    if (accepted && canonical && write(parsed) != input) Violated("an accepted file does not write back to the same bytes");
    return accepted;
}

}  // namespace FuzzChecks
