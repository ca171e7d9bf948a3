#include "updater/ItemCycling.h"

namespace lv {

namespace {

int displayModeAt(const std::vector<std::string>& modes, std::size_t position)
{
    if (position >= modes.size())
        return 0;
    return parseProfileInteger(modes[position]).value_or(0);
}

// The 1-based position used after the file at `used` (0-based).
int followingPosition(int mode, std::size_t used, std::size_t count, RandomSource& random)
{
    if (mode == ModeEnabledRandom) {
        if (count < 2)
            return 1;
        // Drawn among the others, so the same file never comes twice running.
        auto drawn = static_cast<std::size_t>(random.below(static_cast<int>(count - 1)));
        if (drawn >= used)
            ++drawn;
        return static_cast<int>(drawn) + 1;
    }
    return static_cast<int>((used + 1) % count) + 1;
}

} // namespace

CycleOutcome cycleItem(ConfigFile& config, const std::string& item, bool deleteUnusable, ItemApplier& applier,
                       RandomSource& random)
{
    CycleOutcome outcome;
    ItemSettings settings = config.readItem(item);
    if ((settings.mode != ModeEnabled && settings.mode != ModeEnabledRandom) || settings.files.empty())
        return outcome;

    const bool wallpaper = item == WallpaperItem;
    std::vector<std::string> modes = wallpaper ? config.readDisplayModes() : std::vector<std::string>{};
    std::vector<std::string>& files = settings.files;
    if (wallpaper)
        modes.resize(files.size(), "0");

    std::size_t position = settings.next >= 1 && static_cast<std::size_t>(settings.next) <= files.size()
                               ? static_cast<std::size_t>(settings.next - 1)
                               : 0;
    bool shortened = false;
    int next = settings.next;
    outcome.kind = CycleOutcome::Kind::NoUsableFile;
    for (std::size_t attempts = files.size(); attempts > 0 && !files.empty(); --attempts) {
        if (position >= files.size())
            position = 0;
        const std::string file = files[position];
        const ApplyResult result = applier.apply(item, file, displayModeAt(modes, position));
        if (result.status == ApplyStatus::Applied) {
            outcome.kind = CycleOutcome::Kind::Changed;
            outcome.file = file;
            next = followingPosition(settings.mode, position, files.size(), random);
            break;
        }
        if (result.status == ApplyStatus::ItemUnavailable) {
            outcome.kind = CycleOutcome::Kind::Unavailable;
            outcome.reason = result.reason;
            break;
        }
        outcome.failures.emplace_back(file, result.reason);
        if (deleteUnusable) {
            files.erase(files.begin() + static_cast<std::ptrdiff_t>(position));
            if (wallpaper)
                modes.erase(modes.begin() + static_cast<std::ptrdiff_t>(position));
            shortened = true;
        } else {
            ++position;
        }
    }

    if (shortened) {
        // A position past the shortened list would start over at 1 anyway.
        if (outcome.kind != CycleOutcome::Kind::Changed &&
            (next < 1 || static_cast<std::size_t>(next) > files.size()))
            next = 1;
        config.writeItem(item, settings.mode, next, files, modes);
    } else if (outcome.kind == CycleOutcome::Kind::Changed) {
        config.writeInteger(itemSettingsSection(item), ItemNextKey, next);
    }
    return outcome;
}

} // namespace lv
