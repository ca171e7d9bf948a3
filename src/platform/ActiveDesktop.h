#pragma once
// The shell's Active Desktop object, where the system has one.
#include <memory>
#include <string>

namespace lv {

constexpr unsigned AdApplySave = 1;
constexpr unsigned AdApplyHtmlGen = 2;
constexpr unsigned AdApplyRefresh = 4;

class ActiveDesktop {
public:
    virtual ~ActiveDesktop() = default;
    // Each returns the object's HRESULT.
    virtual long setWallpaperOptions(int style) = 0;
    // The path is ANSI text; it reaches the object as UTF-16 converted
    // through the system's ANSI code page, whole.
    virtual long setWallpaper(const std::string& path) = 0;
    virtual long applyChanges(unsigned flags) = 0;
};

class ActiveDesktopService {
public:
    virtual ~ActiveDesktopService() = default;
    // A new object per call; nullptr when Active Desktop is absent.
    virtual std::unique_ptr<ActiveDesktop> create() = 0;
};

} // namespace lv
