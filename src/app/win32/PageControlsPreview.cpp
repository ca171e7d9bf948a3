// The preview picture: drawn from the preview bitmap the logic loaded.
#include "app/win32/PageControls.h"

#include "app/win32/PageControlsLayout.h"
#include "base/Error.h"
#include "imaging/Dib.h"
#include "platform/win32/Handles.h"

#include <optional>

namespace lv::win32 {

using namespace pagecontrols;

namespace {

// The preview's bitmap file as the one bitmap reader sees it; none when there
// is no picture or one it refuses (the frame then shows its own fill).
std::optional<imaging::DibLayout> previewLayout(const std::vector<std::uint8_t>* file)
{
    if (!file)
        return std::nullopt;
    try {
        return imaging::readBitmapFile(*file);
    } catch (const Error&) {
        return std::nullopt;
    }
}

} // namespace

bool PageControls::drawItem(const DRAWITEMSTRUCT& item)
{
    if (item.hwndItem != pic_)
        return false;
    const RECT& r = item.rcItem;
    if (const auto bitmap = previewLayout(picShown_.get())) {
        const std::uint8_t* file = picShown_->data();
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchDIBits(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, bitmap->width,
                      bitmap->height, file + bitmap->pixelsOffset,
                      reinterpret_cast<const BITMAPINFO*>(file + bitmap->infoOffset), DIB_RGB_COLORS, SRCCOPY);
    }
    else {
        // No picture (or one this view cannot read): the frame's own light fill.
        GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(236, 240, 248)));
        FillRect(item.hDC, &r, brush.get());
    }
    return true;
}

void PageControls::bringPreviewToFront()
{
    moveZOrder(ZOrderMove::PreviewToFront);
}

void PageControls::sendPreviewToBack()
{
    moveZOrder(ZOrderMove::PreviewToBack);
}

} // namespace lv::win32
