#include <Assets/Formats.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <sys/stat.h>

namespace Assets {

namespace {

// Closes the file on every path out of the readers and writers below.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemReason() { return std::strerror(errno); }

}  // namespace

std::string NormalizePath(const std::string& path) {
    std::string normalized = path;
    std::replace(normalized.begin(), normalized.end(), '\\', '/');
    return normalized;
}

bool ReadFileBytes(const std::string& path, Bytes& out, std::string& error, bool* missing) {
    if (missing != nullptr) {
        *missing = false;
    }
    const std::string normalized = NormalizePath(path);
    struct stat info {};
    if (::stat(normalized.c_str(), &info) != 0) {
        const bool absent = errno == ENOENT || errno == ENOTDIR;
        if (missing != nullptr) {
            *missing = absent;
        }
        error = absent ? "no such file" : "cannot inspect the file: " + SystemReason();
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "not a regular file";
        return false;
    }
    FileHandle file(std::fopen(normalized.c_str(), "rb"));
    if (!file) {
        error = "cannot open the file: " + SystemReason();
        return false;
    }
    if (static_cast<std::uint64_t>(info.st_size) > std::numeric_limits<std::size_t>::max() / 2) {
        error = "the file is too large";
        return false;
    }
    // A file that shrinks between stat and fread shows up as a short read below.
    out.resize(static_cast<std::size_t>(info.st_size));
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
