#pragma once
#include "platform/ProfileFile.h"

namespace lv::win32 {

class Win32ProfileFile : public ProfileFile {
public:
    std::string readString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void writeString(const std::string& path, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::vector<std::string> keyNames(const std::string& path, const std::string& section) override;
    void eraseSection(const std::string& path, const std::string& section) override;
};

} // namespace lv::win32
