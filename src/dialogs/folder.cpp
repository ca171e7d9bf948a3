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

// Names as the system shows them in its lists: by name, letter case ignored.
bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(upper(x)) < static_cast<unsigned char>(upper(y));
    });
}

// The length of a path's root: "C:\" or "\\server\share\".
std::size_t rootLength(const std::string& path)
{
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
    if (path.rfind("\\\\", 0) == 0) {
        const auto server = path.find('\\', 2);
        const auto share = server == std::string::npos ? server : path.find('\\', server + 1);
        return share == std::string::npos ? path.size() : share + 1;
    }
    return 0;
}

// A folder as the tree and the label show it: a drive's root with its
// backslash, every other folder without one.
std::string tidyFolder(std::string folder)
{
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    while (folder.size() > rootLength(folder) && folder.size() > 1 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

std::string withSlash(const std::string& folder)
{
    return folder.empty() || folder.back() == '\\' ? folder : folder + '\\';
}

bool isHiddenOrSystem(FileSystem& files, const std::string& path)
{
    const auto attributes = files.attributes(path);
    return attributes && (*attributes & (FileAttr::Hidden | FileAttr::System));
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
    DriveComboBox1.items.clear();
    for (const std::string& root : files.drives())
        DriveComboBox1.items.push_back(root.substr(0, 2));
    setFolder(currentFolder);
}

void Taddfolder::setFolder(const std::string& folder)
{
    folder_ = tidyFolder(folder);
    Label1.caption = folder_;
    int drive = -1;
    for (std::size_t i = 0; i < DriveComboBox1.items.size(); ++i)
        if (folder_.size() >= 2 && upper(folder_[0]) == upper(DriveComboBox1.items[i][0]) && folder_[1] == ':')
            drive = static_cast<int>(i);
    DriveComboBox1.setItemIndex(drive);
    refreshTree();
    refreshFileList();
}

void Taddfolder::refreshTree()
{
    std::vector<FolderTreeLine>& lines = DirectoryListBox1.lines;
    lines.clear();
    if (folder_.empty()) {
        DirectoryListBox1.currentIndex = DirectoryListBox1.itemIndex = -1;
        return;
    }
    const std::size_t root = rootLength(folder_);
    lines.push_back({root ? folder_.substr(0, root) : folder_, 0, true});
    for (std::size_t start = root; root && start < folder_.size();) {
        const auto end = std::min(folder_.find('\\', start), folder_.size());
        if (end > start)
            lines.push_back({folder_.substr(start, end - start), static_cast<int>(lines.size()), true});
        start = end + 1;
    }
    DirectoryListBox1.currentIndex = DirectoryListBox1.itemIndex = static_cast<int>(lines.size()) - 1;
    if (!files_)
        return;
    const int level = static_cast<int>(lines.size());
    std::vector<std::string> names;
    for (std::string& name : files_->listFolders(folder_))
        if (!isHiddenOrSystem(*files_, withSlash(folder_) + name))
            names.push_back(std::move(name));
    std::stable_sort(names.begin(), names.end(), lessIgnoringCase);
    for (std::string& name : names)
        lines.push_back({std::move(name), level, false});
}

std::string Taddfolder::folderOfLine(int line) const
{
    const FolderTreeState& tree = DirectoryListBox1;
    if (line < 0 || line >= static_cast<int>(tree.lines.size()))
        return {};
    if (line > tree.currentIndex)
        return withSlash(folder_) + tree.lines[static_cast<std::size_t>(line)].name;
    std::string path = tree.lines[0].name;
    for (int i = 1; i <= line; ++i)
        path = withSlash(path) + tree.lines[static_cast<std::size_t>(i)].name;
    return path;
}

void Taddfolder::DirectoryListBox1DblClick()
{
    const std::string chosen = folderOfLine(DirectoryListBox1.itemIndex);
    if (!chosen.empty())
        setFolder(chosen);
}

void Taddfolder::DriveComboBox1Change()
{
    const std::string drive = DriveComboBox1.text();
    if (!drive.empty())
        setFolder(drive + "\\");
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
    std::vector<std::string> names;
    for (std::string& name : files_->listFiles(folder_))
        if (matchesMask(name, masks) && !isHiddenOrSystem(*files_, withSlash(folder_) + name))
            names.push_back(std::move(name));
    std::stable_sort(names.begin(), names.end(), lessIgnoringCase);
    FileListBox1.setItems(std::move(names));
}

void Taddfolder::Button1Click()
{
    if (importFiles)
        importFiles();
}

} // namespace lv
