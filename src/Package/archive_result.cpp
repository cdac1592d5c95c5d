#include "Package/archive_result.h"

namespace package {

std::string describe(ArchiveError error) {
    switch (error) {
    case ArchiveError::None: return "no error";
    case ArchiveError::CannotOpenArchive: return "cannot open the archive (missing, unreadable or not a file)";
    case ArchiveError::CannotOpenSource: return "cannot open the file to add (missing, unreadable or not a file)";
    case ArchiveError::CannotWriteArchive: return "cannot write the archive";
    case ArchiveError::CannotWriteDestination: return "cannot write the extracted file";
    case ArchiveError::CannotReadSource: return "cannot read the file to add";
    case ArchiveError::UnterminatedName: return "damaged archive: an entry name has no terminator within 256 bytes";
    case ArchiveError::UnterminatedSize: return "damaged archive: a size field has no terminator within 256 bytes";
    case ArchiveError::BadSize: return "damaged archive: a size field is not a plain decimal number up to 2147483647";
    case ArchiveError::DataPastEnd: return "damaged archive: an entry's data runs past the end of the file";
    case ArchiveError::TooLarge: return "the archive would grow beyond 2147483647 bytes";
    case ArchiveError::BadName: return "an entry name cannot contain a zero byte nor be longer than 255 bytes";
    case ArchiveError::NotFound: return "no entry of that name";
    case ArchiveError::DestinationIsArchive: return "refusing to write over the archive being read; it is unchanged";
    }
    return "unknown error";
}

rt::Failure<ArchiveError> archiveFailure(ArchiveError error, const std::string& systemReason) {
    return rt::fail(error, systemReason.empty() ? describe(error) : describe(error) + ": " + systemReason);
}

} // namespace package
