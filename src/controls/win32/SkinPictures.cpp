#include "controls/win32/SkinPictures.h"

#include "base/Error.h"

#include <algorithm>

namespace lv::win32 {

void dressButton(HINSTANCE module, Thbitbtn& button, const std::string& stem)
{
    button.setBitmap_Up(loadSkinPicture(module, stem + "_UP"));
    button.setBitmap_Down(loadSkinPicture(module, stem + "_DOWN"));
    button.setBitmap_Idle(loadSkinPicture(module, stem + "_IDLE"));
}

Picture loadSkinPicture(HINSTANCE module, const std::string& name)
{
    const HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2)); // RT_BITMAP
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw Error("The skin picture " + name + " is missing from the program");
    return pictureFromDib(static_cast<const std::uint8_t*>(data), SizeofResource(module, found));
}

void drawPicture(HDC dc, const Picture& picture, int x, int y)
{
    drawPicturePart(dc, picture, x, y, picture.width(), picture.height());
}

void drawPicturePart(HDC dc, const Picture& picture, int x, int y, int width, int height)
{
    if (picture.empty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height(); // rows from the top, as the picture holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    width = std::min(width, picture.width());
    height = std::min(height, picture.height());
    if (width <= 0 || height <= 0)
        return;
    // A picture's pixels are 0x00RRGGBB: in memory the B, G, R, 0 bytes of a
    // 32-bit DIB, so they go to the device as they are.
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(picture.height()), picture.pixels().data(), &info, DIB_RGB_COLORS);
}

} // namespace lv::win32
