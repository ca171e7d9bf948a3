// The kit's holders give back every GDI object and DC they own and restore
// what they selected, also when one is moved over another.
#include "platform/win32/Handles.h"

#include "win32/GdiObjects.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using lv::test::liveGdiObjects;

TEST(Win32Handles, CanvasesBrushesAndDcsLeaveNothingBehind)
{
    const int before = liveGdiObjects();
    {
        const lv::win32::WindowDC screen;
        lv::win32::MemoryCanvas canvas(screen.get(), 40, 30);
        ASSERT_TRUE(canvas.valid());
        lv::win32::GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(1, 2, 3)));
        {
            const lv::win32::SelectedObject selected(canvas.get(), brush.get());
            PatBlt(canvas.get(), 0, 0, 40, 30, PATCOPY);
        }
        // Moved over a live canvas: the old one goes, the new one stays usable.
        canvas = lv::win32::MemoryCanvas(screen.get(), 20, 10);
        ASSERT_TRUE(canvas.valid());
        EXPECT_EQ(SetPixel(canvas.get(), 5, 5, RGB(9, 9, 9)), RGB(9, 9, 9));
        lv::win32::MemoryCanvas taken(std::move(canvas));
        EXPECT_FALSE(canvas.valid());
        EXPECT_TRUE(taken.valid());
        auto otherBrush = std::move(brush);
        EXPECT_FALSE(brush);
    }
    EXPECT_EQ(liveGdiObjects(), before);
}

TEST(Win32Handles, SelectedObjectPutsThePreviousObjectBack)
{
    const lv::win32::WindowDC screen;
    const lv::win32::MemoryDC dc(screen.get());
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BRUSH);
    const lv::win32::GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(4, 5, 6)));
    {
        lv::win32::SelectedObject first(dc.get(), brush.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
        lv::win32::SelectedObject moved(std::move(first));
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

} // namespace
