#pragma once
// What the contract tests run against: the fakes natively, the Win32
// adapters under Wine. The same cases must pass on both, which is what
// makes the fakes trustworthy stand-ins for Windows.
#include "fakes/FakeRegistry.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lv::contract {

// The registry's value types, as the system numbers them.
namespace RegType = fakes::RegType;

struct RawValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};

class ContractEnv {
public:
    virtual ~ContractEnv() = default;

    virtual ProfileFile& profile() = 0;
    virtual Registry& registry() = 0;
    virtual FileSystem& files() = 0;
    // files(), and any other form of it the program may meet (the adapter
    // on a system without MoveFileEx): the cases that differ run on each.
    virtual std::vector<FileSystem*> fileSystemVariants() { return {&files()}; }

    // A new, empty folder for this test, ending in a backslash. Removed
    // with everything in it when the environment goes.
    virtual std::string scratchFolder() = 0;
    // A folder inside a scratch folder (the file port makes none).
    virtual void createFolder(const std::string& path) = 0;

    // A new key under HKEY_CURRENT_USER\Software\LumivaneContract; its path
    // below HKEY_CURRENT_USER, without a leading backslash. Deleted with its
    // subkeys when the environment goes.
    virtual std::string createTestKey() = 0;
    // Set-up and inspection below HKEY_CURRENT_USER, past the ports.
    virtual void createKey(const std::string& path) = 0;
    virtual void setValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& bytes) = 0;
    virtual std::optional<RawValue> value(const std::string& keyPath, const std::string& name) = 0;
    virtual bool keyExists(const std::string& path) = 0;
};

// A fresh environment for one test.
std::unique_ptr<ContractEnv> makeContractEnv();

inline std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

} // namespace lv::contract
