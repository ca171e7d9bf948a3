#pragma once
// The main window's fixed frame: its class, title, size and the places of
// the title strip and title boxes that every skin keeps.
#include "base/Geometry.h"
#include "base/ProgramIdentities.h"

namespace lv {

constexpr const char* MainFormClassName = ControlCenterIdentity.windowClass;
constexpr const char* MainFormTitle = ControlCenterIdentity.title;
constexpr Size MainFormClientSize{591, 426};

constexpr Rect DragBarRect{48, 1, 545, 20};
constexpr Rect MinimiseBoxRect{540, 3, 14, 14};
constexpr Rect CloseBoxRect{556, 3, 14, 14};

} // namespace lv
