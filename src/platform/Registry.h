#pragma once
// The system registry. Keys of the system are only ever opened, never
// created: a missing key makes the caller skip its work.
#include <memory>
#include <string>
#include <vector>

namespace lv {

enum class RegistryRoot { CurrentUser, LocalMachine };
enum class KeyAccess { Read, ReadWrite };

class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // Names of the direct subkeys, in the order the registry enumerates them.
    virtual std::vector<std::string> subkeyNames() = 0;
    virtual bool hasValue(const std::string& valueName) = 0;
    // Text of a REG_SZ or REG_EXPAND_SZ value (not expanded); an empty name
    // reads the default value; a missing value reads as empty text. Any
    // other type throws Error("Invalid data type for '<valueName>'").
    virtual std::string readString(const std::string& valueName) = 0;
    // Writes a REG_SZ value; throws Error("Failed to set data for '<valueName>'").
    virtual void writeString(const std::string& valueName, const std::string& value) = 0;
    // True when the value existed and is gone.
    virtual bool deleteValue(const std::string& valueName) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key by its absolute path ("\Control Panel\Desktop" or
    // without the leading backslash); nullptr when it does not exist or
    // cannot be opened with the access asked for.
    virtual std::unique_ptr<RegistryKey> openKey(RegistryRoot root, const std::string& path,
                                                 KeyAccess access = KeyAccess::Read) = 0;
};

} // namespace lv
