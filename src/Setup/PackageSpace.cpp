#include "Setup/PackageSpace.h"

#include "Package/archive_reader.h"
#include "Package/entry_name.h"
#include "Setup/SetupTexts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <vector>

namespace setup {

std::optional<std::int64_t> packageSpaceNeeded(platform::FileSystem& files, const std::string& packagePath) {
    package::ArchiveReader reader(files);
    if (!reader.open(packagePath)) return std::nullopt;
    std::vector<std::string> names;
    std::int64_t total = 0;
    for (;;) {
        package::ArchiveEntry entry;
        const auto step = reader.next(entry);
        if (step == package::ArchiveReader::Step::End) return total;
        if (step != package::ArchiveReader::Step::Entry) return std::nullopt;
        std::string name = package::lowerAscii(entry.name);
        if (std::find(names.begin(), names.end(), name) != names.end()) continue;
        names.push_back(std::move(name));
        total += entry.size;
    }
}

std::string describeBytes(std::uint64_t bytes, Rounding rounding) {
    if (bytes < 1024) return wizard::say(bytes == 1 ? texts::kOneByte : texts::kBytes, {std::to_string(bytes)});
    static constexpr std::array<const char*, 5> kUnits{"KB", "MB", "GB", "TB", "PB"};
    double value = static_cast<double>(bytes);
    for (std::size_t unit = 0; unit < kUnits.size(); ++unit) {
        value /= 1024;
        // Rounded to what is shown: one decimal below 100, whole numbers above.
        const double step = value < 100 ? 0.1 : 1;
        const double shown = (rounding == Rounding::Up ? std::ceil(value / step - 1e-9) : std::floor(value / step + 1e-9)) * step;
        if (shown >= 1024 && unit + 1 < kUnits.size()) continue;
        char text[32];
        std::snprintf(text, sizeof text, shown < 100 ? "%.1f %s" : "%.0f %s", shown, kUnits[unit]);
        // Romanian writes a decimal comma.
        if (char* point = std::strchr(text, '.'); point && wizard::language() == wizard::Language::Romanian) *point = ',';
        return text;
    }
    return {};  // not reached: the last unit always answers
}

} // namespace setup
