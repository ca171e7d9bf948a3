// Files that join the list from outside the open dialogs: a drop from the
// shell, and the folder dialog's import.
#include "app/mainform.h"
#include "base/Text.h"

#include <unordered_set>

namespace lv {

void Tmainform::WMDropFiles(const std::vector<std::string>& names)
{
    const Placement placement = dmode.itemIndex == 1 ? Placement::Insert : Placement::Append;
    placeBatch(names, true, placement);
}

void Tmainform::Button2Click()
{
    if (!folder_ || folder_->folder().empty())
        return;
    std::string folder = folder_->folder();
    if (folder.back() != '\\')
        folder += '\\';
    const std::vector<std::string>& names = folder_->FileListBox1.items;
    if (names.empty())
        return;
    const Placement placement = folder_->addins.itemIndex == 1 ? Placement::Insert : Placement::Append;
    const bool noDuplicates = folder_->nodupes.checked;

    std::vector<std::string> candidates;
    for (const std::string& name : names)
        if (platform_.files.fileExists(folder + name))
            candidates.push_back(folder + name);
    if (noDuplicates && !list.empty()) {
        std::unordered_set<std::string> inList;
        for (const std::string& entry : list.items)
            inList.insert(upperCaseAtoZ(entry));
        std::erase_if(candidates, [&](const std::string& path) { return inList.contains(upperCaseAtoZ(path)); });
    }
    if (!candidates.empty())
        placeBatch(candidates, false, placement);
}

} // namespace lv
