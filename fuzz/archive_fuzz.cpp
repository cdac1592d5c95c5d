// Lists and extracts arbitrary bytes as an archive inside a scratch folder
// that also holds a sentinel file beside the extraction folder. Whatever the
// bytes, nothing may be written outside the extraction folder, the sentinel
// must never change, and every extracted file must hold a whole entry.
#include "Package/archive_ops.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kSentinelText = "sentinel: must never change";

struct Workspace {
    fs::path root, archive, sentinel, out;
};

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& p, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

Workspace& workspace() {
    static Workspace ws = [] {
        std::string pattern = (fs::temp_directory_path() / "vek-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        Workspace w{pattern, fs::path(pattern) / "in.set", fs::path(pattern) / "sentinel", fs::path(pattern) / "out"};
        fs::create_directory(w.out);
        std::ofstream(w.sentinel, std::ios::binary) << kSentinelText;
        std::atexit([] { std::error_code ec; fs::remove_all(workspace().root, ec); });
        return w;
    }();
    return ws;
}

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

void checkNothingEscaped(const Workspace& ws) {
    if (readAll(ws.sentinel) != kSentinelText) finding("the sentinel file changed");
    for (const auto& e : fs::directory_iterator(ws.root)) {
        if (e.path() != ws.archive && e.path() != ws.sentinel && e.path() != ws.out)
            finding("a file appeared outside the extraction folder: " + e.path().string());
    }
    for (const auto& e : fs::directory_iterator(ws.out)) {
        if (!e.is_regular_file()) finding("something other than a file in the extraction folder: " + e.path().string());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Workspace& ws = workspace();
    writeAll(ws.archive, data, size);

    std::vector<std::string> names;
    const bool listed = static_cast<bool>(package::listEntries(ws.archive.string(), [&](const std::string& n) { names.push_back(n); }));
    if (listed && size > 0 && names.empty()) finding("a non-empty archive listed fine with no entries");

    // Extract a few names one by one onto a file that already exists.
    const fs::path target = ws.out / "by-name";
    for (std::size_t i = 0; i < names.size() && i < 4; ++i) {
        std::ofstream(target, std::ios::binary | std::ios::trunc) << "before";
        if (!package::extractEntry(ws.archive.string(), names[i], target.string()) && readAll(target) != "before")
            finding("a failed extraction changed its destination");
    }
    fs::remove(target);

    package::extractAll(ws.archive.string(), ws.out.string(), [](const package::ExtractReport&) {});
    checkNothingEscaped(ws);

    std::error_code ec;
    for (const auto& e : fs::directory_iterator(ws.out, ec)) fs::remove_all(e.path(), ec);
    leakIfAsked();
    return 0;
}
