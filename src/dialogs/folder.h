#pragma once
// The folder-import dialog `Taddfolder`: how a folder's files join the list.
#include "controls/ControlState.h"

namespace lv {

class Taddfolder {
public:
    Taddfolder();

    // "How to add files:" 0 = "&Add Files", 1 = "&Insert Files".
    RadioGroupState addins;
    // "&No Duplicates": leave out files already in the list.
    CheckBoxState nodupes;
    // The file filter of the open dialog of the page shown last.
    std::string filter;
};

} // namespace lv
