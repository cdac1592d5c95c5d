#include "UninstallEntry/UninstallEntry.h"

#include "Product.h"
#include "platform/paths.h"

#include <algorithm>
#include <utility>

namespace entry {

namespace {

using platform::RegistryRoot;

// Windows shows the size in the list of programs; it counts in KB, so a
// file of a few bytes still counts as one.
std::uint32_t kilobytes(std::uint64_t bytes) {
    const std::uint64_t kb = (bytes + 1023) / 1024;
    return kb > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(kb);
}

} // namespace

std::string uninstallKey(const std::string& name) { return std::string(product::kUninstallKeyParent) + name; }

std::vector<EntryValue> uninstallEntryValues(const InstalledProduct& installed) {
    const std::string uninstaller = quotedCommand(platform::joinPath(installed.folder, product::kUninstaller));
    const std::string program = platform::joinPath(installed.folder, installed.name + ".exe");
    return {
        {"DisplayName", installed.name},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /VERYSILENT"},
        {"DisplayIcon", quotedCommand(program) + ",0"},
        {"DisplayVersion", std::string(product::kVersion)},
        {"Publisher", std::string(product::kPublisher)},
        {"InstallLocation", installed.folder},
        {"URLInfoAbout", std::string(product::WebSite::kEnglishPage)},
        {"EstimatedSize", kilobytes(installed.bytesWritten)},
        // There is nothing to change or repair: Setup again does either.
        {"NoModify", std::uint32_t{1}},
        {"NoRepair", std::uint32_t{1}},
    };
}

std::uint64_t bytesOfFiles(platform::FileSystem& files, const std::vector<std::string>& paths) {
    std::uint64_t total = 0;
    for (const std::string& path : paths)
        if (const platform::OpenedFile opened = files.openFile(path, platform::OpenMode::Read))
            total += static_cast<std::uint64_t>(std::max<std::int64_t>((*opened)->size(), 0));
    return total;
}

rt::Outcome<> AddUninstallEntry(platform::Registry& registry, const std::string& name,
                                const std::vector<EntryValue>& values, RegistryRoot hive) {
    const std::string key = uninstallKey(name);
    rt::Outcome<> all;
    for (const EntryValue& value : values)
        if (rt::Outcome<> written = writeValue(registry, key, value, hive); !written && all) all = std::move(written);
    return all;
}

rt::Outcome<> SetRegistryString(platform::Registry& registry, platform::RegistryRoot root, const std::string& key,
                                const std::string& valueName, const std::string& data) {
    return registry.setString(root, key, valueName, data);
}

rt::Outcome<> writeValue(platform::Registry& registry, const std::string& key, const EntryValue& value,
                         RegistryRoot hive) {
    if (const auto* text = std::get_if<std::string>(&value.data))
        return SetRegistryString(registry, hive, key, value.name, *text);
    return registry.setDword(hive, key, value.name, std::get<std::uint32_t>(value.data));
}

const char* hiveName(RegistryRoot hive) {
    return hive == RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::string rootAndView(const platform::Registry& registry, RegistryRoot hive) {
    const std::string view = hive == RegistryRoot::LocalMachine ? registry.viewName() : std::string();
    return view.empty() ? hiveName(hive) : std::string(hiveName(hive)) + ", " + view;
}

std::vector<PriorValue> currentValues(platform::Registry& registry, const std::string& key,
                                      const std::vector<EntryValue>& like, RegistryRoot hive) {
    std::vector<PriorValue> values;
    for (const EntryValue& value : like) {
        PriorValue prior{value.name, std::nullopt};
        if (std::holds_alternative<std::string>(value.data)) {
            if (auto text = registry.readString(hive, key, value.name)) prior.data = *text;
        } else if (auto number = registry.readDword(hive, key, value.name)) {
            prior.data = *number;
        }
        values.push_back(std::move(prior));
    }
    return values;
}

std::string quotedCommand(const std::string& path) { return "\"" + path + "\""; }

} // namespace entry
