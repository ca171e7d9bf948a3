// The contract environment of the fakes.
#include "contract/ContractEnv.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfileFile.h"
#include "fakes/FakeRegistry.h"

namespace lv::contract {

namespace {

class FakeEnv : public ContractEnv {
public:
    ProfileFile& profile() override { return profile_; }
    Registry& registry() override { return registry_; }
    FileSystem& files() override { return files_; }

    std::string scratchFolder() override
    {
        const std::string folder = "C:\\windows\\temp\\scratch" + std::to_string(++folders_) + "\\";
        files_.addFolder(folder);
        return folder;
    }

    void createFolder(const std::string& path) override { files_.addFolder(path); }

    std::string createTestKey() override
    {
        const std::string path = "Software\\LumivaneContract\\test" + std::to_string(++keys_);
        registry_.createKey(RegistryRoot::CurrentUser, path);
        return path;
    }

    void createKey(const std::string& path) override { registry_.createKey(RegistryRoot::CurrentUser, path); }

    void setValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& bytes) override
    {
        registry_.setValue(RegistryRoot::CurrentUser, keyPath, name, type, bytes);
    }

    std::optional<RawValue> value(const std::string& keyPath, const std::string& name) override
    {
        const auto found = registry_.value(RegistryRoot::CurrentUser, keyPath, name);
        if (!found) return std::nullopt;
        return RawValue{found->type, found->bytes};
    }

    bool keyExists(const std::string& path) override { return registry_.keyExists(RegistryRoot::CurrentUser, path); }

private:
    fakes::FakeFileSystem files_;
    fakes::FakeProfileFile profile_{files_};
    fakes::FakeRegistry registry_;
    int folders_ = 0;
    int keys_ = 0;
};

} // namespace

std::unique_ptr<ContractEnv> makeContractEnv()
{
    return std::make_unique<FakeEnv>();
}

} // namespace lv::contract
