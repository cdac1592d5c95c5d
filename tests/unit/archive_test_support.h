#pragma once
// Scratch folders and whole-file helpers for the archive tests.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

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

} // namespace archive_test
