// The contract environment of the Win32 adapters: real files in the Windows
// temp folder and real keys under HKEY_CURRENT_USER, removed afterwards.
#include "contract/ContractEnv.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32Registry.h"

#include <stdexcept>

namespace lv::contract {

namespace {

using win32::UniqueFind;
using win32::UniqueRegKey;

constexpr const char* ContractRoot = "Software\\LumivaneContract";

void removeFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    {
        UniqueFind search(FindFirstFileA((folder + "*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string path = folder + name;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeFolder(path + "\\");
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search.get(), &found));
        }
    }
    RemoveDirectoryA(folder.c_str());
}

void removeKey(HKEY parent, const std::string& path)
{
    {
        UniqueRegKey key;
        if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) return;
        char name[256];
        for (;;) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            removeKey(key.get(), name);
        }
    }
    RegDeleteKeyA(parent, path.c_str());
}

// What Windows 9x's kernel32 answers for MoveFileExA.
BOOL WINAPI moveFileExOfWindows9x(LPCSTR, LPCSTR, DWORD)
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

class Win32Env : public ContractEnv {
public:
    ~Win32Env() override
    {
        for (const auto& folder : folders_) removeFolder(folder);
        for (const auto& key : keys_) removeKey(HKEY_CURRENT_USER, key);
        // The shared parent goes once no test uses it.
        UniqueRegKey root;
        DWORD subkeys = 0;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, ContractRoot, 0, KEY_READ, root.put()) == ERROR_SUCCESS &&
            RegQueryInfoKeyA(root.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
            subkeys == 0) {
            root.reset();
            RegDeleteKeyA(HKEY_CURRENT_USER, ContractRoot);
        }
    }

    ProfileFile& profile() override { return profile_; }
    Registry& registry() override { return registry_; }
    FileSystem& files() override { return files_; }
    std::vector<FileSystem*> fileSystemVariants() override { return {&files_, &windows9xFiles_}; }

    std::string scratchFolder() override
    {
        char temp[MAX_PATH + 1];
        const DWORD length = GetTempPathA(sizeof temp, temp);
        if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temp folder");
        std::string folder = temp;
        if (folder.back() != '\\') folder += '\\';
        folder += "lvcontract" + unique() + "\\";
        if (!CreateDirectoryA(folder.c_str(), nullptr)) throw std::runtime_error("cannot create " + folder);
        folders_.push_back(folder);
        return folder;
    }

    void createFolder(const std::string& path) override
    {
        if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
    }

    std::string createTestKey() override
    {
        const std::string path = std::string(ContractRoot) + "\\test" + unique();
        createKey(path);
        keys_.push_back(path);
        return path;
    }

    void createKey(const std::string& path) override
    {
        UniqueRegKey key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                            nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot create key " + path);
    }

    void setValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& bytes) override
    {
        UniqueRegKey key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                            nullptr) != ERROR_SUCCESS ||
            RegSetValueExA(key.get(), name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size())) !=
                ERROR_SUCCESS)
            throw std::runtime_error("cannot set value " + name);
    }

    std::optional<RawValue> value(const std::string& keyPath, const std::string& name) override
    {
        UniqueRegKey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        RawValue raw{type, std::vector<std::uint8_t>(size)};
        if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, raw.bytes.data(), &size) != ERROR_SUCCESS)
            return std::nullopt;
        raw.bytes.resize(size);
        return raw;
    }

    bool keyExists(const std::string& path) override
    {
        UniqueRegKey key;
        return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
    }

private:
    static std::string unique()
    {
        static int counter = 0;
        return std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    }

    win32::Win32FileSystem files_;
    win32::Win32FileSystem windows9xFiles_{moveFileExOfWindows9x};
    win32::Win32ProfileFile profile_;
    win32::Win32Registry registry_;
    std::vector<std::string> folders_;
    std::vector<std::string> keys_;
};

} // namespace

std::unique_ptr<ContractEnv> makeContractEnv()
{
    return std::make_unique<Win32Env>();
}

} // namespace lv::contract
