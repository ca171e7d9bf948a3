#include "dialogs/folder.h"

#include "desktop/ActDesk.h"

#include <algorithm>
#include <cctype>

namespace lv {

namespace {

char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Glob match with backtracking to the last "*": linear in practice.
bool matchesPattern(const std::string& name, const std::string& pattern)
{
    if (pattern == "*" || pattern == "*.*")
        return true;
    std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || upper(pattern[p]) == upper(name[n]))) {
            ++n;
            ++p;
        }
        else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        }
        else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        }
        else
            return false;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

bool matchesMask(const std::string& name, const std::string& masks)
{
    for (const std::string& pattern : split(masks, ';'))
        if (!trimmed(pattern).empty() && matchesPattern(name, trimmed(pattern)))
            return true;
    return false;
}

Taddfolder::Taddfolder()
{
    addins.items = {"&Add Files", "&Insert Files"};
    addins.itemIndex = 0;
    Label2.caption = "Files that will be Added/Inserted:";
    setFilter(filter);
}

void Taddfolder::FormCreate(FileSystem& files, ActiveDesktopService& activeDesktop, const std::string& currentFolder)
{
    files_ = &files;
    Caption = ActiveDesktopAvailable(activeDesktop) ? FolderCaptionWithActiveDesktop
                                                    : FolderCaptionWithoutActiveDesktop;
    setFolder(currentFolder);
}

void Taddfolder::setFolder(const std::string& folder)
{
    folder_ = folder;
    Label1.caption = folder;
    refreshFileList();
}

void Taddfolder::setFilter(const std::string& filterText)
{
    filter = filterText;
    FilterComboBox1.items.clear();
    masks_.clear();
    const auto parts = split(filterText, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FilterComboBox1.items.push_back(parts[i]);
        masks_.push_back(parts[i + 1]);
    }
    FilterComboBox1.setItemIndex(0);
    refreshFileList();
}

void Taddfolder::FilterComboBox1Change()
{
    refreshFileList();
}

void Taddfolder::refreshFileList()
{
    FileListBox1.clear();
    const int entry = FilterComboBox1.itemIndex;
    if (!files_ || folder_.empty() || entry < 0 || entry >= static_cast<int>(masks_.size()))
        return;
    const std::string& masks = masks_[static_cast<std::size_t>(entry)];
    const std::string prefix = folder_.back() == '\\' ? folder_ : folder_ + '\\';
    std::vector<std::string> names;
    for (std::string& name : files_->listFiles(folder_)) {
        if (!matchesMask(name, masks))
            continue;
        const auto attributes = files_->attributes(prefix + name);
        if (attributes && (*attributes & (FileAttr::Hidden | FileAttr::System)))
            continue;
        names.push_back(std::move(name));
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(upper(x)) <
                                                       static_cast<unsigned char>(upper(y));
                                            });
    });
    FileListBox1.setItems(std::move(names));
}

void Taddfolder::Button1Click()
{
    if (importFiles)
        importFiles();
}

} // namespace lv
