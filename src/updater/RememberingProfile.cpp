#include "updater/RememberingProfile.h"

#include "base/Text.h"

#include <algorithm>

namespace lv {

namespace {

// Section and key names ignore letter case, as the system's profile functions do.
bool sameName(const std::string& a, const std::string& b)
{
    return upperCaseAtoZ(a) == upperCaseAtoZ(b);
}

auto findKey(std::vector<std::pair<std::string, std::string>>& keys, const std::string& key)
{
    return std::find_if(keys.begin(), keys.end(), [&](const auto& entry) { return sameName(entry.first, key); });
}

} // namespace

bool RememberingProfile::isConfig(const std::string& path) const
{
    return sameName(path, configPath_);
}

RememberingProfile::Section* RememberingProfile::find(const std::string& section)
{
    const auto it = std::find_if(sections_.begin(), sections_.end(),
                                 [&](const Section& entry) { return sameName(entry.name, section); });
    return it == sections_.end() ? nullptr : &*it;
}

RememberingProfile::Section& RememberingProfile::remembered(const std::string& section)
{
    if (Section* found = find(section))
        return *found;
    return sections_.emplace_back(Section{section, false, {}});
}

void RememberingProfile::refuse(const WriteRefused& refusal)
{
    if (!refused_ && onFirstRefusal_)
        onFirstRefusal_(refusal);
    refused_ = true;
}

std::string RememberingProfile::readString(const std::string& path, const std::string& section,
                                           const std::string& key, const std::string& defaultValue)
{
    if (isConfig(path)) {
        if (Section* kept = find(section)) {
            const auto entry = findKey(kept->keys, key);
            if (entry != kept->keys.end())
                return entry->second;
            if (kept->erased)
                return defaultValue;
        }
    }
    return inner_.readString(path, section, key, defaultValue);
}

void RememberingProfile::writeString(const std::string& path, const std::string& section, const std::string& key,
                                     const std::string& value)
{
    if (!isConfig(path)) {
        inner_.writeString(path, section, key, value);
        return;
    }
    Section* kept = find(section);
    try {
        inner_.writeString(path, section, key, value);
        // What the file now holds needs no memory, unless the file still has
        // keys of a section that was erased in memory only.
        if (kept && !kept->erased) {
            const auto entry = findKey(kept->keys, key);
            if (entry != kept->keys.end())
                kept->keys.erase(entry);
            return;
        }
        if (!kept)
            return;
    } catch (const WriteRefused& refusal) {
        refuse(refusal);
    }
    Section& target = remembered(section);
    const auto entry = findKey(target.keys, key);
    if (entry != target.keys.end())
        entry->second = value;
    else
        target.keys.emplace_back(key, value);
}

std::vector<std::string> RememberingProfile::keyNames(const std::string& path, const std::string& section)
{
    Section* kept = isConfig(path) ? find(section) : nullptr;
    if (!kept)
        return inner_.keyNames(path, section);
    std::vector<std::string> names;
    if (!kept->erased)
        names = inner_.keyNames(path, section);
    for (const auto& [key, value] : kept->keys)
        if (std::none_of(names.begin(), names.end(), [&](const std::string& name) { return sameName(name, key); }))
            names.push_back(key);
    return names;
}

void RememberingProfile::eraseSection(const std::string& path, const std::string& section)
{
    if (!isConfig(path)) {
        inner_.eraseSection(path, section);
        return;
    }
    try {
        inner_.eraseSection(path, section);
        sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                       [&](const Section& entry) { return sameName(entry.name, section); }),
                        sections_.end());
    } catch (const WriteRefused& refusal) {
        refuse(refusal);
        Section& target = remembered(section);
        target.erased = true;
        target.keys.clear();
    }
}

} // namespace lv
