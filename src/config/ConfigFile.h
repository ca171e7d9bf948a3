#pragma once
// The configuration file "lumivane3.ini" shared with the Updater: item lists,
// item settings and the program's options. Every read and write goes straight
// to the file; nothing is cached.
#include "config/ConfigSchema.h"
#include "platform/ProfileFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lv {

// An item's cycle list with its settings, as read from the file.
struct ItemSettings {
    std::vector<std::string> files;
    int mode = ModeDisabled;
    int next = DefaultNext;
};

class ConfigFile {
public:
    ConfigFile(ProfileFile& profile, std::string path);

    const std::string& path() const { return path_; }

    std::string readString(const std::string& section, const std::string& key, const std::string& def = "");
    std::int32_t readInteger(const std::string& section, const std::string& key, std::int32_t def);
    bool readBool(const std::string& section, const std::string& key, bool def);
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, std::int32_t value);
    void writeBool(const std::string& section, const std::string& key, bool value);
    std::vector<std::string> keyNames(const std::string& section);
    void eraseSection(const std::string& section);

    // Reads the list section N (as many entries as N has keys, read as keys
    // "0".."n-1") and "mode"/"next" of Ncfg.
    ItemSettings readItem(const std::string& item);
    // Erases N and Ncfg, then writes mode, next and each path in list order;
    // for "Wallpaper" each path's display mode follows it under the same
    // number in "Wallpapercfg" (a missing display mode is written as "0").
    void writeItem(const std::string& item, int mode, int next, const std::vector<std::string>& files,
                   const std::vector<std::string>& displayModes = {});
    // The display modes parallel to the Wallpaper list, "0" where missing.
    std::vector<std::string> readDisplayModes();

    // The eight part flags of a theme file (keyed by its name without folder):
    // "11111111" when missing; nullopt when the stored text is not eight
    // characters long (such a value is ignored).
    std::optional<std::string> readThemeFlags(const std::string& themeFileName);
    void writeThemeFlags(const std::string& themeFileName, const std::string& flags);

private:
    ProfileFile& profile_;
    std::string path_;
};

// Reads "Master" over the given options: a key that is missing gives its
// missing-key default, not the first-run state.
MasterOptions readMasterOptions(ConfigFile& config);
// Writes "Master" in the order the Updater's file has always had: the
// Booleans, then "dragndrop" and "folderadd".
void writeMasterOptions(ConfigFile& config, const MasterOptions& options);

} // namespace lv
