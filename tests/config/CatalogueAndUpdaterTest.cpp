// The sound event catalogue read from the registry, the backup copy's life,
// and what the Control Center does with the Updater.
#include "config/ConfigBackup.h"
#include "config/SoundCatalogue.h"
#include "config/Updater.h"
#include "fakes/FakePlatform.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using lv::RegistryRoot;
using Strings = std::vector<std::string>;
constexpr auto HKCU = RegistryRoot::CurrentUser;

class SoundCatalogueTest : public testing::Test {
protected:
    lv::fakes::FakeRegistry registry;

    void event(const std::string& app, const std::string& event)
    {
        registry.createKey(HKCU, "\\AppEvents\\Schemes\\Apps\\" + app + "\\" + event);
    }
    void label(const std::string& event, const std::string& text)
    {
        registry.setString(HKCU, "\\AppEvents\\EventLabels\\" + event, "", text);
    }
};

TEST_F(SoundCatalogueTest, ListsEveryEventOfEveryApplicationSortedByLabel)
{
    event(".Default", "SystemExit");
    event(".Default", "SystemStart");
    event("Explorer", "EmptyRecycleBin");
    label("SystemExit", "Exit Windows");
    label("SystemStart", "Start Windows");
    label("EmptyRecycleBin", "Empty Recycle Bin");
    const auto c = lv::buildSoundCatalogue(registry);
    EXPECT_EQ(c.labels, (Strings{"Empty Recycle Bin", "Exit Windows", "Start Windows"}));
    EXPECT_EQ(c.technicalNames, (Strings{"Explorer\\EmptyRecycleBin", ".Default\\SystemExit", ".Default\\SystemStart"}));
}

TEST_F(SoundCatalogueTest, LabelsFallBackToTheKeyNameOrEmpty)
{
    event("App", "NoLabelKey");
    event("App", "NoDefaultValue");
    event("App", "NumberLabel");
    registry.createKey(HKCU, "\\AppEvents\\EventLabels\\NoDefaultValue");
    registry.setDword(HKCU, "\\AppEvents\\EventLabels\\NumberLabel", "", 7);
    const auto c = lv::buildSoundCatalogue(registry);
    // The empty label sorts first; a label that is not text is shown as the key name.
    EXPECT_EQ(c.labels, (Strings{"", "NoLabelKey", "NumberLabel"}));
    EXPECT_EQ(c.technicalNames, (Strings{"App\\NoDefaultValue", "App\\NoLabelKey", "App\\NumberLabel"}));
}

TEST_F(SoundCatalogueTest, SameLabelUnderTwoApplicationsAppearsTwiceInRegistryOrder)
{
    event("Beta", "Open");
    event("Alpha", "Open");
    label("Open", "Open program");
    const auto c = lv::buildSoundCatalogue(registry);
    EXPECT_EQ(c.labels, (Strings{"Open program", "Open program"}));
    const auto apps = registry.openKey(HKCU, "\\AppEvents\\Schemes\\Apps")->subkeyNames();
    EXPECT_EQ(c.technicalNames, (Strings{apps[0] + "\\Open", apps[1] + "\\Open"}));
}

TEST_F(SoundCatalogueTest, NoSchemesKeyGivesAnEmptyCatalogue)
{
    const auto c = lv::buildSoundCatalogue(registry);
    EXPECT_TRUE(c.labels.empty());
    EXPECT_TRUE(c.technicalNames.empty());
    EXPECT_FALSE(registry.keyExists(HKCU, "\\AppEvents\\Schemes\\Apps"));
}

class ConfigBackupTest : public testing::Test {
protected:
    lv::fakes::FakeFileSystem files;
    std::string config = "C:\\Program Files\\Lumivane\\lumivane3.ini";
    std::string backupPath = "C:\\Program Files\\Lumivane\\lumivanetemp.ini";
    lv::ConfigBackup backup{files, config, backupPath};
};

TEST_F(ConfigBackupTest, QuitPutsTheStartingFileBackByteForByte)
{
    const std::string original = "[Master]\r\nenable=1\r\n\r\n; kept as it was\r\n[Wallpaper]\r\n0=C:\\a.bmp\r\n";
    files.addFile(config, original);
    backup.takeAtStartup();
    files.addFile(config, "[Master]\r\nenable=0\r\n");
    backup.restore();
    EXPECT_EQ(files.fileText(config), original);
    EXPECT_FALSE(files.fileExists(backupPath));
}

TEST_F(ConfigBackupTest, NoFileAtStartMeansNothingToPutBack)
{
    backup.takeAtStartup();
    EXPECT_FALSE(files.fileExists(backupPath));
    files.addFile(config, "[scheduler]\r\npaper=1\r\n");
    backup.restore();
    EXPECT_EQ(files.fileText(config), "[scheduler]\r\npaper=1\r\n");
}

TEST_F(ConfigBackupTest, AFailedCopyAtStartDeletesAnOlderBackup)
{
    files.addFile(config, "now");
    // A read-only file is not replaced by CopyFile.
    files.addFile(backupPath, "from an earlier run", lv::FileAttr::ReadOnly);
    backup.takeAtStartup();
    EXPECT_FALSE(files.fileExists(backupPath));
    backup.restore();
    EXPECT_EQ(files.fileText(config), "now");
}

TEST_F(ConfigBackupTest, HiddenFilesAreReplacedBothWays)
{
    files.addFile(config, "now", lv::FileAttr::Hidden);
    files.addFile(backupPath, "from an earlier run", lv::FileAttr::Hidden);
    backup.takeAtStartup();
    EXPECT_EQ(files.fileText(backupPath), "now");
    files.addFile(config, "changed", lv::FileAttr::Hidden);
    backup.restore();
    EXPECT_EQ(files.fileText(config), "now");
    EXPECT_TRUE(*files.attributes(config) & lv::FileAttr::Hidden);
}

TEST_F(ConfigBackupTest, AFailedRestoreKeepsTheBackupAndSaysSo)
{
    files.addFile(config, "changed");
    files.addFile(backupPath, "original");
    files.setAttributes(config, lv::FileAttr::ReadOnly);
    EXPECT_THROW(backup.restore(), lv::Error);
    EXPECT_EQ(files.fileText(backupPath), "original");
    EXPECT_EQ(files.fileText(config), "changed");
}

TEST_F(ConfigBackupTest, SaveDiscardsTheBackup)
{
    files.addFile(backupPath, "x");
    backup.discard();
    EXPECT_FALSE(files.fileExists(backupPath));
    backup.discard();
}

TEST(UpdaterTest, RunValueIsWrittenAndRemovedOnlyWhenTheKeyExists)
{
    lv::fakes::FakeRegistry registry;
    const char* run = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    lv::registerUpdaterAtStartup(registry, "C:\\Lumivane\\");
    EXPECT_FALSE(registry.keyExists(RegistryRoot::LocalMachine, run));
    lv::unregisterUpdaterAtStartup(registry);

    registry.createKey(RegistryRoot::LocalMachine, run);
    lv::unregisterUpdaterAtStartup(registry); // no value yet: silent
    lv::registerUpdaterAtStartup(registry, "C:\\Lumivane\\");
    EXPECT_EQ(registry.stringValue(RegistryRoot::LocalMachine, run, "LumivaneUpdater"),
              std::optional<std::string>("C:\\Lumivane\\updater3.exe"));
    lv::unregisterUpdaterAtStartup(registry);
    EXPECT_EQ(registry.value(RegistryRoot::LocalMachine, run, "LumivaneUpdater"), std::nullopt);

    registry.denyWriteAccess(RegistryRoot::LocalMachine, run);
    lv::registerUpdaterAtStartup(registry, "C:\\Lumivane\\");
    EXPECT_EQ(registry.value(RegistryRoot::LocalMachine, run, "LumivaneUpdater"), std::nullopt);
}

TEST(UpdaterTest, StartAndCloseReachTheUpdater)
{
    lv::fakes::FakePlatform fx;
    EXPECT_EQ(lv::findRunningUpdater(fx.windows), 0u);
    fx.windows.addWindow("Tmainform", "Lumivane 3 Control Center");
    const auto updater = fx.windows.addWindow("Tmainform", "Lumivane 3 Updater");
    EXPECT_EQ(lv::findRunningUpdater(fx.windows), updater);
    lv::closeUpdater(fx.windows, updater);
    EXPECT_EQ(fx.windows.closed, (std::vector<lv::WindowHandle>{updater}));

    lv::startUpdater(fx.shell, "C:\\Lumivane\\");
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    const auto& call = fx.shell.shellExecuteCalls[0];
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.file, "C:\\Lumivane\\updater3.exe");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.showCommand, 1);
}

} // namespace
