#include "Package/archive_ops.h"

#include "Package/archive_reader.h"
#include "Package/entry_name.h"
#include "platform/files.h"
#include "platform/path_compare.h"

#include <algorithm>
#include <unordered_set>

namespace package {

namespace {

// The entry is copied whole into a new file beside the destination, which
// then takes the destination's name: a failed or interrupted copy never
// leaves a partial file under that name, nor touches a file already there.
// The archive itself is never a destination: the new file would take its
// place while it is being read.
ArchiveOutcome<> writeEntry(platform::FileSystem& files, const std::string& archivePath, ArchiveReader& reader,
                            const ArchiveEntry& entry, const std::string& destination) {
    if (platform::writesOver(files, destination, archivePath)) return archiveFailure(ArchiveError::DestinationIsArchive);
    const rt::Outcome<> written =
        platform::writeThenRename(files, destination, [&](platform::File& out) { return reader.copyData(entry, out); });
    if (!written) return archiveFailure(ArchiveError::CannotWriteDestination, written.reason());
    return {};
}

} // namespace

ArchiveOutcome<> listEntries(platform::FileSystem& files, const std::string& archivePath,
                             const std::function<void(const std::string&)>& onName) {
    ArchiveReader reader(files);
    if (auto opened = reader.open(archivePath); !opened) return opened;
    for (;;) {
        ArchiveEntry entry;
        switch (reader.next(entry)) {
        case ArchiveReader::Step::Entry: onName(entry.name); break;
        case ArchiveReader::Step::End: return {};
        case ArchiveReader::Step::DamagedAfterName: onName(entry.name); return archiveFailure(reader.error());
        case ArchiveReader::Step::Damaged: return archiveFailure(reader.error());
        }
    }
}

ArchiveOutcome<> extractEntry(platform::FileSystem& files, const std::string& archivePath, const std::string& name,
                              const std::string& destination) {
    ArchiveReader reader(files);
    if (auto opened = reader.open(archivePath); !opened) return opened;
    const std::string wanted = lowerAscii(name);
    for (;;) {
        ArchiveEntry entry;
        switch (reader.next(entry)) {
        case ArchiveReader::Step::Entry:
            if (lowerAscii(entry.name) == wanted) return writeEntry(files, archivePath, reader, entry, destination);
            break;
        case ArchiveReader::Step::End: return archiveFailure(ArchiveError::NotFound);
        case ArchiveReader::Step::DamagedAfterName:
        case ArchiveReader::Step::Damaged: return archiveFailure(reader.error());
        }
    }
}

ArchiveOutcome<> extractAll(platform::FileSystem& files, const std::string& archivePath, const std::string& folder,
                            const std::function<void(const ExtractReport&)>& onEntry) {
    ArchiveReader reader(files);
    if (auto opened = reader.open(archivePath); !opened) return opened;
    std::unordered_set<std::string> seen;
    for (;;) {
        ArchiveEntry entry;
        const auto step = reader.next(entry);
        if (step == ArchiveReader::Step::End) return {};
        if (step != ArchiveReader::Step::Entry) return archiveFailure(reader.error());

        ExtractReport report;
        report.name = entry.name;
        if (auto checked = checkEntryName(entry.name); !checked) {
            report.refusal = checked.reason();
        } else if (!seen.insert(lowerAscii(entry.name)).second) {
            report.duplicate = true;
        } else {
            report.path = entryPathIn(folder, entry.name);
            if (!liesDirectlyIn(report.path, folder)) report.refusal = "the path leaves the destination folder";
            else
                report.written = writeEntry(files, archivePath, reader, entry, report.path);
        }
        onEntry(report);
    }
}

} // namespace package
