#pragma once
// The Sounds page's actions on the running system: the small wave player
// `wavplay` and "Restore Sounds".
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/SoundPlayer.h"
#include "platform/UserDialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace lv {

constexpr const char* NoDeviceOpenMessage = "No MCI device open";
constexpr const char* RestoreSoundsQuestion = "Restore all Windows Sounds?";

// The player behind the Play, Pause and Stop buttons. Before a file is
// readied the buttons do nothing; after a file the multimedia system could
// not open, each reports that no device is open.
class WavePlayer {
public:
    explicit WavePlayer(SoundPlayer& device) : device_(device) {}

    // A Sounds list entry was picked: an existing file replaces the open one
    // (a failed open throws the multimedia system's text and leaves no
    // device); a missing file keeps the earlier one.
    void ready(FileSystem& files, int category, const std::optional<std::string>& focusedEntry);
    // hbitbtn26Click: plays on from where it is, from the start once the sound has ended.
    void play();
    // hbitbtn27Click: pauses while playing, resumes while paused (playing
    // where the device cannot resume), nothing otherwise.
    void pauseOrResume();
    // hbitbtn28Click: stops and rewinds, so the next Play starts at the beginning.
    void stop();
    // Releases the device (Quit).
    void close();

    const std::string& fileName() const { return fileName_; }

private:
    // False before any file; throws when the file has no device.
    bool deviceReady();

    SoundPlayer& device_;
    std::string fileName_;
};

// The key of a sound event's current sound; with ".Default" its scheme's default.
std::string soundEventKey(const std::string& technicalName, const std::string& subkey);

// Makes the file the event's current sound. False when the event's current
// key does not exist (it is never created); WriteRefused when it exists but
// may not be written, or the value is refused.
bool setEventSound(Registry& registry, const std::string& technicalName, const std::string& file);

// "Restore Sounds" (BitBtn8Click), after the user's Yes: every event whose
// scheme has a default sound key gets that sound (or none, where it is
// empty) as its current sound, in catalogue order. An event whose current key
// cannot be opened, or whose default is not text, stops the restoration
// there with the registry's message.
void restoreSounds(Registry& registry, UserDialogs& dialogs, const std::vector<std::string>& technicalNames);

} // namespace lv
