#pragma once
#include "platform/FileSystem.h"

namespace lv::win32 {

class Win32FileSystem : public FileSystem {
public:
    bool fileExists(const std::string& path) override;
    bool copyFile(const std::string& source, const std::string& destination) override;
    bool deleteFile(const std::string& path) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::vector<std::string> drives() override;
    std::string longName(const std::string& path) override;
    std::string windowsDirectory() override;
    std::string programDirectory() override;
};

} // namespace lv::win32
