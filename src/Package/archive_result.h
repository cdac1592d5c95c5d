#pragma once
// Why an archive operation failed. The window's methods only say True or
// False; the packaging tool says which file and what is wrong.
#include "core/outcome.h"

#include <string>

namespace package {

enum class ArchiveError {
    None,
    CannotOpenArchive,      // missing, unreadable, or not a plain file
    CannotOpenSource,       // the file to add
    CannotWriteArchive,
    CannotWriteDestination, // the extracted file or its temporary
    CannotReadSource,
    UnterminatedName,       // no 0x00 within the name's 256-byte window
    UnterminatedSize,
    BadSize,                // not 1 to 10 plain digits, or above 2,147,483,647
    DataPastEnd,            // the entry's data runs past the end of the file
    TooLarge,               // would reach beyond byte 2,147,483,647
    BadName,                // a name the archive cannot hold (a 0x00 in it, or over 255 bytes)
    NotFound,
    DestinationIsArchive,   // extracting would write over the archive being read
};

std::string describe(ArchiveError error);

// The outcome of one archive operation: its value, or the kind of failure
// with a reason a person can read (the kind's description, then the
// system's words where it refused a file).
template <class T = void>
using ArchiveOutcome = rt::Outcome<T, ArchiveError>;

// A failure of that kind, its reason composed once for every caller.
rt::Failure<ArchiveError> archiveFailure(ArchiveError error, const std::string& systemReason = {});

} // namespace package
