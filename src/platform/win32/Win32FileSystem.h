#pragma once
#include "platform/FileSystem.h"

#include <windows.h>

namespace lv::win32 {

// The shape of the system's MoveFileExA.
using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

class Win32FileSystem : public FileSystem {
public:
    // Takes the system's MoveFileExA where kernel32 has it.
    Win32FileSystem();
    // With another MoveFileExA, or none (nullptr), as Windows 9x has: its
    // kernel32 answers ERROR_CALL_NOT_IMPLEMENTED.
    explicit Win32FileSystem(MoveFileExFunction moveFileEx) : moveFileEx_(moveFileEx) {}

    bool fileExists(const std::string& path) override;
    bool copyFile(const std::string& source, const std::string& destination) override;
    bool moveFile(const std::string& source, const std::string& destination) override;
    bool deleteFile(const std::string& path) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t count) override;
    bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::vector<std::string> drives() override;
    std::string longName(const std::string& path) override;
    std::string windowsDirectory() override;
    std::string programDirectory() override;

private:
    MoveFileExFunction moveFileEx_;
};

} // namespace lv::win32
