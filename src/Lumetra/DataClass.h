#pragma once
// Moves text lines between a file and a list. The list is anything with
// AddItem(text), ListCount() and List(index) (the window's ListBox fits).
//
// Loading: a line ends at CR, at CR LF, or at a bare LF (files edited by hand
// elsewhere); spaces at a line's end are removed, those at its start kept;
// the lines are appended after what the list holds. A file that cannot be
// read, or an empty path, adds nothing; the first error leaves. Only the
// settings pass through here and start-up uses their first five lines, so
// loading stops after those and never reads past the first 64 KB: a damaged
// or huge file opens the window as fast as a good one.
//
// Saving: each item followed by CR LF, written to a temporary file beside the
// target and renamed over it, so the old file survives any failure. Failures
// never escape; the result says whether the file now holds the items.
#include "core/errors.h"
#include "platform/files.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// The lines a settings file holds and the bytes of it that are ever read.
inline constexpr std::size_t kSettingsLinesRead = 5;
inline constexpr std::size_t kSettingsBytesRead = 64 * 1024;

// The first `mostLines` lines of a settings text as loading reads them.
std::vector<std::string> splitSettingsLines(std::string_view text, std::size_t mostLines = kSettingsLinesRead);

// The start of the file that loading reads: at most kSettingsBytesRead
// bytes, ending after the last whole line when the file goes on beyond them
// (a line cut in two could read as another number). Nothing when the file
// cannot be opened or read.
std::optional<std::string> readSettingsText(platform::FileSystem& files, const std::string& path);

class DataClass {
public:
    explicit DataClass(platform::FileSystem& files) : files_(files) {}

    template <class List>
    void IncarcaData(const std::string& TheFile, List& TheListBox) {
        rt::leaveAtFirstError([&] {
            if (TheFile.empty()) return;
            const auto text = readSettingsText(files_, TheFile);
            if (!text) rt::raise(rt::FileNotFound, TheFile);
            for (auto& line : splitSettingsLines(*text)) TheListBox.AddItem(std::move(line));
        });
    }

    template <class List>
    bool SalveazaData(const std::string& TheFile, const List& TheListBox) {
        std::string bytes;
        rt::ResumeNext steps;
        int count = 0;
        steps([&] { count = TheListBox.ListCount(); });
        for (int i = 0; i < count; ++i) {
            steps([&] {
                bytes += TheListBox.List(i);
                bytes += "\r\n";
            });
        }
        if (TheFile.empty()) return false;
        return platform::writeWholeFile(files_, TheFile, bytes).ok();
    }

private:
    platform::FileSystem& files_;
};

} // namespace lumetra
