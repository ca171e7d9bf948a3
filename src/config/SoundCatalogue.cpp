#include "config/SoundCatalogue.h"

#include "base/Error.h"
#include "base/Text.h"

#include <cstring>
#include <utility>

namespace lv {

namespace {

// Byte-wise comparison: the labels are ANSI text and must sort by their codes,
// not by a locale's rules.
bool labelGreater(const std::string& a, const std::string& b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    const int c = std::memcmp(a.data(), b.data(), common);
    return c > 0 || (c == 0 && a.size() > b.size());
}

std::string labelOf(Registry& registry, const std::string& technicalName)
{
    const std::string event = eventKeyName(technicalName);
    auto key = registry.openKey(RegistryRoot::CurrentUser, std::string(SoundLabelsKey) + "\\" + event);
    if (!key)
        return event;
    try {
        return key->readString("");
    } catch (const Error&) {
        // A default value that is not text names nothing; the event's own
        // key name is the best label there is.
        return event;
    }
}

} // namespace

std::string eventKeyName(const std::string& technicalName)
{
    return fileNameOnly(technicalName);
}

void sortByLabel(SoundCatalogue& catalogue)
{
    auto& labels = catalogue.labels;
    auto& names = catalogue.technicalNames;
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < labels.size(); ++i) {
            if (labelGreater(labels[i], labels[i + 1])) {
                std::swap(labels[i], labels[i + 1]);
                std::swap(names[i], names[i + 1]);
                swapped = true;
            }
        }
    }
}

SoundCatalogue buildSoundCatalogue(Registry& registry)
{
    SoundCatalogue catalogue;
    auto apps = registry.openKey(RegistryRoot::CurrentUser, SoundAppsKey);
    if (!apps)
        return catalogue;
    for (const std::string& app : apps->subkeyNames()) {
        auto appKey = registry.openKey(RegistryRoot::CurrentUser, std::string(SoundAppsKey) + "\\" + app);
        if (!appKey)
            continue;
        for (const std::string& event : appKey->subkeyNames())
            catalogue.technicalNames.push_back(app + "\\" + event);
    }
    catalogue.labels.reserve(catalogue.technicalNames.size());
    for (const std::string& name : catalogue.technicalNames)
        catalogue.labels.push_back(labelOf(registry, name));
    sortByLabel(catalogue);
    return catalogue;
}

} // namespace lv
