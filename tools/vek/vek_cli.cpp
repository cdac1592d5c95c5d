#include "vek/vek_cli.h"

#include "Package/archive_ops.h"
#include "Package/archive_writer.h"
#include "Package/entry_name.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace vek {

namespace {

constexpr int kFailure = 1;
constexpr int kBadUsage = 2;

int fail(std::ostream& err, const std::string& file, const std::string& what) {
    err << "vek: " << file << ": " << what << '\n';
    return kFailure;
}

int badUsage(std::ostream& err, const std::string& what) {
    err << "vek: " << what << " (try 'vek --help')\n";
    return kBadUsage;
}

// The file's own name: the text after the last separator, or the whole path
// when it has none.
std::string defaultEntryName(const std::string& file) { return file.substr(platform::fileNameStart(file)); }

int add(platform::FileSystem& files, const std::vector<std::string>& a, std::ostream& err) {
    const std::string& archive = a[1];
    const std::string& file = a[2];
    const std::string name = a.size() > 3 ? a[3] : defaultEntryName(file);
    if (auto checked = package::checkEntryName(name); !checked)
        return fail(err, file, "refusing entry name \"" + name + "\": " + checked.reason() + "; it could not be extracted");
    const auto result = package::appendEntry(files, archive, file, name);
    if (result) return 0;
    const bool aboutSource = result.kind() == package::ArchiveError::CannotOpenSource || result.kind() == package::ArchiveError::CannotReadSource;
    return fail(err, aboutSource ? file : archive, result.reason());
}

int list(platform::FileSystem& files, const std::string& archive, std::ostream& out, std::ostream& err) {
    const auto result = package::listEntries(files, archive, [&](const std::string& name) { out << name << '\n'; });
    out.flush();
    return result ? 0 : fail(err, archive, result.reason());
}

int extract(platform::FileSystem& files, const std::vector<std::string>& a, std::ostream& err) {
    const std::string& archive = a[1];
    const std::string& name = a[2];
    const std::string& destination = a[3];
    if (auto checked = package::checkEntryName(name); !checked) return fail(err, archive, "entry \"" + name + "\": " + checked.reason());
    const auto result = package::extractEntry(files, archive, name, destination);
    if (result) return 0;
    if (result.kind() == package::ArchiveError::CannotWriteDestination) return fail(err, destination, result.reason());
    if (result.kind() == package::ArchiveError::NotFound) return fail(err, archive, "no entry named \"" + name + "\"");
    return fail(err, archive, result.reason());
}

int extractAll(platform::FileSystem& files, const std::string& archive, const std::string& folder, std::ostream& err) {
    if (!files.folderExists(folder)) return fail(err, folder, "not a folder");
    int status = 0;
    const auto result = package::extractAll(files, archive, folder, [&](const package::ExtractReport& r) {
        if (!r.refusal.empty()) status = fail(err, archive, "entry \"" + r.name + "\" not extracted: " + r.refusal);
        else if (!r.written) status = fail(err, r.path, r.written.reason());
    });
    if (!result) return fail(err, archive, result.reason());
    return status;
}

} // namespace

std::string usage() {
    return "usage:\n"
           "  vek add ARCHIVE FILE [NAME]      append FILE to ARCHIVE (made when missing) as entry NAME\n"
           "                                   (default: FILE's own name)\n"
           "  vek list ARCHIVE                 print the entry names, one a line, in archive order\n"
           "  vek extract ARCHIVE NAME DEST    write the first entry named NAME (any case) to DEST\n"
           "  vek extract-all ARCHIVE FOLDER   write every entry into FOLDER (a repeated name keeps\n"
           "                                   the first entry)\n"
           "  vek --help                       show this text\n"
           "Entry names are plain file names: no folders, no device names.\n"
           "Exit status: 0 success, 1 failure, 2 bad usage.\n";
}

int runCommand(platform::FileSystem& files, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return badUsage(err, "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << usage();
        return 0;
    }
    if (command == "add" && (args.size() == 3 || args.size() == 4)) return add(files, args, err);
    if (command == "list" && args.size() == 2) return list(files, args[1], out, err);
    if (command == "extract" && args.size() == 4) return extract(files, args, err);
    if (command == "extract-all" && args.size() == 3) return extractAll(files, args[1], args[2], err);
    if (command == "add" || command == "list" || command == "extract" || command == "extract-all")
        return badUsage(err, "wrong number of arguments for '" + command + "'");
    return badUsage(err, "unknown command '" + command + "'");
}

} // namespace vek
