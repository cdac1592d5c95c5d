#pragma once
// Whole-file access for small text files (the settings), and replacing a file
// so that an interrupted save never leaves it half written.
// Contents are bytes as they lie on disk; paths are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A regular file (not a folder) exists at the path.
    virtual bool fileExists(const std::string& path) = 0;
    // The whole file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Makes or empties the file and writes the bytes, flushed to the disk.
    // False on any failure; a failed write may leave a partial file behind.
    virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
    // Renames `from` over `to` in one step, replacing an existing `to`.
    virtual bool replaceFile(const std::string& from, const std::string& to) = 0;
    virtual void removeFile(const std::string& path) = 0;
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
    // Removes the folder when it is empty; true when it is gone afterwards.
    virtual bool removeEmptyFolder(const std::string& path) = 0;
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

// Writes a temporary file beside `path` and renames it over `path`: either the
// new contents are there in full, or the old file is left as it was. The
// temporary file never outlives a failure.
bool writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

// The temporary name used beside `path` while it is being replaced.
std::string temporaryPathFor(const std::string& path);

} // namespace platform
