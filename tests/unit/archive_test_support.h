#pragma once
// Scratch folders and whole-file helpers for the archive tests.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <set>
#include <string>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace archive_test {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vek-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool exists(const std::string& path) { return std::filesystem::exists(path); }

// Bytes that differ from position to position, so a misplaced chunk shows.
inline std::string patternBytes(std::size_t n, unsigned seed = 7) {
    std::string s(n, '\0');
    unsigned x = seed;
    for (auto& c : s) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return s;
}

// The smallest bytes the installer takes for a Windows program: "MZ", the
// PE signature at offset 0x40 as the MZ header's field at 0x3C says, and a
// pattern around them.
inline std::string programBytes(std::size_t n, unsigned seed = 7) {
    std::string s = patternBytes(std::max<std::size_t>(n, 0x44), seed);
    s.replace(0, 2, "MZ");
    s.replace(0x3C, 4, std::string("\x40\0\0\0", 4));
    s.replace(0x40, 4, std::string("PE\0\0", 4));
    return s;
}

// One entry exactly as the archive holds it.
inline std::string entryBytes(const std::string& name, const std::string& data) {
    return name + '\0' + std::to_string(data.size()) + '\0' + data;
}

// The folder's files, names only, sorted.
inline std::string listFolder(const std::string& folder) {
    std::string names;
    std::set<std::string> sorted;
    for (auto& e : std::filesystem::directory_iterator(folder)) sorted.insert(e.path().filename().string());
    for (auto& n : sorted) names += n + ";";
    return names;
}

// Runs `body` on a thread of its own; when it has not returned within a
// generous limit the whole test program ends with a message, so a hang fails
// instead of stalling the suite.
template <class Body>
auto finishesWithoutHanging(const char* what, Body body) {
    auto result = std::async(std::launch::async, body);
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        std::fprintf(stderr, "hang: %s did not return\n", what);
        std::_Exit(1);
    }
    return result.get();
}

// For its lifetime the test obeys file permissions even when run as root,
// which would otherwise write anywhere: the two capabilities that override
// them leave the effective set (they stay permitted and come back after).
class ObeyingFilePermissions {
public:
    ObeyingFilePermissions() {
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~ObeyingFilePermissions() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
    }
    ObeyingFilePermissions(const ObeyingFilePermissions&) = delete;
    ObeyingFilePermissions& operator=(const ObeyingFilePermissions&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

} // namespace archive_test
