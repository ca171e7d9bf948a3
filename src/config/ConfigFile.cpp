#include "config/ConfigFile.h"

#include <utility>

namespace lv {

namespace {

std::string settingsSection(const std::string& item) { return item + "cfg"; }

} // namespace

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
    settings.mode = readInteger(settingsSection(item), "mode", ModeDisabled);
    settings.next = readInteger(settingsSection(item), "next", 1);
    return settings;
}

void ConfigFile::writeItem(const std::string& item, int mode, int next, const std::vector<std::string>& files,
                           const std::vector<std::string>& displayModes)
{
    const std::string cfg = settingsSection(item);
    eraseSection(item);
    eraseSection(cfg);
    writeInteger(cfg, "mode", mode);
    writeInteger(cfg, "next", next);
    const bool wallpaper = item == WallpaperItem;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string key = std::to_string(i);
        writeString(item, key, files[i]);
        if (wallpaper)
            writeString(cfg, key, i < displayModes.size() ? displayModes[i] : "0");
    }
}

std::vector<std::string> ConfigFile::readDisplayModes()
{
    const std::size_t count = keyNames(WallpaperItem).size();
    std::vector<std::string> modes;
    modes.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        modes.push_back(readString(settingsSection(WallpaperItem), std::to_string(i), "0"));
    return modes;
}

std::optional<std::string> ConfigFile::readThemeFlags(const std::string& themeFileName)
{
    std::string flags = readString(ThemeOptionsSection, themeFileName, "11111111");
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
    o.enable = config.readBool(MasterSection, "enable", true);
    o.deletenon = config.readBool(MasterSection, "deletenon", true);
    o.runupd = config.readBool(MasterSection, "runupd", true);
    o.alwaystray = config.readBool(MasterSection, "alwaystray", false);
    o.dragndrop = config.readInteger(MasterSection, "dragndrop", 0);
    o.folderadd = config.readInteger(MasterSection, "folderadd", 0);
    o.autopaper = config.readBool(MasterSection, "autopaper", true);
    o.preview = config.readBool(MasterSection, "preview", true);
    o.nodupes = config.readBool(MasterSection, "nodupes", true);
    o.scrchange = config.readBool(MasterSection, "scrchange", false);
    return o;
}

void writeMasterOptions(ConfigFile& config, const MasterOptions& o)
{
    config.writeBool(MasterSection, "enable", o.enable);
    config.writeBool(MasterSection, "deletenon", o.deletenon);
    config.writeBool(MasterSection, "runupd", o.runupd);
    config.writeBool(MasterSection, "alwaystray", o.alwaystray);
    config.writeBool(MasterSection, "autopaper", o.autopaper);
    config.writeBool(MasterSection, "preview", o.preview);
    config.writeBool(MasterSection, "nodupes", o.nodupes);
    config.writeBool(MasterSection, "scrchange", o.scrchange);
    config.writeInteger(MasterSection, "dragndrop", o.dragndrop);
    config.writeInteger(MasterSection, "folderadd", o.folderadd);
}

} // namespace lv
