#pragma once
// One change of one item: which file of its cycle list is used, what happens
// to files that cannot be used, and how "next" moves on.
#include "config/ConfigFile.h"

#include <string>
#include <utility>
#include <vector>

namespace lv {

// Picks positions for random cycling.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number from 0 to count - 1 (count > 0).
    virtual int below(int count) = 0;
};

enum class ApplyStatus {
    Applied,
    FileUnusable,    // the file is missing or broken: another file may do
    ItemUnavailable, // the system has no place for this item now: no file would do
};

struct ApplyResult {
    ApplyStatus status = ApplyStatus::Applied;
    std::string reason; // why it failed, for the log and the tray tip
};

// Puts one file in place for an item (display mode: wallpaper only).
class ItemApplier {
public:
    virtual ~ItemApplier() = default;
    virtual ApplyResult apply(const std::string& item, const std::string& file, int displayMode) = 0;
};

struct CycleOutcome {
    enum class Kind { NotTakingPart, Changed, NoUsableFile, Unavailable } kind = Kind::NotTakingPart;
    std::string file;   // the file put in place (Changed)
    std::string reason; // why the item could not change (Unavailable)
    std::vector<std::pair<std::string, std::string>> failures; // files tried in vain, with the reason
};

// An item takes part when its mode is in order or random and its list is not
// empty. The file at "next" is tried first (a "next" outside the list starts
// at 1), then the following ones, until one can be used or every file was
// tried. "next" is written back at once: the following position in order, or
// a random position other than the file just used. With deleteUnusable the
// files that could not be used leave the list (and, for "Wallpaper", their
// display modes with them) and the list is written back renumbered.
CycleOutcome cycleItem(ConfigFile& config, const std::string& item, bool deleteUnusable, ItemApplier& applier,
                       RandomSource& random);

} // namespace lv
