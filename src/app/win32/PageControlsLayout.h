#pragma once
// What the files of the page controls share: the controls' identifiers and
// where they sit on the cycler pages' panels.
#include "base/Geometry.h"

#include <windows.h>

namespace lv::win32 {

class PageControls;

namespace pagecontrols {

// Child control identifiers.
enum : int {
    ListId = 200,
    NextId,
    NextCaptionId,
    DimId,
    SswaitId,
    SswaitSpinId,
    SswaitCaptionId,
    ItemboxId,
    AsoundsId,
    Label1Id,
    Label3Id,
    Clab1Id,
    Clab2Id,
    Name2Id,
    PicId,
    BoxBaseId = 230,   // autopaper, preview, scrchange, t1 .. t8
    RadioBaseId = 250, // itemoptions, dmode, paperoptions
};

// Where the controls sit on the cycler pages' panels: the list in its well
// with the two selection lines under it, the item's own choices in the
// "This item" column, the page's options beside its buttons.
constexpr Rect ListBounds{88, 64, 282, 130};
constexpr Rect Label1Bounds{92, 198, 62, 14};
constexpr Rect Label3Bounds{156, 198, 210, 14};
constexpr Rect Clab1Bounds{92, 214, 62, 14};
constexpr Rect Clab2Bounds{156, 214, 210, 14};
constexpr int ColumnLeft = 412;
constexpr int ColumnWidth = 160;

// The control set a subclassed control's procedure was given.
inline PageControls* selfOf(DWORD_PTR data)
{
    return reinterpret_cast<PageControls*>(data);
}

} // namespace pagecontrols

} // namespace lv::win32
