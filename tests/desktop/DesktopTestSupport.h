#pragma once
// Shared set-up of the desktop action tests: a fake system and the run's paths.
#include "desktop/DesktopContext.h"
#include "fakes/FakePlatform.h"

#include <string>
#include <vector>

namespace lv::test {

using Strings = std::vector<std::string>;

// Registry writes as "key|name=value", or "name=value" for one key.
inline Strings writesOf(const fakes::FakeRegistry& registry, bool withKey = false)
{
    Strings out;
    for (const auto& write : registry.writes)
        out.push_back((withKey ? write.keyPath + "|" : std::string()) + write.valueName + "=" + write.text);
    return out;
}

class DesktopFixture {
protected:
    fakes::FakePlatform fx;
    Platform platform = fx.platform();
    DesktopPaths paths = makeDesktopPaths(fx.files.programDirectory(), fx.files.windowsDirectory());

    std::string ini(const std::string& section, const std::string& key, const std::string& def = "<none>")
    {
        return fx.profile.readString(paths.configFile, section, key, def);
    }
};

} // namespace lv::test
