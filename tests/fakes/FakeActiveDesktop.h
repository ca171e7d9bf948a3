#pragma once
// Active Desktop present or absent; every call on the objects it creates is
// recorded in order, and each answers with the result the test sets.
#include "platform/ActiveDesktop.h"

#include <string>
#include <vector>

namespace lv::fakes {

struct ActiveDesktopCall {
    std::string method; // "setWallpaperOptions", "setWallpaper", "applyChanges"
    int style = 0;
    std::string path;
    unsigned flags = 0;
};

class FakeActiveDesktopService : public ActiveDesktopService {
public:
    std::unique_ptr<ActiveDesktop> create() override;

    bool present = true;
    int objectsCreated = 0;
    long result = 0; // S_OK
    std::vector<ActiveDesktopCall> calls;
};

} // namespace lv::fakes
