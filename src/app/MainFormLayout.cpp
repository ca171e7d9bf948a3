#include "app/MainFormLayout.h"

namespace lv {

ChromePart chromePartAt(Point client)
{
    if (CloseBoxRect.contains(client))
        return ChromePart::CloseBox;
    if (MinimiseBoxRect.contains(client))
        return ChromePart::MinimiseBox;
    if (DragBarRect.contains(client))
        return ChromePart::DragBar;
    return ChromePart::None;
}

} // namespace lv
