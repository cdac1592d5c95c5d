#include "Setup/TakeBack.h"

#include "Setup/SetupTexts.h"

#include <utility>

namespace setup {

namespace {
constexpr std::size_t kItemsNamed = 3;
} // namespace

std::string describeList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < kItemsNamed; ++i) text += (i ? ", " : "") + items[i];
    if (items.size() > kItemsNamed) text = wizard::say(texts::kListAndMore, {text, std::to_string(items.size() - kItemsNamed)});
    return text;
}

void TakeBack::madeFolders(std::vector<std::string> outermostFirst) { folders_ = std::move(outermostFirst); }

void TakeBack::willCreate(std::string path) { created_.push_back(std::move(path)); }

void TakeBack::willWriteRecord(std::string path, std::optional<std::string> before) {
    recordPath_ = std::move(path);
    recordBefore_ = std::move(before);
}

void TakeBack::willWriteEntry(platform::Registry& registry, platform::RegistryRoot hive, std::string key,
                              std::vector<entry::EntryValue> values) {
    entryHive_ = hive;
    entryBefore_ = entry::currentValues(registry, key, values, hive);
    entryKey_ = std::move(key);
    entryValues_ = std::move(values);
}

void TakeBack::keep() { *this = TakeBack(); }

// An earlier installation's entry gets its values back (a value it did not
// have goes), a new one goes; an entry the registry never let this run
// change needs nothing. Every value is tried; a failure gives the first reason.
rt::Outcome<> TakeBack::entryTakenBack(platform::Registry& registry) const {
    const std::vector<entry::PriorValue> now = entry::currentValues(registry, *entryKey_, entryValues_, entryHive_);
    bool unchanged = true, hadAny = false;
    for (std::size_t i = 0; i < now.size(); ++i) {
        unchanged = unchanged && now[i].data == entryBefore_[i].data;
        hadAny = hadAny || entryBefore_[i].data.has_value();
    }
    if (unchanged) return {};
    if (!hadAny) {
        const rt::Outcome<platform::KeyGone> gone = registry.deleteKey(entryHive_, *entryKey_);
        if (!gone) return gone.failure();
        return {};
    }
    rt::Outcome<> restored;
    for (const entry::PriorValue& prior : entryBefore_) {
        rt::Outcome<> put = prior.data ? entry::writeValue(registry, *entryKey_, {prior.name, *prior.data}, entryHive_)
                                       : registry.deleteValue(entryHive_, *entryKey_, prior.name);
        if (!put && restored) restored = std::move(put);
    }
    return restored;
}

std::vector<std::string> TakeBack::takeBack(platform::FileSystem& files, platform::Registry& registry) {
    std::vector<std::string> stayed;
    if (entryKey_ && !entryTakenBack(registry)) stayed.push_back(wizard::say(texts::kTheEntry));
    if (recordPath_) {
        const bool restored = recordBefore_ ? platform::writeWholeFile(files, *recordPath_, *recordBefore_).ok()
                                            : files.deleteFile(*recordPath_).ok();
        if (!restored) stayed.push_back(*recordPath_);
    }
    for (const std::string& file : created_)
        if (!files.deleteFile(file)) stayed.push_back(file);
    // Innermost first; a folder that stays keeps every folder above it.
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
        if (files.removeEmptyFolder(*folder)) continue;
        stayed.push_back(*folder);
        break;
    }
    keep();
    return stayed;
}

} // namespace setup
