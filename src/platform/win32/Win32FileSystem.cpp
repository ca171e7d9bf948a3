#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Handles.h"

#include <cstring>

namespace lv::win32 {

namespace {

// Windows' copy refuses to replace a read-only or hidden file, its move a
// read-only one; Wine copies over both, and running as root it moves over
// read-only files too, so the adapter checks first.
bool isFileWith(const std::string& path, DWORD bits)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & bits);
}

bool samePathText(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

UniqueFile openForReading(const std::string& path)
{
    return UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Up to count bytes from the file's position; fewer at its end.
std::optional<std::vector<std::uint8_t>> readUpTo(HANDLE file, std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr))
            return std::nullopt;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

// The names of a folder's files, or of its subfolders without "." and "..".
std::vector<std::string> listEntries(const std::string& folder, bool folders)
{
    std::vector<std::string> names;
    std::string pattern = folder;
    if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found;
    UniqueFind search(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return names;
    do {
        const std::string name = found.cFileName;
        if (((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search.get(), &found));
    return names;
}

} // namespace

bool Win32FileSystem::fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Win32FileSystem::Win32FileSystem()
    : moveFileEx_(reinterpret_cast<MoveFileExFunction>(
          reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA"))))
{
}

bool Win32FileSystem::copyFile(const std::string& source, const std::string& destination)
{
    if (isFileWith(destination, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) return false;
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

bool Win32FileSystem::moveFile(const std::string& source, const std::string& destination)
{
    if (isFileWith(destination, FILE_ATTRIBUTE_READONLY)) return false;
    if (moveFileEx_) {
        if (moveFileEx_(source.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
    }
    // Without MoveFileEx the old file goes first: two steps, the same end.
    if (!fileExists(source)) return false;
    if (samePathText(source, destination)) return true;
    if (GetFileAttributesA(destination.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(destination.c_str()))
        return false;
    return MoveFileA(source.c_str(), destination.c_str()) != 0;
}

bool Win32FileSystem::deleteFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes)
{
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

std::optional<std::vector<std::uint8_t>> Win32FileSystem::readFile(const std::string& path)
{
    UniqueFile file = openForReading(path);
    if (!file) return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    return readUpTo(file.get(), static_cast<std::size_t>(size.QuadPart));
}

std::optional<std::vector<std::uint8_t>> Win32FileSystem::readFileStart(const std::string& path, std::size_t count)
{
    UniqueFile file = openForReading(path);
    if (!file) return std::nullopt;
    return readUpTo(file.get(), count);
}

bool Win32FileSystem::writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const DWORD existing = GetFileAttributesA(path.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;
    // Replacing a hidden or system file needs its own attributes named, or
    // Windows refuses; naming them also keeps them.
    const DWORD kept = existing == INVALID_FILE_ATTRIBUTES
                           ? FILE_ATTRIBUTE_NORMAL
                           : (existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) | FILE_ATTRIBUTE_ARCHIVE;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, kept, nullptr));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

std::vector<std::string> Win32FileSystem::listFiles(const std::string& folder)
{
    return listEntries(folder, false);
}

std::vector<std::string> Win32FileSystem::listFolders(const std::string& folder)
{
    return listEntries(folder, true);
}

std::vector<std::string> Win32FileSystem::drives()
{
    // Asked again with the size the system reports, as drives may come and go.
    std::string roots(128, '\0');
    DWORD length = GetLogicalDriveStringsA(static_cast<DWORD>(roots.size()), roots.data());
    if (length >= roots.size()) {
        roots.assign(length + 1, '\0');
        length = GetLogicalDriveStringsA(static_cast<DWORD>(roots.size()), roots.data());
    }
    std::vector<std::string> drives;
    if (length >= roots.size()) return drives;
    for (const char* root = roots.c_str(); *root; root += std::strlen(root) + 1) drives.emplace_back(root);
    return drives;
}

std::string Win32FileSystem::longName(const std::string& path)
{
    // A wildcard would make the lookup a search for some other file.
    if (path.find_first_of("*?") != std::string::npos) return {};
    WIN32_FIND_DATAA found;
    UniqueFind search(FindFirstFileA(path.c_str(), &found));
    if (!search) return {};
    return found.cFileName;
}

std::string Win32FileSystem::windowsDirectory()
{
    // Asked again with the size the system reports when the folder's name is
    // longer than the first buffer, so no path is ever cut short.
    std::string directory(MAX_PATH + 1, '\0');
    UINT length = GetWindowsDirectoryA(directory.data(), static_cast<UINT>(directory.size()));
    if (length >= directory.size()) {
        directory.assign(length + 1, '\0');
        length = GetWindowsDirectoryA(directory.data(), static_cast<UINT>(directory.size()));
    }
    directory.resize(length < directory.size() ? length : 0);
    while (!directory.empty() && directory.back() == '\\') directory.pop_back();
    return directory;
}

std::string Win32FileSystem::programDirectory()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.rfind('\\') + 1);
}

} // namespace lv::win32
