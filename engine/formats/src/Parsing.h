#pragma once
// One way to run a format's parser, over bytes in memory or over a file read as the parse goes,
// so that every reader ends the same way: bytes after the data refused, a failed allocation
// turned into a refusal, a file it cannot open told apart from one it refuses.
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "ByteReader.h"

namespace Assets {

template <typename Data>
using Parser = bool (*)(ByteReader&, Data&);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file of at most kMaxFileBytes and gives its size (FileBytes.cpp).
FileResult OpenForReading(const std::string& path, FileHandle& file, std::uint64_t& size, std::string& error);

template <typename Data>
bool Parse(ByteReader& reader, Data& out, std::string& error, Parser<Data> parse) {
    try {
        if (parse(reader, out) && reader.AtEnd()) {
            return true;
        }
        error = reader.Error();
    } catch (const std::bad_alloc&) {
        error = "not enough memory for the data (at byte " + std::to_string(reader.Offset()) + ")";
    }
    return false;
}

template <typename Data>
bool ParseBytes(const Bytes& bytes, Data& out, std::string& error, Parser<Data> parse) {
    ByteReader reader(bytes);
    return Parse(reader, out, error, parse);
}

template <typename Data>
FileResult ParseFile(const std::string& path, Data& out, std::string& error, Parser<Data> parse) {
    FileHandle file;
    std::uint64_t size = 0;
    const FileResult opened = OpenForReading(path, file, size, error);
    if (opened != FileResult::Read) {
        return opened;
    }
    ByteReader reader(file.get(), size);
    return Parse(reader, out, error, parse) ? FileResult::Read : FileResult::Refused;
}

}  // namespace Assets
