#include "updater/WriteGate.h"

namespace lv {

namespace {

class GatedProfile : public ProfileFile {
public:
    GatedProfile(ProfileFile& inner, const WriteGate& gate) : inner_(inner), gate_(gate) {}
    std::string readString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override
    {
        return inner_.readString(path, section, key, defaultValue);
    }
    void writeString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override
    {
        gate_.check();
        inner_.writeString(path, section, key, value);
    }
    std::vector<std::string> keyNames(const std::string& path, const std::string& section) override
    {
        return inner_.keyNames(path, section);
    }
    void eraseSection(const std::string& path, const std::string& section) override
    {
        gate_.check();
        inner_.eraseSection(path, section);
    }

private:
    ProfileFile& inner_;
    const WriteGate& gate_;
};

class GatedFiles : public FileSystem {
public:
    GatedFiles(FileSystem& inner, const WriteGate& gate) : inner_(inner), gate_(gate) {}
    bool fileExists(const std::string& path) override { return inner_.fileExists(path); }
    bool copyFile(const std::string& source, const std::string& destination) override
    {
        gate_.check();
        return inner_.copyFile(source, destination);
    }
    bool moveFile(const std::string& source, const std::string& destination) override
    {
        gate_.check();
        return inner_.moveFile(source, destination);
    }
    bool deleteFile(const std::string& path) override
    {
        gate_.check();
        return inner_.deleteFile(path);
    }
    std::optional<std::uint32_t> attributes(const std::string& path) override { return inner_.attributes(path); }
    bool setAttributes(const std::string& path, std::uint32_t attributes) override
    {
        gate_.check();
        return inner_.setAttributes(path, attributes);
    }
    std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) override
    {
        return inner_.readFile(path);
    }
    std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t count) override
    {
        return inner_.readFileStart(path, count);
    }
    bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override
    {
        gate_.check();
        return inner_.writeFile(path, bytes);
    }
    std::vector<std::string> listFiles(const std::string& folder) override { return inner_.listFiles(folder); }
    std::vector<std::string> listFolders(const std::string& folder) override { return inner_.listFolders(folder); }
    std::vector<std::string> drives() override { return inner_.drives(); }
    std::string longName(const std::string& path) override { return inner_.longName(path); }
    std::string windowsDirectory() override { return inner_.windowsDirectory(); }
    std::string programDirectory() override { return inner_.programDirectory(); }

private:
    FileSystem& inner_;
    const WriteGate& gate_;
};

class GatedKey : public RegistryKey {
public:
    GatedKey(std::unique_ptr<RegistryKey> inner, const WriteGate& gate) : inner_(std::move(inner)), gate_(gate) {}
    std::vector<std::string> subkeyNames() override { return inner_->subkeyNames(); }
    bool hasValue(const std::string& valueName) override { return inner_->hasValue(valueName); }
    std::string readString(const std::string& valueName) override { return inner_->readString(valueName); }
    void writeString(const std::string& valueName, const std::string& value) override
    {
        gate_.check();
        inner_->writeString(valueName, value);
    }
    bool deleteValue(const std::string& valueName) override
    {
        gate_.check();
        return inner_->deleteValue(valueName);
    }

private:
    std::unique_ptr<RegistryKey> inner_;
    const WriteGate& gate_;
};

class GatedRegistry : public Registry {
public:
    GatedRegistry(Registry& inner, const WriteGate& gate) : inner_(inner), gate_(gate) {}
    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, const std::string& path, KeyAccess access) override
    {
        auto key = inner_.openKey(root, path, access);
        if (!key)
            return nullptr;
        return std::make_unique<GatedKey>(std::move(key), gate_);
    }

private:
    Registry& inner_;
    const WriteGate& gate_;
};

class GatedSystem : public SystemParameters {
public:
    GatedSystem(SystemParameters& inner, const WriteGate& gate) : inner_(inner), gate_(gate) {}
    int screenSaveTimeout() override { return inner_.screenSaveTimeout(); }
    void setScreenSaveTimeout(int seconds) override
    {
        gate_.check();
        inner_.setScreenSaveTimeout(seconds);
    }
    void setScreenSaveActive(bool active) override
    {
        gate_.check();
        inner_.setScreenSaveActive(active);
    }
    bool setDeskWallpaper(const std::string& path, bool lasting) override
    {
        gate_.check();
        return inner_.setDeskWallpaper(path, lasting);
    }
    bool screenSaverRunning() override { return inner_.screenSaverRunning(); }
    std::string deskWallpaper() override { return inner_.deskWallpaper(); }

private:
    SystemParameters& inner_;
    const WriteGate& gate_;
};

class GatedShell : public Shell {
public:
    GatedShell(Shell& inner, const WriteGate& gate) : inner_(inner), gate_(gate) {}
    std::intptr_t shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                               const std::string& directory, int showCommand) override
    {
        gate_.check();
        return inner_.shellExecute(verb, file, parameters, directory, showCommand);
    }
    unsigned winExec(const std::string& commandLine, int showCommand) override
    {
        gate_.check();
        return inner_.winExec(commandLine, showCommand);
    }

private:
    Shell& inner_;
    const WriteGate& gate_;
};

class GatedDesktop : public ActiveDesktop {
public:
    GatedDesktop(std::unique_ptr<ActiveDesktop> inner, const WriteGate& gate) : inner_(std::move(inner)), gate_(gate)
    {
    }
    long setWallpaperOptions(int style) override
    {
        gate_.check();
        return inner_->setWallpaperOptions(style);
    }
    long setWallpaper(const std::string& path) override
    {
        gate_.check();
        return inner_->setWallpaper(path);
    }
    long applyChanges(unsigned flags) override
    {
        gate_.check();
        return inner_->applyChanges(flags);
    }

private:
    std::unique_ptr<ActiveDesktop> inner_;
    const WriteGate& gate_;
};

class GatedDesktopService : public ActiveDesktopService {
public:
    GatedDesktopService(ActiveDesktopService& inner, const WriteGate& gate) : inner_(inner), gate_(gate) {}
    std::unique_ptr<ActiveDesktop> create() override
    {
        auto desktop = inner_.create();
        if (!desktop)
            return nullptr;
        return std::make_unique<GatedDesktop>(std::move(desktop), gate_);
    }

private:
    ActiveDesktopService& inner_;
    const WriteGate& gate_;
};

} // namespace

void WriteGate::check() const
{
    if (closed_)
        throw ChangeStopped{};
}

struct GatedPorts::Ports {
    GatedProfile profile;
    GatedFiles files;
    GatedRegistry registry;
    GatedSystem system;
    GatedShell shell;
    GatedDesktopService activeDesktop;
};

GatedPorts::GatedPorts(const Platform& inner, const WriteGate& gate)
    : inner_(inner),
      ports_(std::make_unique<Ports>(Ports{{inner.profile, gate},
                                           {inner.files, gate},
                                           {inner.registry, gate},
                                           {inner.system, gate},
                                           {inner.shell, gate},
                                           {inner.activeDesktop, gate}}))
{
}

GatedPorts::~GatedPorts() = default;

Platform GatedPorts::platform() const
{
    return Platform{ports_->registry, ports_->profile, ports_->files,         ports_->shell,
                    ports_->system,   inner_.screen,   ports_->activeDesktop, inner_.sound,
                    inner_.windows,   inner_.dialogs,  inner_.ui};
}

} // namespace lv
