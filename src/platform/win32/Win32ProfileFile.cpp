#include "platform/win32/Win32ProfileFile.h"

#include "base/Error.h"
#include "platform/win32/SystemError.h"

#include <windows.h>

namespace lv::win32 {

namespace {

constexpr const char* ReadOnlyReason = "the file is read-only";

[[noreturn]] void unableToWrite(const std::string& path, const std::string& reason)
{
    throw WriteRefused(formatMessage("Unable to write to %s", path), reason);
}

// Windows refuses to write a read-only file; Wine running as root does not
// (the file's Unix permissions do not stop root), so the adapter checks.
bool isReadOnlyFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_READONLY);
}

} // namespace

std::string Win32ProfileFile::readString(const std::string& path, const std::string& section,
                                         const std::string& key, const std::string& defaultValue)
{
    char buffer[ProfileValueLimit + 1];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                  sizeof buffer, path.c_str());
    return std::string(buffer, length);
}

void Win32ProfileFile::writeString(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& value)
{
    if (isReadOnlyFile(path))
        unableToWrite(path, ReadOnlyReason);
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()))
        unableToWrite(path, systemErrorText(GetLastError()));
}

std::vector<std::string> Win32ProfileFile::keyNames(const std::string& path, const std::string& section)
{
    // The names come back NUL-separated; a result of two less than the buffer
    // means they were cut, so the buffer grows until every name fits.
    std::vector<char> buffer(8192);
    DWORD length;
    for (;;) {
        length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                          static_cast<DWORD>(buffer.size()), path.c_str());
        if (length + 2 < buffer.size()) break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<std::string> names;
    for (DWORD at = 0; at < length;) {
        const std::string name(buffer.data() + at);
        names.push_back(name);
        at += static_cast<DWORD>(name.size()) + 1;
    }
    return names;
}

void Win32ProfileFile::eraseSection(const std::string& path, const std::string& section)
{
    if (isReadOnlyFile(path))
        unableToWrite(path, ReadOnlyReason);
    if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str()))
        unableToWrite(path, systemErrorText(GetLastError()));
}

} // namespace lv::win32
