// What the fakes add beyond the contract they share with Windows: the
// wiring between them and the test's handles on them.
#include "fakes/FakePlatform.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace {

using namespace lv;

TEST(FakePlatform, TheProfileAndTheSoundPlayerUseTheFakeFileSystem)
{
    fakes::FakePlatform fx;
    Platform platform = fx.platform();
    const std::string ini = fx.files.programDirectory() + "lumivane3.ini";
    platform.profile.writeString(ini, "General", "preview", "1");
    EXPECT_EQ(fx.files.fileText(ini), "[General]\r\npreview=1\r\n");

    fx.files.addFile("C:\\windows\\media\\ding.wav", "RIFF");
    platform.sound.open("C:\\WINDOWS\\Media\\Ding.wav");
    EXPECT_EQ(platform.sound.mode(), PlayerMode::Stopped);
    EXPECT_THROW(platform.sound.open("C:\\windows\\media\\missing.wav"), Error);
    EXPECT_FALSE(platform.sound.isOpen());
}

TEST(FakeFileSystem, StartsWithTheSystemFoldersAndMovesThemOnRequest)
{
    fakes::FakeFileSystem files;
    EXPECT_EQ(files.windowsDirectory(), "C:\\windows");
    EXPECT_EQ(files.programDirectory(), "C:\\Program Files\\Lumivane\\");
    EXPECT_TRUE(files.folderExists("c:\\program files\\lumivane"));
    files.setWindowsDirectory("D:\\WINNT\\");
    files.setProgramDirectory("D:\\Apps\\Lumivane");
    EXPECT_EQ(files.windowsDirectory(), "D:\\WINNT");
    EXPECT_EQ(files.programDirectory(), "D:\\Apps\\Lumivane\\");
    EXPECT_TRUE(files.folderExists("D:\\apps"));
    EXPECT_THROW(files.fileText("D:\\nothing.txt"), std::logic_error);
}

TEST(FakeRegistry, KeysDeniedForWritingOpenOnlyForReading)
{
    fakes::FakeRegistry registry;
    registry.setString(RegistryRoot::LocalMachine, "SOFTWARE\\Run", "Updater", "C:\\u.exe");
    registry.denyWriteAccess(RegistryRoot::LocalMachine, "Software\\Run");
    EXPECT_EQ(registry.openKey(RegistryRoot::LocalMachine, "\\Software\\Run", KeyAccess::ReadWrite), nullptr);
    auto key = registry.openKey(RegistryRoot::LocalMachine, "\\Software\\Run");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("updater"), "C:\\u.exe");
    EXPECT_EQ(registry.openKey(RegistryRoot::CurrentUser, "Software\\Run"), nullptr);
}

TEST(FakeUserDialogs, AnUnscriptedQuestionIsAFaultOfTheTest)
{
    fakes::FakeUserDialogs dialogs;
    dialogs.confirmAnswers = {true, false};
    EXPECT_TRUE(dialogs.confirm("first?"));
    EXPECT_FALSE(dialogs.confirm("second?"));
    EXPECT_THROW(dialogs.confirm("third?"), std::logic_error);
    EXPECT_EQ(dialogs.confirmations, (std::vector<std::string>{"first?", "second?", "third?"}));
    EXPECT_THROW(dialogs.openFiles("All|*.*", "Add"), std::logic_error);
}

TEST(FakeSoundPlayer, FollowsTheDevicesStates)
{
    fakes::FakeSoundPlayer player;
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
    player.open("a.wav");
    player.play();
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    player.pause();
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    EXPECT_TRUE(player.resume());
    player.finishPlaying();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(player.position(), player.length());
    player.rewind();
    EXPECT_EQ(player.position(), 0);
    player.resumeWorks = false;
    EXPECT_FALSE(player.resume());
    player.open("b.wav"); // closes the first device
    EXPECT_EQ(player.calls, (std::vector<std::string>{"open a.wav", "play", "pause", "resume", "rewind", "resume",
                                                      "close", "open b.wav"}));
}

} // namespace
