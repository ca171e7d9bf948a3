#include "dialogs/folder.h"

namespace lv {

Taddfolder::Taddfolder()
{
    addins.items = {"&Add Files", "&Insert Files"};
    addins.itemIndex = 0;
}

} // namespace lv
