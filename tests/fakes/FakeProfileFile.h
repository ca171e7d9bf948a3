#pragma once
// Profile ("ini") files read and written the way the system's profile
// functions do, over the text of files in a FakeFileSystem: a file copied
// there is what the next read sees, and every write rewrites the file.
#include "fakes/FakeFileSystem.h"
#include "platform/ProfileFile.h"

namespace lv::fakes {

class FakeProfileFile : public ProfileFile {
public:
    explicit FakeProfileFile(FakeFileSystem& files) : files_(files) {}

    std::string readString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void writeString(const std::string& path, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::vector<std::string> keyNames(const std::string& path, const std::string& section) override;
    void eraseSection(const std::string& path, const std::string& section) override;

private:
    FakeFileSystem& files_;
};

} // namespace lv::fakes
