// Wave playback through the multimedia system, on a wave file made here.
#include "fakes/FakeSoundPlayer.h"
#include "base/Error.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SoundPlayer.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace lv;

void put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, unsigned value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Half a second of 8-bit mono sound at 8,000 samples a second.
std::vector<std::uint8_t> waveFile()
{
    const unsigned samples = 4000;
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    put32(out, 36 + samples);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1);
    put32(out, 8000);
    put32(out, 8000);
    put16(out, 1);
    put16(out, 8);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, samples);
    for (unsigned i = 0; i < samples; ++i) out.push_back(static_cast<std::uint8_t>(128 + ((i / 8) % 2 ? 40 : -40)));
    return out;
}

std::string tempPath(const std::string& name)
{
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

TEST(Win32SoundPlayer, OpensAWaveFileAndReportsItsLengthAndMode)
{
    win32::Win32FileSystem files;
    const std::string path = tempPath("lvsound" + std::to_string(GetCurrentProcessId()) + ".wav");
    ASSERT_TRUE(files.writeFile(path, waveFile()));

    win32::Win32SoundPlayer player;
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
    player.open(path);
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(player.length(), 500);
    EXPECT_EQ(player.position(), 0);
    player.play();
    player.stop();
    player.rewind();
    EXPECT_EQ(player.position(), 0);
    player.close();
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
    EXPECT_TRUE(files.deleteFile(path));
}

TEST(Win32SoundPlayer, AMissingFileFailsWithTheMultimediaSystemsTextAsTheFakeDoes)
{
    const std::string missing = tempPath("no such sound.wav");
    std::string real, fake;
    win32::Win32SoundPlayer player;
    try {
        player.open(missing);
    } catch (const Error& e) {
        real = e.what();
    }
    EXPECT_FALSE(player.isOpen());

    fakes::FakeFileSystem files;
    fakes::FakeSoundPlayer fakePlayer(&files);
    try {
        fakePlayer.open(missing);
    } catch (const Error& e) {
        fake = e.what();
    }
    EXPECT_FALSE(real.empty());
    EXPECT_EQ(real, fake);
}

} // namespace
