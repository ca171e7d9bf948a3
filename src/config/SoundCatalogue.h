#pragma once
// The sound events Windows knows for the current user, each an item of its
// own: technical names ("App\Event") and the labels the user picks from, two
// lists parallel by position, sorted by label.
#include "platform/Registry.h"

#include <string>
#include <vector>

namespace lv {

struct SoundCatalogue {
    std::vector<std::string> technicalNames;
    std::vector<std::string> labels;
};

constexpr const char* SoundAppsKey = "\\AppEvents\\Schemes\\Apps";
constexpr const char* SoundLabelsKey = "\\AppEvents\\EventLabels";

// Reads the catalogue from the registry (HKEY_CURRENT_USER) and sorts it.
SoundCatalogue buildSoundCatalogue(Registry& registry);

// The event key name of a technical name: what follows its last backslash or colon.
std::string eventKeyName(const std::string& technicalName);

// Exchange sort by label, byte by byte (capitals before small letters, a
// prefix before its longer labels); equal labels keep their order, and the
// technical names move with their labels.
void sortByLabel(SoundCatalogue& catalogue);

} // namespace lv
