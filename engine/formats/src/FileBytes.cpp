#include <Assets/Formats.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "Parsing.h"

namespace Assets {

namespace {

std::string SystemReason() { return std::strerror(errno); }

}  // namespace

std::string NormalizePath(const std::string& path) {
    std::string normalized = path;
    std::replace(normalized.begin(), normalized.end(), '\\', '/');
    return normalized;
}

FileResult OpenForReading(const std::string& path, FileHandle& file, std::uint64_t& size, std::string& error) {
    const std::string normalized = NormalizePath(path);
    // Looked at before opening, so that a FIFO or a device is refused rather than waited on.
    struct stat info {};
    if (::stat(normalized.c_str(), &info) != 0) {
        const bool absent = errno == ENOENT || errno == ENOTDIR;
        error = absent ? "no such file" : "cannot inspect the file: " + SystemReason();
        return absent ? FileResult::Missing : FileResult::Unreadable;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "not a regular file";
        return FileResult::Unreadable;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    if (size > kMaxFileBytes) {
        error = "the file holds " + std::to_string(size) + " bytes, more than the " + std::to_string(kMaxFileBytes) +
                " an asset may have";
        return FileResult::Refused;
    }
    file.reset(std::fopen(normalized.c_str(), "rb"));
    if (!file) {
        error = "cannot open the file: " + SystemReason();
        return FileResult::Unreadable;
    }
    return FileResult::Read;
}

bool ReadFileBytes(const std::string& path, Bytes& out, std::string& error, bool* missing) {
    FileHandle file;
    std::uint64_t size = 0;
    const FileResult opened = OpenForReading(path, file, size, error);
    if (missing != nullptr) {
        *missing = opened == FileResult::Missing;
    }
    if (opened != FileResult::Read) {
        return false;
    }
    try {
        out.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        error = "not enough memory for its " + std::to_string(size) + " bytes";
        return false;
    }
    // A file that shrinks between stat and fread shows up as a short read.
    const std::size_t read = out.empty() ? 0 : std::fread(out.data(), 1, out.size(), file.get());
    if (read != out.size() || std::ferror(file.get())) {
        error = "reading the file failed: " + SystemReason();
        return false;
    }
    return true;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes, std::string& error) {
    const std::string normalized = NormalizePath(path);
    FileHandle file(std::fopen(normalized.c_str(), "wb"));
    if (!file) {
        error = "cannot create the file: " + SystemReason();
        return false;
    }
    const std::size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    const bool flushed = std::fflush(file.get()) == 0;
    if (written != bytes.size() || !flushed) {
        error = "writing the file failed: " + SystemReason();
        return false;
    }
    return true;
}

}  // namespace Assets
