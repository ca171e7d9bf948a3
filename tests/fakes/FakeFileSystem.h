#pragma once
// An in-memory Windows file system: paths like "C:\dir\file.ext" (or with
// '/'), names found whatever their letter case but kept as created, Windows
// attribute bits, and the failures Windows reports.
#include "platform/FileSystem.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lv::fakes {

class FakeFileSystem : public FileSystem {
public:
    // Starts with the drive root "C:\", the Windows directory "C:\windows"
    // and the program directory "C:\Program Files\Lumivane\".
    FakeFileSystem();

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

    // Test set-up. Both create the folder (and its parents).
    void setWindowsDirectory(const std::string& path);
    void setProgramDirectory(const std::string& path);
    // Creates the folder and any missing parents.
    void addFolder(const std::string& path);
    // Creates or replaces a file, creating missing parent folders.
    void addFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 std::uint32_t attributes = FileAttr::Archive);
    void addFile(const std::string& path, const std::string& text,
                 std::uint32_t attributes = FileAttr::Archive);
    // The file's bytes as text; throws std::logic_error when there is no such file.
    std::string fileText(const std::string& path);
    bool folderExists(const std::string& path);

    // Creating, replacing, moving into or deleting files of this folder fails
    // from now on, as in a folder the user may not write (Program Files for
    // a standard user since Vista, whatever the files' own attributes).
    void refuseWritesIn(const std::string& folder);

    // Bytes handed out by readFile and readFileStart so far.
    std::size_t bytesRead = 0;

private:
    struct Entry {
        std::string path; // as created, backslashes, no trailing backslash
        bool folder = false;
        std::uint32_t attributes = 0; // read-only, hidden, system as set
        std::vector<std::uint8_t> bytes;
    };

    Entry* find(const std::string& path);
    bool refused(const std::string& path);
    bool parentIsFolder(const std::string& path);

    std::map<std::string, Entry> entries_; // by upper-cased normalised path
    std::string windowsDirectory_;
    std::string programDirectory_;
    std::vector<std::string> refusedFolders_; // upper-cased, normalised
};

} // namespace lv::fakes
