#pragma once
// An in-memory registry: keys and value names found whatever their letter
// case, subkeys enumerated in the order the system keeps them, values kept
// with their types and bytes.
#include "platform/Registry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lv::fakes {

// Registry value types, as the system numbers them.
namespace RegType {
constexpr std::uint32_t Sz = 1;
constexpr std::uint32_t ExpandSz = 2;
constexpr std::uint32_t Binary = 3;
constexpr std::uint32_t Dword = 4;
constexpr std::uint32_t MultiSz = 7;
} // namespace RegType

struct RegistryValue {
    std::uint32_t type = RegType::Sz;
    std::vector<std::uint8_t> bytes;
};

// One value written through an opened key, as the program wrote it.
struct RegistryWrite {
    std::string keyPath; // as the key was opened
    std::string valueName;
    std::string text;
};

class FakeRegistry : public Registry {
public:
    FakeRegistry();
    ~FakeRegistry() override;

    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, const std::string& path,
                                         KeyAccess access = KeyAccess::Read) override;

    // Test set-up and inspection. Paths as openKey takes them; createKey and
    // the setters create missing keys along the path.
    void createKey(RegistryRoot root, const std::string& path);
    bool keyExists(RegistryRoot root, const std::string& path);
    void deleteKey(RegistryRoot root, const std::string& path);
    void setValue(RegistryRoot root, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::vector<std::uint8_t>& bytes);
    // A REG_SZ (or, with type, REG_EXPAND_SZ) value with its terminating NUL.
    void setString(RegistryRoot root, const std::string& path, const std::string& name,
                   const std::string& text, std::uint32_t type = RegType::Sz);
    void setDword(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t value);
    std::optional<RegistryValue> value(RegistryRoot root, const std::string& path, const std::string& name);
    // The text of a REG_SZ or REG_EXPAND_SZ value; nullopt when missing or of another type.
    std::optional<std::string> stringValue(RegistryRoot root, const std::string& path, const std::string& name);
    // Opening the key for writing fails from now on, as for a user without rights to it.
    void denyWriteAccess(RegistryRoot root, const std::string& path);

    // Every string the program wrote through its keys, in order.
    std::vector<RegistryWrite> writes;

    struct Node;

private:
    std::shared_ptr<Node> find(RegistryRoot root, const std::string& path);
    std::shared_ptr<Node> create(RegistryRoot root, const std::string& path);

    std::shared_ptr<Node> currentUser_;
    std::shared_ptr<Node> localMachine_;
};

} // namespace lv::fakes
