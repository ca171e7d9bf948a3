// Restoring the logos and sounds Windows had, and the wave player's buttons.
#include "desktop/DesktopTestSupport.h"
#include "desktop/Logos.h"
#include "desktop/Sounds.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using lv::FileAttr::Hidden;
using lv::FileAttr::ReadOnly;
using lv::FileAttr::System;
using lv::PlayerMode;
using lv::RegistryRoot;
using lv::test::Strings;

constexpr std::uint32_t Protection = ReadOnly | Hidden | System;

class LogoTest : public testing::Test, protected lv::test::DesktopFixture {
protected:
    lv::LogoPaths logos = lv::makeLogoPaths(paths.windowsDirectory, paths.programDirectory);

    void restore(bool answer)
    {
        fx.dialogs.confirmAnswers = {answer};
        lv::restoreLogos(fx.files, fx.dialogs, logos);
        EXPECT_EQ(fx.dialogs.confirmations.back(), "Restore all Windows Logos?");
    }
    std::uint32_t protection(const std::string& path) { return *fx.files.attributes(path) & Protection; }
};

TEST_F(LogoTest, RestoreAnsweredNoChangesNoFile)
{
    fx.files.addFile(logos.startupBackup, "original");
    fx.files.addFile(logos.startupLogo, "cycled", Hidden);
    restore(false);
    EXPECT_EQ(fx.files.fileText(logos.startupLogo), "cycled");
}

TEST_F(LogoTest, RestorePutsEveryBackupBackAndKeepsTheBackups)
{
    fx.files.addFile("C:\\logo.sys", "start", Protection);
    fx.files.addFile("C:\\windows\\logow.sys", "wait", Hidden);
    fx.files.addFile("C:\\windows\\logos.sys", "off");
    lv::backUpLogosOnFirstRun(fx.files, logos);
    fx.files.addFile("C:\\logo.sys", "cycled start", ReadOnly | System);
    fx.files.addFile("C:\\windows\\logow.sys", "cycled wait", Hidden);
    fx.files.addFile("C:\\windows\\logos.sys", "cycled off");

    restore(true);
    EXPECT_EQ(fx.files.fileText("C:\\logo.sys"), "start");
    EXPECT_EQ(protection("C:\\logo.sys"), Hidden); // replaced although read-only and system
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logow.sys"), "wait"); // and although hidden, which it stays
    EXPECT_EQ(protection("C:\\windows\\logow.sys"), Hidden);
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logos.sys"), "off");
    EXPECT_EQ(fx.files.fileText(logos.startupBackup), "start");
    EXPECT_EQ(protection(logos.startupBackup), 0u);
}

TEST_F(LogoTest, LogosMissingOnTheFirstRunAreRecordedOnceAndRemovedByRestore)
{
    lv::backUpLogosOnFirstRun(fx.files, logos);
    // The Updater puts logos in place; a later start takes no backup of them.
    fx.files.addFile("C:\\logo.sys", "Lumivane's", ReadOnly | Hidden);
    fx.files.addFile("C:\\windows\\logow.sys", "Lumivane's");
    fx.files.addFile("C:\\windows\\logos.sys", "Lumivane's");
    lv::backUpLogosOnFirstRun(fx.files, logos);
    for (const std::string& backup : {logos.startupBackup, logos.shutdownBackup1, logos.shutdownBackup2})
        EXPECT_EQ(fx.files.fileText(backup), "") << backup;
    restore(true);
    for (const char* logo : {"C:\\logo.sys", "C:\\windows\\logow.sys", "C:\\windows\\logos.sys"})
        EXPECT_FALSE(fx.files.fileExists(logo)) << logo;
}

TEST_F(LogoTest, SystemWithoutStartupLogoGetsItsStartupLogoRemovedAgain)
{
    fx.files.addFile("C:\\windows\\logow.sys", "wait");
    fx.files.addFile("C:\\windows\\logos.sys", "off");
    lv::backUpLogosOnFirstRun(fx.files, logos);
    EXPECT_EQ(fx.files.fileText(logos.startupBackup), "");
    EXPECT_TRUE(fx.files.fileExists(logos.shutdownBackup1));

    fx.files.addFile("C:\\logo.sys", "written by the Updater", ReadOnly | Hidden);
    restore(true);
    EXPECT_FALSE(fx.files.fileExists("C:\\logo.sys"));
}

TEST_F(LogoTest, MissingShutdownBackupsLeaveTheirFiles)
{
    fx.files.addFile(logos.startupBackup, "start");
    fx.files.addFile("C:\\windows\\logow.sys", "cycled wait");
    restore(true);
    EXPECT_EQ(fx.files.fileText("C:\\logo.sys"), "start");
    EXPECT_EQ(protection("C:\\logo.sys"), Hidden);
    EXPECT_EQ(fx.files.fileText("C:\\windows\\logow.sys"), "cycled wait");
    EXPECT_FALSE(fx.files.fileExists("C:\\windows\\logos.sys"));
}

// --- Restore Sounds ---

const std::string Apps = "\\AppEvents\\Schemes\\Apps\\";

class SoundRestoreTest : public testing::Test, protected lv::test::DesktopFixture {
protected:
    void event(const std::string& name, const char* defaultSound, const char* currentSound)
    {
        if (defaultSound) fx.registry.setString(RegistryRoot::CurrentUser, Apps + name + "\\.Default", "", defaultSound);
        if (currentSound) fx.registry.setString(RegistryRoot::CurrentUser, Apps + name + "\\.Current", "", currentSound);
    }
    std::string current(const std::string& name)
    {
        return fx.registry.stringValue(RegistryRoot::CurrentUser, Apps + name + "\\.Current", "").value_or("<none>");
    }
    void restore(const Strings& names, bool answer = true)
    {
        fx.dialogs.confirmAnswers = {answer};
        lv::restoreSounds(fx.registry, fx.dialogs, names);
    }
};

TEST_F(SoundRestoreTest, DefaultsBecomeCurrentAsPlainTextEvenWhenEmpty)
{
    event(".Default\\SystemAsterisk", "chord.wav", "mine.wav");
    event(".Default\\SystemExit", "", "bye.wav");
    event("Explorer\\Navigating", nullptr, "click.wav");
    fx.registry.setString(RegistryRoot::CurrentUser, Apps + "Explorer\\EmptyRecycleBin\\.Default", "",
                          "%SystemRoot%\\media\\recycle.wav", lv::fakes::RegType::ExpandSz);
    fx.registry.createKey(RegistryRoot::CurrentUser, Apps + "Explorer\\EmptyRecycleBin\\.Current");

    restore({".Default\\SystemAsterisk", ".Default\\SystemExit", "Explorer\\Navigating", "Explorer\\EmptyRecycleBin"});
    EXPECT_EQ(fx.dialogs.confirmations, Strings{"Restore all Windows Sounds?"});
    EXPECT_EQ(current(".Default\\SystemAsterisk"), "chord.wav");
    EXPECT_EQ(current(".Default\\SystemExit"), "");
    EXPECT_EQ(current("Explorer\\Navigating"), "click.wav"); // no default key: untouched
    const auto recycle = fx.registry.value(RegistryRoot::CurrentUser, Apps + "Explorer\\EmptyRecycleBin\\.Current", "");
    ASSERT_TRUE(recycle);
    EXPECT_EQ(recycle->type, lv::fakes::RegType::Sz);
    EXPECT_EQ(current("Explorer\\EmptyRecycleBin"), "%SystemRoot%\\media\\recycle.wav");
}

TEST_F(SoundRestoreTest, AnsweredNoTouchesNothing)
{
    event(".Default\\SystemAsterisk", "chord.wav", "mine.wav");
    restore({".Default\\SystemAsterisk"}, false);
    EXPECT_EQ(current(".Default\\SystemAsterisk"), "mine.wav");
}

TEST_F(SoundRestoreTest, MissingCurrentKeyStopsTheRestorationThere)
{
    event("App\\First", "one.wav", "x.wav");
    event("App\\Broken", "two.wav", nullptr);
    event("App\\Last", "three.wav", "y.wav");
    try {
        restore({"App\\First", "App\\Broken", "App\\Last"});
        FAIL() << "no error";
    } catch (const lv::Error& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for ''");
    }
    EXPECT_EQ(current("App\\First"), "one.wav");
    EXPECT_FALSE(fx.registry.keyExists(RegistryRoot::CurrentUser, Apps + "App\\Broken\\.Current"));
    EXPECT_EQ(current("App\\Last"), "y.wav");
}

TEST_F(SoundRestoreTest, DefaultThatIsNotTextStopsTheRestorationThere)
{
    event("App\\First", "one.wav", "x.wav");
    fx.registry.setDword(RegistryRoot::CurrentUser, Apps + "App\\Odd\\.Default", "", 7);
    event("App\\Odd", nullptr, "odd.wav");
    event("App\\Last", "three.wav", "y.wav");
    try {
        restore({"App\\First", "App\\Odd", "App\\Last"});
        FAIL() << "no error";
    } catch (const lv::Error& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for ''");
    }
    EXPECT_EQ(current("App\\First"), "one.wav");
    EXPECT_EQ(current("App\\Odd"), "odd.wav");
    EXPECT_EQ(current("App\\Last"), "y.wav");
}

// --- The wave player ---

class WavePlayerTest : public testing::Test {
protected:
    lv::fakes::FakeFileSystem files;
    lv::fakes::FakeSoundPlayer device{&files};
    lv::WavePlayer player{device};

    void SetUp() override
    {
        files.addFile("C:\\media\\chord.wav", "RIFF");
        files.addFile("C:\\media\\ding.wav", "RIFF");
    }
    void ready(const std::string& path) { player.ready(files, lv::CategorySounds, path); }
};

TEST_F(WavePlayerTest, ButtonsDoNothingBeforeAFileIsReadied)
{
    player.play();
    player.pauseOrResume();
    player.stop();
    player.ready(files, lv::CategoryGeneral, std::string("C:\\media\\chord.wav"));
    player.ready(files, lv::CategorySounds, std::nullopt);
    player.play();
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(player.fileName(), "");
}

TEST_F(WavePlayerTest, ReadyingReplacesTheOpenFileOnlyWithAnExistingOne)
{
    ready("C:\\media\\chord.wav");
    ready("C:\\media\\missing.wav");
    EXPECT_EQ(device.openedPath, "C:\\media\\chord.wav");
    EXPECT_EQ(player.fileName(), "C:\\media\\chord.wav");
    ready("C:\\media\\ding.wav");
    EXPECT_EQ(device.calls, (Strings{"open C:\\media\\chord.wav", "close", "open C:\\media\\ding.wav"}));
}

TEST_F(WavePlayerTest, PlayGoesOnFromWhereItIsAndFromTheStartOnceEnded)
{
    ready("C:\\media\\chord.wav");
    player.play();
    device.currentPosition = 400;
    player.play();
    EXPECT_EQ(device.currentPosition, 400);
    device.finishPlaying();
    device.calls.clear();
    player.play();
    EXPECT_EQ(device.calls, (Strings{"rewind", "play"}));
    EXPECT_EQ(device.currentPosition, 0);
}

TEST_F(WavePlayerTest, PauseTogglesAndADeviceThatCannotResumeIsPlayed)
{
    ready("C:\\media\\chord.wav");
    player.pauseOrResume(); // stopped: nothing
    player.play();
    player.pauseOrResume();
    EXPECT_EQ(device.mode(), PlayerMode::Paused);
    player.pauseOrResume();
    EXPECT_EQ(device.mode(), PlayerMode::Playing);
    EXPECT_EQ(device.calls, (Strings{"open C:\\media\\chord.wav", "play", "pause", "resume"}));

    player.pauseOrResume();
    device.resumeWorks = false;
    device.calls.clear();
    player.pauseOrResume();
    EXPECT_EQ(device.calls, (Strings{"resume", "play"}));
    EXPECT_EQ(device.mode(), PlayerMode::Playing);
}

TEST_F(WavePlayerTest, StopRewindsSoTheNextPlayStartsAtTheBeginning)
{
    ready("C:\\media\\chord.wav");
    player.play();
    device.currentPosition = 300;
    player.stop();
    EXPECT_EQ(device.mode(), PlayerMode::Stopped);
    EXPECT_EQ(device.currentPosition, 0);
    player.close();
    EXPECT_FALSE(device.isOpen());
}

TEST_F(WavePlayerTest, FileTheDeviceCannotOpenReportsTheErrorThenNoDevice)
{
    device.openErrors["C:\\media\\ding.wav"] = "The file cannot be played on the specified MCI device.";
    ready("C:\\media\\chord.wav");
    EXPECT_THROW(ready("C:\\media\\ding.wav"), lv::Error);
    EXPECT_EQ(player.fileName(), "C:\\media\\ding.wav");
    for (auto button : {&lv::WavePlayer::play, &lv::WavePlayer::pauseOrResume, &lv::WavePlayer::stop}) {
        try {
            (player.*button)();
            ADD_FAILURE() << "no error";
        } catch (const lv::Error& error) {
            EXPECT_STREQ(error.what(), "No MCI device open");
        }
    }
}

} // namespace
