#include "Setup/PackageSpace.h"

#include "Package/archive_reader.h"
#include "Package/entry_name.h"
#include "Setup/SetupTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace setup {

std::optional<std::int64_t> packageSpaceNeeded(platform::FileSystem& files, const std::string& packagePath) {
    package::ArchiveReader reader(files);
    if (!reader.open(packagePath)) return std::nullopt;
    std::vector<std::string> names;  // sorted, to find a repeated name quickly
    std::int64_t total = 0;
    for (;;) {
        package::ArchiveEntry entry;
        const auto step = reader.next(entry);
        if (step == package::ArchiveReader::Step::End) return total;
        if (step != package::ArchiveReader::Step::Entry) return std::nullopt;
        std::string name = package::lowerAscii(entry.name);
        const auto place = std::lower_bound(names.begin(), names.end(), name);
        if (place != names.end() && *place == name) continue;
        names.insert(place, std::move(name));
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
        // Written out by hand rather than by printf, which would add its
        // formatting code to Setup for this one line. Romanian writes a
        // decimal comma.
        if (shown >= 100) return std::to_string(std::llround(shown)) + " " + kUnits[unit];
        const long long tenths = std::llround(shown * 10);
        const char point = wizard::language() == wizard::Language::Romanian ? ',' : '.';
        return std::to_string(tenths / 10) + point + std::to_string(tenths % 10) + " " + kUnits[unit];
    }
    return {};  // not reached: the last unit always answers
}

} // namespace setup
