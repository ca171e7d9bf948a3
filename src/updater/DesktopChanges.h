#pragma once
// How each item's file is put in place on the running system, with the same
// desktop code the Control Center's buttons run.
#include "desktop/DesktopContext.h"
#include "desktop/Logos.h"
#include "imaging/PictureDepth.h"
#include "platform/Platform.h"
#include "updater/ItemCycling.h"

#include <string>

namespace lv {

struct UpdaterPaths {
    DesktopPaths desktop;
    LogoPaths logos;
};

UpdaterPaths makeUpdaterPaths(FileSystem& files);

class DesktopChanges : public ItemApplier {
public:
    DesktopChanges(const Platform& platform, const UpdaterPaths& paths, bool ntFamily)
        : platform_(platform), paths_(paths), ntFamily_(ntFamily),
          depth_(imaging::PictureDepthForDisplay(platform.screen.colorBits()))
    {
    }

    // A missing file, or one the picture conversion cannot read or decode
    // (out of memory included), is unusable; a target that cannot be written
    // and anything else that fails make the item unavailable for this change,
    // with the reason.
    ApplyResult apply(const std::string& item, const std::string& file, int displayMode) override;

private:
    void changeWallpaper(const std::string& file, int displayMode);
    void changeLogo(const std::string& item, const std::string& file);

    Platform platform_;
    const UpdaterPaths& paths_;
    bool ntFamily_;
    // Chosen once, as the Control Center does, from the display at start.
    imaging::PictureDepth depth_;
};

} // namespace lv
