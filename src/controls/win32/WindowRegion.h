#pragma once
// Gives a borderless window the shape of an outline.
#include "base/Geometry.h"

#include <windows.h>

#include <vector>

namespace lv::win32 {

// A polygon region filled by the winding rule becomes the window's region
// (the system owns it from then on); the window is redrawn. False when the
// system refused.
bool applyOutline(HWND window, const std::vector<Point>& outline);

} // namespace lv::win32
