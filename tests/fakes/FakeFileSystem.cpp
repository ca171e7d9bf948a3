#include "fakes/FakeFileSystem.h"

#include <algorithm>
#include <stdexcept>

namespace lv::fakes {

namespace {

// The bits a file keeps; the system reports the archive bit on every file
// (Wine does, whatever was set) and the directory bit only on folders.
constexpr std::uint32_t KeptBits = FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System;

std::string normalise(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;
        out += c;
    }
    while (out.size() > 2 && out.back() == '\\') out.pop_back();
    if (out.size() == 3 && out[1] == ':' && out[2] == '\\') out.pop_back();
    return out;
}

std::string upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string parentOf(const std::string& normalised)
{
    const auto slash = normalised.rfind('\\');
    return slash == std::string::npos ? std::string() : normalised.substr(0, slash);
}

std::string nameOf(const std::string& normalised)
{
    const auto slash = normalised.rfind('\\');
    return slash == std::string::npos ? normalised : normalised.substr(slash + 1);
}

bool isDriveRoot(const std::string& normalised)
{
    return normalised.size() == 2 && normalised[1] == ':';
}

} // namespace

FakeFileSystem::FakeFileSystem()
{
    addFolder("C:\\");
    setWindowsDirectory("C:\\windows");
    setProgramDirectory("C:\\Program Files\\Lumivane\\");
}

FakeFileSystem::Entry* FakeFileSystem::find(const std::string& path)
{
    const auto it = entries_.find(upper(normalise(path)));
    return it == entries_.end() ? nullptr : &it->second;
}

bool FakeFileSystem::parentIsFolder(const std::string& path)
{
    const std::string parent = parentOf(normalise(path));
    const Entry* entry = parent.empty() ? nullptr : find(parent);
    return entry && entry->folder;
}

void FakeFileSystem::refuseWritesIn(const std::string& folder)
{
    refusedFolders_.push_back(upper(normalise(folder)));
}

bool FakeFileSystem::refused(const std::string& path)
{
    const std::string parent = upper(parentOf(normalise(path)));
    return std::find(refusedFolders_.begin(), refusedFolders_.end(), parent) != refusedFolders_.end();
}

bool FakeFileSystem::folderExists(const std::string& path)
{
    const Entry* entry = find(path);
    return entry && entry->folder;
}

bool FakeFileSystem::fileExists(const std::string& path)
{
    const Entry* entry = find(path);
    return entry && !entry->folder;
}

bool FakeFileSystem::copyFile(const std::string& source, const std::string& destination)
{
    const Entry* from = find(source);
    if (!from || from->folder || !parentIsFolder(destination) || refused(destination)) return false;
    Entry* to = find(destination);
    if (to == from) return false; // the system's sharing violation
    if (to) {
        // Windows refuses to replace a read-only or hidden target; a system
        // one takes the copy and keeps its own attributes.
        if (to->folder || (to->attributes & (FileAttr::ReadOnly | FileAttr::Hidden))) return false;
        to->bytes = from->bytes;
        return true;
    }
    // A new copy takes the source's read-only and hidden bits (Wine drops the system bit).
    Entry copy{normalise(destination), false,
               from->attributes & (FileAttr::ReadOnly | FileAttr::Hidden), from->bytes};
    entries_[upper(copy.path)] = std::move(copy);
    return true;
}

bool FakeFileSystem::moveFile(const std::string& source, const std::string& destination)
{
    Entry* from = find(source);
    if (!from || from->folder || !parentIsFolder(destination) || refused(source) || refused(destination))
        return false;
    Entry* to = find(destination);
    if (to == from) return true;
    if (to && (to->folder || (to->attributes & FileAttr::ReadOnly))) return false;
    Entry moved{normalise(destination), false, from->attributes, std::move(from->bytes)};
    entries_.erase(upper(normalise(source)));
    entries_[upper(moved.path)] = std::move(moved);
    return true;
}

bool FakeFileSystem::deleteFile(const std::string& path)
{
    const Entry* entry = find(path);
    if (!entry || entry->folder || (entry->attributes & FileAttr::ReadOnly) || refused(path)) return false;
    entries_.erase(upper(normalise(path)));
    return true;
}

std::optional<std::uint32_t> FakeFileSystem::attributes(const std::string& path)
{
    const Entry* entry = find(path);
    if (!entry) return std::nullopt;
    return entry->attributes | (entry->folder ? FileAttr::Directory : FileAttr::Archive);
}

bool FakeFileSystem::setAttributes(const std::string& path, std::uint32_t attributes)
{
    Entry* entry = find(path);
    if (!entry) return false;
    entry->attributes = attributes & KeptBits;
    return true;
}

std::optional<std::vector<std::uint8_t>> FakeFileSystem::readFile(const std::string& path)
{
    const Entry* entry = find(path);
    if (!entry || entry->folder) return std::nullopt;
    bytesRead += entry->bytes.size();
    return entry->bytes;
}

std::optional<std::vector<std::uint8_t>> FakeFileSystem::readFileStart(const std::string& path, std::size_t count)
{
    const Entry* entry = find(path);
    if (!entry || entry->folder) return std::nullopt;
    const auto size = std::min(count, entry->bytes.size());
    bytesRead += size;
    return std::vector<std::uint8_t>(entry->bytes.begin(), entry->bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

bool FakeFileSystem::writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    if (!parentIsFolder(path) || refused(path)) return false;
    if (Entry* entry = find(path)) {
        if (entry->folder || (entry->attributes & FileAttr::ReadOnly)) return false;
        entry->bytes = bytes;
        return true;
    }
    Entry created{normalise(path), false, 0, bytes};
    entries_[upper(created.path)] = std::move(created);
    return true;
}

std::vector<std::string> FakeFileSystem::listFiles(const std::string& folder)
{
    const std::string key = upper(normalise(folder));
    std::vector<std::string> names;
    for (const auto& [entryKey, entry] : entries_)
        if (!entry.folder && upper(parentOf(entry.path)) == key) names.push_back(nameOf(entry.path));
    // The system lists a folder in the order of the upper-cased names.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return upper(a) < upper(b); });
    return names;
}

std::vector<std::string> FakeFileSystem::listFolders(const std::string& folder)
{
    const std::string key = upper(normalise(folder));
    std::vector<std::string> names;
    for (const auto& [entryKey, entry] : entries_)
        if (entry.folder && !isDriveRoot(entry.path) && upper(parentOf(entry.path)) == key)
            names.push_back(nameOf(entry.path));
    return names;
}

std::vector<std::string> FakeFileSystem::drives()
{
    // Every drive whose root was made; the map keeps them in letter order.
    std::vector<std::string> roots;
    for (const auto& [entryKey, entry] : entries_)
        if (entry.folder && isDriveRoot(entry.path)) roots.push_back(upper(entry.path) + "\\");
    return roots;
}

std::string FakeFileSystem::longName(const std::string& path)
{
    if (path.find_first_of("*?") != std::string::npos) return {};
    const Entry* entry = find(path);
    if (!entry || isDriveRoot(entry->path)) return {};
    return nameOf(entry->path);
}

std::string FakeFileSystem::windowsDirectory()
{
    return windowsDirectory_;
}

std::string FakeFileSystem::programDirectory()
{
    return programDirectory_;
}

void FakeFileSystem::setWindowsDirectory(const std::string& path)
{
    addFolder(path);
    windowsDirectory_ = normalise(path);
}

void FakeFileSystem::setProgramDirectory(const std::string& path)
{
    addFolder(path);
    programDirectory_ = normalise(path) + "\\";
}

void FakeFileSystem::addFolder(const std::string& path)
{
    const std::string normalised = normalise(path);
    if (normalised.empty()) return;
    if (!isDriveRoot(normalised)) addFolder(parentOf(normalised));
    if (Entry* entry = find(normalised)) {
        if (!entry->folder) throw std::logic_error("a file is in the way of folder " + path);
        return;
    }
    entries_[upper(normalised)] = Entry{normalised, true, 0, {}};
}

void FakeFileSystem::addFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                             std::uint32_t attributes)
{
    const std::string normalised = normalise(path);
    addFolder(parentOf(normalised));
    if (Entry* entry = find(normalised)) {
        if (entry->folder) throw std::logic_error("a folder is in the way of file " + path);
        entry->bytes = bytes;
        entry->attributes = attributes & KeptBits;
        return;
    }
    entries_[upper(normalised)] = Entry{normalised, false, attributes & KeptBits, bytes};
}

void FakeFileSystem::addFile(const std::string& path, const std::string& text, std::uint32_t attributes)
{
    addFile(path, std::vector<std::uint8_t>(text.begin(), text.end()), attributes);
}

std::string FakeFileSystem::fileText(const std::string& path)
{
    const Entry* entry = find(path);
    if (!entry || entry->folder) throw std::logic_error("no such file: " + path);
    return std::string(entry->bytes.begin(), entry->bytes.end());
}

} // namespace lv::fakes
