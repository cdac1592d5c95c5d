#pragma once
// The programs' one file layer: whole small files (the settings), files read
// and written at byte positions (the package archive), and replacing a file
// through a new one beside it, so that an interrupted write never leaves it
// half written. Contents are bytes as they lie on disk; paths are UTF-8.
// Native builds use StandardFileSystem, Windows programs SystemFileSystem;
// both are the process's files(), and tests may use an in-memory one.
#include "core/outcome.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

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
    // Writes all n bytes; any shortfall fails, in the system's words (a
    // full disk).
    virtual rt::Outcome<> writeAt(std::int64_t offset, const void* buffer, std::size_t n) = 0;
    // Sends what was written so far to the disk: a long write does so as it
    // goes, so that closing has little left to wait for.
    virtual rt::Outcome<> flush() { return {}; }
    // Cuts the file to `length` bytes.
    virtual rt::Outcome<> truncate(std::int64_t length) = 0;
    // Flushes what was written to the disk and closes; fails when it may not
    // have arrived. The file can do nothing afterwards.
    virtual rt::Outcome<> close() = 0;
    // Copies n bytes of `source` at `from` to this file at `to`, through one
    // buffer of at most `chunk` bytes (a layer may let the system copy
    // instead). Fails when the source ends early or a write fails.
    virtual rt::Outcome<> copyFrom(File& source, std::int64_t from, std::int64_t to, std::int64_t n, std::size_t chunk);
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

// Why a file did not open: a missing file may be made, a taken name skipped.
enum class OpenFailure { Missing, AlreadyExists, Other };

// The opened file (never null), or why there is none in the system's words.
using OpenedFile = rt::Outcome<std::unique_ptr<File>, OpenFailure>;

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A regular file (not a folder) exists at the path.
    virtual bool fileExists(const std::string& path) = 0;
    // When the file was last written, on a scale that only compares (a later
    // write gives a larger number); fails for a missing file, or one that
    // cannot be asked.
    virtual rt::Outcome<std::int64_t> lastWriteTime(const std::string& path) = 0;
    // The whole file; fails when it cannot be opened or read. Read through
    // openFile, the same on every system.
    virtual rt::Outcome<std::string> readFile(const std::string& path);
    // Makes or empties the file and writes the bytes, flushed to the disk.
    // A failed write may leave a partial file behind.
    virtual rt::Outcome<> writeFile(const std::string& path, std::string_view bytes) = 0;
    // Opens a plain file (never a folder or a device).
    virtual OpenedFile openFile(const std::string& path, OpenMode mode) = 0;
    // Renames `from` over `to` in one step, replacing an existing file `to`
    // (never a folder, never a read-only file: that fails with
    // kReadOnlyReason on every system, where a plain rename would replace it
    // on some and not on others).
    virtual rt::Outcome<> replaceFile(const std::string& from, const std::string& to) = 0;
    // Makes one folder level; an existing folder is no failure.
    virtual rt::Outcome<> makeFolder(const std::string& path) = 0;
    // A folder (not a file) exists at the path.
    virtual bool folderExists(const std::string& path) = 0;
    // The names of the files lying directly in the folder (no subfolders, no
    // paths); fails when the folder cannot be read.
    virtual rt::Outcome<std::vector<std::string>> listFiles(const std::string& folder) = 0;
    // Deletes one file; done when no file is at the path afterwards (so a
    // missing file is no failure, a read-only or locked one is). Why a file
    // stays, in the words a message ends with: kReadOnlyReason for a
    // read-only file, else the system's reason; the uninstaller's advice
    // follows it.
    virtual rt::Outcome<> deleteFile(const std::string& path) = 0;
    // Removes the folder when it is empty; done when it is gone afterwards.
    virtual rt::Outcome<> removeEmptyFolder(const std::string& path) = 0;

    // The system's own full form of a path: on Windows the full-path
    // function's answer with the 8.3 short names of the part that exists
    // spelled out. Nothing where the system gives none, an ordinary answer:
    // the path module then works the full form out from the text.
    virtual std::optional<std::string> systemFullPath(const std::string& /*path*/) { return std::nullopt; }
    // The identity of an existing file or folder; fails when it cannot be told.
    virtual rt::Outcome<FileIdentity> identity(const std::string& /*path*/) {
        return rt::fail("the system does not say which file a path names");
    }
    // A running program holds its program file: it cannot be written (nor
    // deleted) until the program ends.
    virtual bool inUse(const std::string& /*path*/) { return false; }
    // Bytes this user may still write on the drive that holds the existing
    // folder; fails when the system cannot tell (drive_space.h walks up to an
    // existing folder first).
    virtual rt::Outcome<std::uint64_t> freeSpace(const std::string& /*folder*/) {
        return rt::fail("the system does not say how much room the drive has");
    }
};

// Makes the folder and every missing level above it ("\" and "/" both
// separate levels). `created` lists the levels this call made, outermost
// first, so that a caller can take them back even when a later level failed;
// an existing folder is used as it is.
struct MadeFolders {
    rt::Outcome<> outcome;  // the whole path stands, or why not
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
rt::Outcome<> writeThenRename(FileSystem& files, const std::string& path, const std::function<rt::Outcome<>(File&)>& fill);
// The whole file through writeThenRename.
rt::Outcome<> writeWholeFile(FileSystem& files, const std::string& path, std::string_view bytes);

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

    // Whether the new file could be made, and why not.
    const rt::Outcome<>& made() const noexcept { return made_; }
    File& file() { return *file_; }
    const std::string& path() const noexcept { return path_; }

    // Flushes, closes and renames the new file over `path`; on failure the
    // new file is deleted.
    rt::Outcome<> commit();
    void abandon() noexcept;

private:
    FileSystem& files_;
    std::string path_;
    std::string temporary_;
    std::unique_ptr<File> file_;
    rt::Outcome<> made_;
};

// Enough for a few writers at once and for names left by a crash; a folder
// where every one is taken is not worth trying further.
inline constexpr int kTemporaryAttempts = 100;

// The name the n-th try of writeThenRename gives the new file beside `path`:
// short enough that any file name the system holds leaves room for it.
std::string temporaryPathFor(const std::string& path, int attempt = 0);

} // namespace platform
