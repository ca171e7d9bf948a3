#pragma once
// Files by their full Windows paths ("C:\dir\name.ext"), 8-bit ANSI text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lv {

// Windows file attribute bits, kept as the system keeps them.
namespace FileAttr {
constexpr std::uint32_t ReadOnly = 0x01;
constexpr std::uint32_t Hidden = 0x02;
constexpr std::uint32_t System = 0x04;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
constexpr std::uint32_t Normal = 0x80;
} // namespace FileAttr

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for an existing file; false for a folder or nothing.
    virtual bool fileExists(const std::string& path) = 0;
    // Copies source over destination, replacing an existing destination
    // unless it is read-only or hidden (the system refuses those).
    virtual bool copyFile(const std::string& source, const std::string& destination) = 0;
    // Moves the file source to destination in one step where the system
    // can, replacing an existing destination (hidden too, but not a
    // read-only one); the file keeps its attributes.
    virtual bool moveFile(const std::string& source, const std::string& destination) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    // nullopt when the path does not exist.
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // The whole file; nullopt when it cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) = 0;
    // The file's first count bytes (all of a shorter file); nullopt when it
    // cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t count) = 0;
    // Creates or replaces the file with these bytes.
    virtual bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    // Names (without folder) of the ordinary files of a folder, in the order
    // the system lists them; folders are left out.
    virtual std::vector<std::string> listFiles(const std::string& folder) = 0;
    // Names of a folder's subfolders ("." and ".." left out), in no set order.
    virtual std::vector<std::string> listFolders(const std::string& folder) = 0;
    // The roots of the drives the system has, "C:\", in letter order.
    virtual std::vector<std::string> drives() = 0;
    // The name of the file as the system stores it (the long name, without
    // its folder), found by the path; empty when there is no such file.
    virtual std::string longName(const std::string& path) = 0;
    // The system's Windows folder, without a trailing backslash.
    virtual std::string windowsDirectory() = 0;
    // The folder of the running executable, always ending in a backslash.
    virtual std::string programDirectory() = 0;
};

} // namespace lv
