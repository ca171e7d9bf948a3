#pragma once
// The folder-import dialog `Taddfolder`: a folder's matching files, and how
// they join the main window's list. It lives for the whole run; closing it
// only hides it, so its folder, filter and choices are kept between uses.
#include "controls/ControlState.h"
#include "platform/ActiveDesktop.h"
#include "platform/FileSystem.h"

#include <functional>
#include <string>
#include <vector>

namespace lv {

constexpr const char* FolderCaptionWithoutActiveDesktop = "Add/Insert Folder (Active Desktop support: No)";
constexpr const char* FolderCaptionWithActiveDesktop = "Add/Insert Folder (Active Desktop support: Yes)";
// What the file list offers before a cycler page gives it its filter.
constexpr const char* AllFilesFilter = "All files (*.*)|*.*";

// One line of the folder tree, drawn as a directory list of old: the
// current folder's path from the drive's root down, each folder opened, then
// the current folder's subfolders, closed, one step further in.
struct FolderTreeLine {
    // The root as "C:\", every other folder by its own name.
    std::string name;
    // Steps of indentation: 0 for the root.
    int level = 0;
    // A folder of the current path (the current one included), shown open.
    bool open = false;
};

// The folder tree `DirectoryListBox1`: its lines, the current folder's line
// and the line the user has moved to (opened by a double-click or Enter).
struct FolderTreeState : ControlState {
    std::vector<FolderTreeLine> lines;
    int currentIndex = -1;
    int itemIndex = -1;
};

class Taddfolder {
public:
    Taddfolder();

    // The window is made: it asks whether Active Desktop is available for
    // its caption and starts in the process's current folder.
    void FormCreate(FileSystem& files, ActiveDesktopService& activeDesktop, const std::string& currentFolder);

    // The folder tree chose a folder (the drive selector changes it too):
    // the tree, the folder label and the file list follow it.
    void setFolder(const std::string& folder);
    const std::string& folder() const { return folder_; }
    // The full path of a line of the folder tree; empty outside it.
    std::string folderOfLine(int line) const;
    // A double-click (or Enter) in the folder tree opens the line the user
    // is on: a folder of the path goes up to it, a subfolder down into it.
    void DirectoryListBox1DblClick();
    // The drive selector chose another drive: the tree starts at its root.
    void DriveComboBox1Change();
    // A cycler page gives the filter of its open dialog; the first entry is
    // chosen.
    void setFilter(const std::string& filterText);
    // The user chose another entry in the filter selector.
    void FilterComboBox1Change();
    // Lists the folder's ordinary files matching the chosen entry again.
    void refreshFileList();

    // "&OK": the view has hidden the window; the main window imports.
    void Button1Click();
    // "&Cancel": the view has hidden the window; nothing else happens.
    void Button2Click() {}

    std::string Caption = FolderCaptionWithoutActiveDesktop;
    // The drives as "C:"; the selected one is the current folder's.
    ComboBoxState DriveComboBox1;
    FolderTreeState DirectoryListBox1;
    // The chosen folder's path.
    LabelState Label1;
    LabelState Label2;
    // The names, without folder, of the files that an import takes.
    ListBoxState FileListBox1;
    // The descriptions of the filter's entries.
    ComboBoxState FilterComboBox1;
    // "How to add files:" 0 = "&Add Files", 1 = "&Insert Files".
    RadioGroupState addins;
    // "&No Duplicates": leave out files already in the list.
    CheckBoxState nodupes;
    // The whole filter, "description|patterns|...".
    std::string filter = AllFilesFilter;
    // The main window's import (its Button2Click), set when it attaches.
    std::function<void()> importFiles;

private:
    void refreshTree();

    FileSystem* files_ = nullptr;
    std::string folder_;
    // The patterns of each entry of FilterComboBox1.
    std::vector<std::string> masks_;
};

// Whether a file name matches one of the ";"-separated patterns ("*.jpg;
// *.jpeg"): "*" any run of characters, "?" one character, letter case
// ignored; "*.*" and "*" match every name.
bool matchesMask(const std::string& name, const std::string& masks);

} // namespace lv
