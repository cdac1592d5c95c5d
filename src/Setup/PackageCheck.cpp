#include "Setup/PackageCheck.h"

#include "Package/archive_reader.h"
#include "Package/entry_name.h"
#include "Setup/SetupTexts.h"
#include "Setup/WindowsProgram.h"

#include <algorithm>
#include <utility>

namespace setup {

rt::Outcome<> packageInstallable(platform::FileSystem& files, const std::string& packagePath,
                                 const std::vector<std::string>& programs) {
    // Each program's first entry, once seen: whether it is a program, or why not.
    struct Program {
        bool seen = false;
        rt::Outcome<> checked;
    };
    std::vector<std::pair<std::string, Program>> found;
    for (const std::string& name : programs) found.push_back({package::lowerAscii(name), {}});
    const auto programNamed = [&](const std::string& name) {
        return std::find_if(found.begin(), found.end(), [&](const auto& p) { return p.first == package::lowerAscii(name); });
    };

    package::ArchiveReader reader(files);
    if (!reader.open(packagePath)) return rt::fail(wizard::say(texts::kPackageUnopened, {packagePath}));
    for (;;) {
        package::ArchiveEntry entry;
        const auto step = reader.next(entry);
        if (step == package::ArchiveReader::Step::End) break;
        if (step != package::ArchiveReader::Step::Entry)
            return rt::fail(wizard::say(texts::kPackageUnread, {packagePath, package::describe(reader.error())}));
        const auto wanted = programNamed(entry.name);
        if (wanted == found.end() || wanted->second.seen) continue;
        wanted->second.seen = true;
        wanted->second.checked = checkWindowsProgram(entry.size, [&](std::int64_t offset, void* buffer, std::size_t n) {
            return reader.readData(entry, offset, buffer, n);
        });
    }
    for (const std::string& name : programs) {
        const Program& program = programNamed(name)->second;
        if (!program.seen) return rt::fail(wizard::say(texts::kPackageLacks, {packagePath, name}));
        if (!program.checked)
            return rt::fail(wizard::say(texts::kNotAProgram, {name, packagePath, program.checked.reason()}));
    }
    return {};
}

} // namespace setup
