// One change of one item: which file is used, how "next" moves on, and what
// becomes of files that cannot be used.
#include "config/ConfigFile.h"
#include "fakes/FakePlatform.h"
#include "updater/ItemCycling.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Kind = lv::CycleOutcome::Kind;
using Strings = std::vector<std::string>;

// Applies every file but those it is told are unusable; records the files.
class ScriptedApplier : public lv::ItemApplier {
public:
    lv::ApplyResult apply(const std::string&, const std::string& file, int displayMode) override
    {
        tried.push_back(file);
        if (unavailable)
            return {lv::ApplyStatus::ItemUnavailable, "no place"};
        if (unusable.count(file))
            return {lv::ApplyStatus::FileUnusable, "Cannot open file " + file};
        applied.push_back(file);
        modes.push_back(displayMode);
        return {};
    }
    std::set<std::string> unusable;
    bool unavailable = false;
    Strings tried, applied;
    std::vector<int> modes;
};

// Replays a list of draws.
class ScriptedRandom : public lv::RandomSource {
public:
    int below(int count) override { return draws.empty() ? 0 : draws[index_++ % draws.size()] % count; }
    std::vector<int> draws;

private:
    std::size_t index_ = 0;
};

class ItemCyclingTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    lv::ConfigFile config{fx.profile, "C:\\Program Files\\Lumivane\\lumivane3.ini"};
    ScriptedApplier applier;
    ScriptedRandom random;

    void store(const std::string& item, int mode, int next, const Strings& files, const Strings& modes = {})
    {
        config.writeItem(item, mode, next, files, modes);
    }
    lv::CycleOutcome cycle(const std::string& item, bool deleteUnusable = true)
    {
        return lv::cycleItem(config, item, deleteUnusable, applier, random);
    }
    int next(const std::string& item) { return config.readItem(item).next; }
};

TEST_F(ItemCyclingTest, InOrderUsesNextAndMovesOnWrapping)
{
    struct Case {
        int next;
        const char* used;
        int nextAfter;
    } cases[] = {{1, "a", 2}, {2, "b", 3}, {3, "c", 1}, {0, "a", 2}, {4, "a", 2}, {-5, "a", 2}};
    for (const Case& c : cases) {
        store("Screen Saver", lv::ModeEnabled, c.next, {"a", "b", "c"});
        applier.applied.clear();
        EXPECT_EQ(cycle("Screen Saver").kind, Kind::Changed) << c.next;
        EXPECT_EQ(applier.applied, Strings{c.used}) << c.next;
        EXPECT_EQ(next("Screen Saver"), c.nextAfter) << c.next;
        EXPECT_EQ(config.readItem("Screen Saver").files, (Strings{"a", "b", "c"})) << "list kept";
    }
}

TEST_F(ItemCyclingTest, RandomNeverRepeatsAndNextNamesTheFileUsedNext)
{
    random.draws = {0, 3, 1, 2, 2, 0, 1, 3, 0, 0, 2};
    store("Desktop Theme", lv::ModeEnabledRandom, 2, {"a", "b", "c", "d", "e"});
    std::string previous;
    for (int i = 0; i < 20; ++i) {
        const int before = next("Desktop Theme");
        const auto outcome = cycle("Desktop Theme");
        EXPECT_EQ(outcome.file, config.readItem("Desktop Theme").files[static_cast<std::size_t>(before - 1)]);
        EXPECT_NE(outcome.file, previous) << "change " << i;
        previous = outcome.file;
    }
    store("Desktop Theme", lv::ModeEnabledRandom, 1, {"only"});
    cycle("Desktop Theme");
    EXPECT_EQ(next("Desktop Theme"), 1);
}

TEST_F(ItemCyclingTest, UnusableFilesAreSkippedAndWithDeletenonRemovedWithTheirDisplayModes)
{
    struct Case {
        bool deletenon;
        Strings listAfter, modesAfter;
        int nextAfter;
        int modeUsed;
    } cases[] = {
        {true, {"a", "c", "d"}, {"0", "2", "1"}, 3, 2},
        {false, {"a", "b", "c", "d"}, {"0", "1", "2", "1"}, 4, 2},
    };
    for (const Case& c : cases) {
        store("Wallpaper", lv::ModeEnabled, 2, {"a", "b", "c", "d"}, {"0", "1", "2", "1"});
        applier.unusable = {"b"};
        applier.applied.clear();
        applier.modes.clear();
        const auto outcome = cycle("Wallpaper", c.deletenon);
        EXPECT_EQ(outcome.file, "c");
        EXPECT_EQ(applier.modes, std::vector<int>{c.modeUsed});
        ASSERT_EQ(outcome.failures.size(), 1u);
        EXPECT_EQ(outcome.failures[0].first, "b");
        EXPECT_EQ(config.readItem("Wallpaper").files, c.listAfter) << c.deletenon;
        EXPECT_EQ(config.readDisplayModes(), c.modesAfter) << c.deletenon;
        EXPECT_EQ(next("Wallpaper"), c.nextAfter) << c.deletenon;
        EXPECT_EQ(config.readItem("Wallpaper").mode, lv::ModeEnabled);
    }
}

TEST_F(ItemCyclingTest, NoUsableFileChangesNothing)
{
    for (const bool deletenon : {true, false}) {
        store("Startup Logo", lv::ModeEnabled, 2, {"a", "b"});
        applier.unusable = {"a", "b"};
        applier.applied.clear();
        EXPECT_EQ(cycle("Startup Logo", deletenon).kind, Kind::NoUsableFile);
        EXPECT_TRUE(applier.applied.empty());
        EXPECT_EQ(config.readItem("Startup Logo").files, deletenon ? Strings{} : (Strings{"a", "b"}));
        EXPECT_EQ(next("Startup Logo"), deletenon ? 1 : 2);
    }
}

TEST_F(ItemCyclingTest, ItemsThatDoNotTakePartOrCannotChangeKeepTheirFiles)
{
    store("Screen Saver", lv::ModeDisabled, 1, {"a"});
    store("Desktop Theme", lv::ModeEnabled, 1, {});
    const std::string before = fx.files.fileText(config.path());
    EXPECT_EQ(cycle("Screen Saver").kind, Kind::NotTakingPart);
    EXPECT_EQ(cycle("Desktop Theme").kind, Kind::NotTakingPart);
    EXPECT_EQ(cycle("Shutdown Logo 1").kind, Kind::NotTakingPart);
    EXPECT_TRUE(applier.tried.empty());
    EXPECT_EQ(fx.files.fileText(config.path()), before) << "nothing written";

    store("App\\Event", lv::ModeEnabled, 1, {"a", "b"});
    applier.unavailable = true;
    const auto outcome = cycle("App\\Event");
    EXPECT_EQ(outcome.kind, Kind::Unavailable);
    EXPECT_EQ(applier.tried, Strings{"a"}) << "no other file is tried";
    EXPECT_EQ(config.readItem("App\\Event").files, (Strings{"a", "b"}));
    EXPECT_EQ(next("App\\Event"), 1);
}

} // namespace
