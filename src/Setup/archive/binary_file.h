#pragma once
// A binary file opened for one archive operation: read and write at byte
// offsets, closed (and its close checked) before the operation returns.
// Paths are UTF-8 strings as the programs hold them: on Windows they are opened
// through the wide-character functions; elsewhere a "\" is taken as the
// folder separator so that the same Windows-style paths work in tests.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace setup {

class BinaryFile {
public:
    enum class Mode {
        Read,          // existing file, read only
        ReadWrite,     // existing file or a new one, nothing emptied
        CreateNew,     // a new, empty file (emptied when it exists)
    };

    BinaryFile() = default;
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    bool open(const std::string& path, Mode mode);
    bool isOpen() const noexcept { return file_ != nullptr; }
    // Flushes and closes; false when the last writes did not reach the file.
    bool close();

    // Length in bytes, or -1 when it cannot be told.
    std::int64_t size();
    // Reads up to n bytes at the 0-based offset; returns how many were read.
    std::size_t readAt(std::int64_t offset, void* buffer, std::size_t n);
    // Writes all n bytes at the offset; false on any shortfall.
    bool writeAt(std::int64_t offset, const void* buffer, std::size_t n);
    // Copies n bytes from `source` at `from` to this file at `to`, through one
    // buffer of at most `chunk` bytes (or inside the kernel where it can).
    // False when the source ends early or a write fails.
    bool copyFrom(BinaryFile& source, std::int64_t from, std::int64_t to, std::int64_t n, std::size_t chunk);
    // Whether copyFrom may let the kernel copy (Linux); tests turn it off to
    // check the chunked copy that every other system uses.
    static void allowKernelCopy(bool allow) noexcept;
    // Cuts the file to `length` bytes (takes back a half-written entry).
    bool truncate(std::int64_t length);

private:
    bool seek(std::int64_t offset);

    std::FILE* file_ = nullptr;
};

// The system's path for a program path.
std::filesystem::path nativePath(const std::string& path);
bool fileExists(const std::string& path);
bool removeFile(const std::string& path);
// Moves `from` over `to`, replacing a file that is there.
bool replaceFile(const std::string& from, const std::string& to);

} // namespace setup
