#include "fakes/FakeActiveDesktop.h"

namespace lv::fakes {

namespace {

class FakeActiveDesktop : public ActiveDesktop {
public:
    explicit FakeActiveDesktop(FakeActiveDesktopService& service) : service_(service) {}

    long setWallpaperOptions(int style) override
    {
        service_.calls.push_back({"setWallpaperOptions", style, {}, 0});
        return service_.result;
    }
    long setWallpaper(const std::string& path) override
    {
        service_.calls.push_back({"setWallpaper", 0, path, 0});
        return service_.result;
    }
    long applyChanges(unsigned flags) override
    {
        service_.calls.push_back({"applyChanges", 0, {}, flags});
        return service_.result;
    }

private:
    FakeActiveDesktopService& service_;
};

} // namespace

std::unique_ptr<ActiveDesktop> FakeActiveDesktopService::create()
{
    if (!present) return nullptr;
    ++objectsCreated;
    return std::make_unique<FakeActiveDesktop>(*this);
}

} // namespace lv::fakes
