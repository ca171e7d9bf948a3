#include "platform/win32/Win32Registry.h"

#include "base/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SystemError.h"

#include <algorithm>
#include <vector>

namespace lv::win32 {

namespace {

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(UniqueRegKey key) : key_(std::move(key)) {}

    std::vector<std::string> subkeyNames() override
    {
        std::vector<std::string> names;
        std::vector<char> name(256); // the longest key name is 255 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(name.size());
            const LONG result = RegEnumKeyExA(key_.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_MORE_DATA) {
                name.resize(name.size() * 2);
                --index;
                continue;
            }
            if (result != ERROR_SUCCESS) break;
            names.emplace_back(name.data(), length);
        }
        return names;
    }

    bool hasValue(const std::string& valueName) override
    {
        return RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    std::string readString(const std::string& valueName) override
    {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw Error(formatMessage("Invalid data type for '%s'", valueName));
        std::vector<char> data;
        LONG result;
        do {
            // Room for a terminating NUL the stored data may lack.
            data.assign(size + 1, '\0');
            result = RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &size);
        } while (result == ERROR_MORE_DATA);
        if (result != ERROR_SUCCESS) return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw Error(formatMessage("Invalid data type for '%s'", valueName));
        const auto end = std::find(data.begin(), data.begin() + std::min<std::size_t>(size, data.size()), '\0');
        return std::string(data.begin(), end);
    }

    void writeString(const std::string& valueName, const std::string& value) override
    {
        const LONG result = RegSetValueExA(key_.get(), valueName.c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(value.c_str()),
                                           static_cast<DWORD>(value.size() + 1));
        if (result != ERROR_SUCCESS)
            throw WriteRefused(formatMessage("Failed to set data for '%s'", valueName),
                               systemErrorText(static_cast<DWORD>(result)));
    }

    bool deleteValue(const std::string& valueName) override
    {
        return RegDeleteValueA(key_.get(), valueName.c_str()) == ERROR_SUCCESS;
    }

private:
    UniqueRegKey key_;
};

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::openKey(RegistryRoot root, const std::string& path, KeyAccess access)
{
    // The registry refuses a leading backslash; the program's paths have one.
    const std::string subkey = path.substr(std::min(path.find_first_not_of('\\'), path.size()));
    UniqueRegKey key;
    const REGSAM rights = access == KeyAccess::Read ? KEY_READ : KEY_READ | KEY_WRITE;
    if (RegOpenKeyExA(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                      subkey.c_str(), 0, rights, key.put()) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32Key>(std::move(key));
}

} // namespace lv::win32
