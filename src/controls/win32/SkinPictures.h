#pragma once
// Skin pictures from the program's resources, and their painting.
#include "controls/Picture.h"
#include "controls/hbitbtn.h"

#include <windows.h>

#include <string>

namespace lv::win32 {

// The bitmap resource of that name in the module; throws lv::Error when it
// is missing or unreadable.
Picture loadSkinPicture(HINSTANCE module, const std::string& name);

// Gives a skinned button its three looks, the resources STEM_IDLE, STEM_UP
// (the mouse over it) and STEM_DOWN (pressed).
void dressButton(HINSTANCE module, Thbitbtn& button, const std::string& stem);

// Copies a picture, or the part of it from its top-left corner that covers
// width x height, opaquely onto a device context.
void drawPicture(HDC dc, const Picture& picture, int x, int y);
void drawPicturePart(HDC dc, const Picture& picture, int x, int y, int width, int height);

} // namespace lv::win32
