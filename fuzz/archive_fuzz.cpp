// Lists and extracts arbitrary bytes as an archive on the in-memory file
// layer, in a folder that also holds a sentinel file beside the extraction
// folder. Whatever the bytes, nothing may be written outside the extraction
// folder, the archive and the sentinel must never change, no folder may be
// made, and a failed extraction must leave its destination as it was.
#include "Package/archive_ops.h"
#include "memory_files.h"
#include "platform/paths.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kRoot = "C:\\fuzz";
const std::string kArchive = platform::joinPath(kRoot, "in.set");
const std::string kSentinel = platform::joinPath(kRoot, "sentinel");
const std::string kOut = platform::joinPath(kRoot, "out");
const std::string kSentinelText = "sentinel: must never change";

// LUMETRA_FUZZ_LEAK_MB=N: keep N MB after every run, as a leak would, to show
// that the fuzzing limits catch one.
void leakIfAsked() {
    static const long perRun = [] {
        const char* mb = std::getenv("LUMETRA_FUZZ_LEAK_MB");
        return mb ? std::atol(mb) : 0L;
    }();
    static std::vector<std::unique_ptr<char[]>> kept;
    for (long i = 0; i < perRun; ++i) {
        kept.push_back(std::make_unique<char[]>(1'000'000));
        std::memset(kept.back().get(), 1, 1'000'000);
    }
}

[[noreturn]] void finding(const std::string& what) {
    std::fprintf(stderr, "archive_fuzz: %s\n", what.c_str());
    std::abort();
}

void checkNothingEscaped(const fakes::MemoryFiles& files, const std::string& archive) {
    if (files.files.at(kArchive) != archive) finding("the archive changed");
    if (files.files.at(kSentinel) != kSentinelText) finding("the sentinel file changed");
    for (const auto& [path, bytes] : files.files) {
        if (path != kArchive && path != kSentinel && platform::parentFolder(path) != kOut)
            finding("a file appeared outside the extraction folder: " + path);
    }
    if (files.folders != std::set<std::string>{kRoot, kOut}) finding("a folder was made");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string archive(reinterpret_cast<const char*>(data), size);
    fakes::MemoryFiles files;
    files.folders = {kRoot, kOut};
    files.files[kArchive] = archive;
    files.files[kSentinel] = kSentinelText;

    std::vector<std::string> names;
    const bool listed =
        static_cast<bool>(package::listEntries(files, kArchive, [&](const std::string& n) { names.push_back(n); }));
    if (listed && size > 0 && names.empty()) finding("a non-empty archive listed fine with no entries");

    // Extract a few names one by one onto a file that already exists.
    const std::string target = platform::joinPath(kOut, "by-name");
    for (std::size_t i = 0; i < names.size() && i < 4; ++i) {
        files.files[target] = "before";
        if (!package::extractEntry(files, kArchive, names[i], target) && files.files[target] != "before")
            finding("a failed extraction changed its destination");
    }
    files.files.erase(target);

    package::extractAll(files, kArchive, kOut, [](const package::ExtractReport&) {});
    checkNothingEscaped(files, archive);
    leakIfAsked();
    return 0;
}
