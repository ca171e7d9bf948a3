#include "config/ConfigFile.h"

#include <utility>

namespace lv {

ConfigFile::ConfigFile(ProfileFile& profile, std::string path) : profile_(profile), path_(std::move(path)) {}

std::string ConfigFile::readString(const std::string& section, const std::string& key, const std::string& def)
{
    return profile_.readString(path_, section, key, def);
}

std::int32_t ConfigFile::readInteger(const std::string& section, const std::string& key, std::int32_t def)
{
    return profile_.readInteger(path_, section, key, def);
}

bool ConfigFile::readBool(const std::string& section, const std::string& key, bool def)
{
    return profile_.readBool(path_, section, key, def);
}

void ConfigFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    profile_.writeString(path_, section, key, value);
}

void ConfigFile::writeInteger(const std::string& section, const std::string& key, std::int32_t value)
{
    profile_.writeInteger(path_, section, key, value);
}

void ConfigFile::writeBool(const std::string& section, const std::string& key, bool value)
{
    profile_.writeBool(path_, section, key, value);
}

std::vector<std::string> ConfigFile::keyNames(const std::string& section)
{
    return profile_.keyNames(path_, section);
}

void ConfigFile::eraseSection(const std::string& section)
{
    profile_.eraseSection(path_, section);
}

ItemSettings ConfigFile::readItem(const std::string& item)
{
    ItemSettings settings;
    // The count comes from the key names, the entries from the numbers: a
    // hand-edited gap gives an empty entry, as the Updater reads it too.
    const std::size_t count = keyNames(item).size();
    settings.files.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        settings.files.push_back(readString(item, std::to_string(i), ""));
    settings.mode = readInteger(itemSettingsSection(item), ItemModeKey, ModeDisabled);
    settings.next = readInteger(itemSettingsSection(item), ItemNextKey, DefaultNext);
    return settings;
}

void ConfigFile::writeItem(const std::string& item, int mode, int next, const std::vector<std::string>& files,
                           const std::vector<std::string>& displayModes)
{
    const std::string cfg = itemSettingsSection(item);
    eraseSection(item);
    eraseSection(cfg);
    writeInteger(cfg, ItemModeKey, mode);
    writeInteger(cfg, ItemNextKey, next);
    const bool wallpaper = item == WallpaperItem;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string key = std::to_string(i);
        writeString(item, key, files[i]);
        if (wallpaper)
            writeString(cfg, key, i < displayModes.size() ? displayModes[i] : DefaultDisplayMode);
    }
}

std::vector<std::string> ConfigFile::readDisplayModes()
{
    const std::size_t count = keyNames(WallpaperItem).size();
    std::vector<std::string> modes;
    modes.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        modes.push_back(readString(itemSettingsSection(WallpaperItem), std::to_string(i), DefaultDisplayMode));
    return modes;
}

std::optional<std::string> ConfigFile::readThemeFlags(const std::string& themeFileName)
{
    std::string flags = readString(ThemeOptionsSection, themeFileName, AllThemeParts);
    if (flags.size() != 8)
        return std::nullopt;
    return flags;
}

void ConfigFile::writeThemeFlags(const std::string& themeFileName, const std::string& flags)
{
    writeString(ThemeOptionsSection, themeFileName, flags);
}

MasterOptions readMasterOptions(ConfigFile& config)
{
    MasterOptions o;
    for (const MasterBooleanKey& key : MasterBooleanKeys)
        o.*key.option = config.readBool(MasterSection, key.key, key.missing);
    for (const MasterIntegerKey& key : MasterIntegerKeys)
        o.*key.option = config.readInteger(MasterSection, key.key, key.missing);
    return o;
}

void writeMasterOptions(ConfigFile& config, const MasterOptions& o)
{
    for (const MasterBooleanKey& key : MasterBooleanKeys)
        config.writeBool(MasterSection, key.key, o.*key.option);
    for (const MasterIntegerKey& key : MasterIntegerKeys)
        config.writeInteger(MasterSection, key.key, o.*key.option);
}

} // namespace lv
