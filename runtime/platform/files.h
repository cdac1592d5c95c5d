#pragma once
// The programs' one file layer: whole small files (the settings), files read
// and written at byte positions (the package archive), and replacing a file
// through a new one beside it, so that an interrupted write never leaves it
// half written. Contents are bytes as they lie on disk; paths are UTF-8.
// Native builds use StandardFileSystem, Windows programs SystemFileSystem;
// both are the process's files(), and tests may use an in-memory one.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How a write went: empty `failure` on success.
struct WriteResult {
    std::string failure;
    explicit operator bool() const noexcept { return failure.empty(); }
};

// Why a read-only file was not replaced, in the words a message ends with.
inline constexpr const char* kReadOnlyReason = "it is read-only";

// One open file, read and written at 0-based byte positions.
class File {
public:
    virtual ~File() = default;
    // Length in bytes, or -1 when it cannot be told.
    virtual std::int64_t size() = 0;
    // Reads up to n bytes; fewer only where the file ends or on an error.
    virtual std::size_t readAt(std::int64_t offset, void* buffer, std::size_t n) = 0;
    // Writes all n bytes; false on any shortfall.
    virtual bool writeAt(std::int64_t offset, const void* buffer, std::size_t n) = 0;
    // Sends what was written so far to the disk: a long write does so as it
    // goes, so that closing has little left to wait for. False on failure.
    virtual bool flush() { return true; }
    // Why the last write or flush failed, in the system's words (a full disk).
    virtual std::string writeFailure() { return "the file cannot be written"; }
    // Cuts the file to `length` bytes.
    virtual bool truncate(std::int64_t length) = 0;
    // Flushes what was written to the disk and closes; false when it may not
    // have arrived. The file can do nothing afterwards.
    virtual bool close() = 0;
    // Copies n bytes of `source` at `from` to this file at `to`, through one
    // buffer of at most `chunk` bytes (a layer may let the system copy
    // instead). False when the source ends early or a write fails.
    virtual bool copyFrom(File& source, std::int64_t from, std::int64_t to, std::int64_t n, std::size_t chunk);
};

// Which file a path names, as the system knows it: the volume and the
// file's index on it. Two paths with equal identities name one file.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

enum class OpenMode {
    Read,       // an existing plain file, read only
    ReadWrite,  // an existing plain file, nothing emptied
    CreateNew,  // a new empty file; fails when anything already has the name
};

// What opening gave: the file, or why there is none.
struct OpenedFile {
    enum class Failure { None, Missing, AlreadyExists, Other };
    std::unique_ptr<File> file;
    Failure failure = Failure::None;
    std::string reason;  // the system's words, for messages
    explicit operator bool() const noexcept { return file != nullptr; }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A regular file (not a folder) exists at the path.
    virtual bool fileExists(const std::string& path) = 0;
    // When the file was last written, on a scale that only compares (a later
    // write gives a larger number); nothing when the file cannot be asked.
    virtual std::optional<std::int64_t> lastWriteTime(const std::string& path) = 0;
    // The whole file, or nothing when it cannot be opened or read. Read
    // through openFile, the same on every system.
    virtual std::optional<std::string> readFile(const std::string& path);
    // Makes or empties the file and writes the bytes, flushed to the disk.
    // False on any failure; a failed write may leave a partial file behind.
    virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
    // Opens a plain file (never a folder or a device).
    virtual OpenedFile openFile(const std::string& path, OpenMode mode) = 0;
    // Renames `from` over `to` in one step, replacing an existing file `to`
    // (never a folder, never a read-only file: that fails with
    // kReadOnlyReason on every system, where a plain rename would replace it
    // on some and not on others).
    virtual WriteResult replaceFile(const std::string& from, const std::string& to) = 0;
    // Makes one folder level; true when the folder exists afterwards.
    virtual bool makeFolder(const std::string& path) = 0;
    // A folder (not a file) exists at the path.
    virtual bool folderExists(const std::string& path) = 0;
    // The names of the files lying directly in the folder (no subfolders, no
    // paths), or nothing when the folder cannot be read.
    virtual std::optional<std::vector<std::string>> listFiles(const std::string& folder) = 0;
    // Deletes one file; true when no file is at the path afterwards (so a
    // missing file is no failure, a read-only or locked one is).
    virtual bool deleteFile(const std::string& path) = 0;
    // The same, saying why a file stays, in the words a message ends with:
    // kReadOnlyReason for a read-only file, else the system's reason. The
    // uninstaller's advice follows it.
    virtual WriteResult deleteFileOrSayWhy(const std::string& path) {
        return deleteFile(path) ? WriteResult{} : WriteResult{"it cannot be deleted"};
    }
    // Removes the folder when it is empty; true when it is gone afterwards.
    virtual bool removeEmptyFolder(const std::string& path) = 0;

    // The system's own full form of a path: on Windows the full-path
    // function's answer with the 8.3 short names of the part that exists
    // spelled out. Nothing where the system has none (the path module then
    // works it out from the text).
    virtual std::optional<std::string> systemFullPath(const std::string& /*path*/) { return std::nullopt; }
    // The identity of an existing file or folder; nothing when it cannot be told.
    virtual std::optional<FileIdentity> identity(const std::string& /*path*/) { return std::nullopt; }
    // A running program holds its program file: it cannot be written (nor
    // deleted) until the program ends.
    virtual bool inUse(const std::string& /*path*/) { return false; }
    // Bytes this user may still write on the drive that holds the existing
    // folder; nothing when the system cannot tell (drive_space.h walks up to
    // an existing folder first).
    virtual std::optional<std::uint64_t> freeSpace(const std::string& /*folder*/) { return std::nullopt; }
};

// Makes the folder and every missing level above it ("\" and "/" both
// separate levels). `created` lists the levels this call made, outermost
// first, so that a caller can take them back; an existing folder is used as
// it is.
struct MadeFolders {
    bool ok = false;
    std::vector<std::string> created;
};
MadeFolders makeFolderPath(FileSystem& files, const std::string& path);

// The process's own file layer (the standard or the Windows one).
FileSystem& files();

// Writes `path` through a new file beside it: `fill` writes the new file,
// which is then flushed, closed and renamed over `path`. Either the whole new
// contents are there, or `path` is exactly as it was and the new file is gone.
// The new file is created exclusively under a free name (a name in use is
// skipped, a bounded number of times); any other failure ends at once.
WriteResult writeThenRename(FileSystem& files, const std::string& path, const std::function<WriteResult(File&)>& fill);
// The whole file through writeThenRename; why not, when it failed.
WriteResult writeWholeFile(FileSystem& files, const std::string& path, std::string_view bytes);
bool writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

// The same, spread over as many calls as the writer likes (a long write
// driven by a timer): the new file is made at once; commit() renames it over
// `path`; abandon(), or going away uncommitted, deletes it and leaves `path`
// exactly as it was.
class PendingReplacement {
public:
    PendingReplacement(FileSystem& files, std::string path);
    ~PendingReplacement() { abandon(); }
    PendingReplacement(const PendingReplacement&) = delete;
    PendingReplacement& operator=(const PendingReplacement&) = delete;

    // The new file could be made; else failure() says why.
    explicit operator bool() const noexcept { return file_ != nullptr; }
    const std::string& failure() const noexcept { return failure_; }
    File& file() { return *file_; }
    const std::string& path() const noexcept { return path_; }

    // Flushes, closes and renames the new file over `path`; on failure the
    // new file is deleted.
    WriteResult commit();
    void abandon() noexcept;

private:
    FileSystem& files_;
    std::string path_;
    std::string temporary_;
    std::unique_ptr<File> file_;
    std::string failure_;
};

// Enough for a few writers at once and for names left by a crash; a folder
// where every one is taken is not worth trying further.
inline constexpr int kTemporaryAttempts = 100;

// The name the n-th try of writeThenRename gives the new file beside `path`:
// short enough that any file name the system holds leaves room for it.
std::string temporaryPathFor(const std::string& path, int attempt = 0);

} // namespace platform
