#pragma once
// The configuration file as the Updater writes it: a write the file refuses
// (read-only, held by another program, a folder the user may not write) is
// kept in memory instead, and every later read sees it, so that cycling
// still moves on for the rest of the run. The first refusal is reported;
// other files (system.ini) pass straight through.
#include "base/Error.h"
#include "platform/ProfileFile.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lv {

class RememberingProfile : public ProfileFile {
public:
    using Refusal = std::function<void(const WriteRefused&)>;

    RememberingProfile(ProfileFile& inner, std::string configPath, Refusal onFirstRefusal)
        : inner_(inner), configPath_(std::move(configPath)), onFirstRefusal_(std::move(onFirstRefusal))
    {
    }

    std::string readString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void writeString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::vector<std::string> keyNames(const std::string& path, const std::string& section) override;
    void eraseSection(const std::string& path, const std::string& section) override;

    // True once a write was kept in memory only.
    bool refused() const { return refused_; }

private:
    struct Section {
        std::string name;
        bool erased = false; // the file's own keys of this section no longer count
        std::vector<std::pair<std::string, std::string>> keys;
    };

    bool isConfig(const std::string& path) const;
    Section* find(const std::string& section);
    Section& remembered(const std::string& section);
    void refuse(const WriteRefused& refusal);

    ProfileFile& inner_;
    std::string configPath_;
    Refusal onFirstRefusal_;
    std::vector<Section> sections_;
    bool refused_ = false;
};

} // namespace lv
