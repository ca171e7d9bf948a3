#pragma once
// Profile ("ini") files read and written the way the system's profile
// functions do, over the text of files in a FakeFileSystem: a file copied
// there is what the next read sees, and every write rewrites the file.
#include "fakes/FakeFileSystem.h"
#include "platform/ProfileFile.h"

#include <memory>

namespace lv::fakes {

class FakeProfileFile : public ProfileFile {
public:
    explicit FakeProfileFile(FakeFileSystem& files);
    ~FakeProfileFile() override;

    std::string readString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void writeString(const std::string& path, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::vector<std::string> keyNames(const std::string& path, const std::string& section) override;
    void eraseSection(const std::string& path, const std::string& section) override;

    // Test set-up: writes to this section (and its erasure) fail as they
    // would on a file another program holds, the rest of the file writes.
    std::string failingSection;

    struct Parsed;

private:
    // The file's parsed form, kept while its bytes stay the same, so that a
    // long list read key by key is not parsed once per key.
    Parsed* parsed(const std::string& path);
    void store(const std::string& path, Parsed& parsed);

    FakeFileSystem& files_;
    std::unique_ptr<Parsed> cache_;
};

} // namespace lv::fakes
