#pragma once
// What every transparent control shares under Win32: the capture depth, the
// thread's message watch that tells watched controls to refresh, and the
// part of each control that holds its `Transparent` switch and the picture
// of its parent under it, and composes the control's look over it.
//
// A parent must paint its client area for WM_PRINTCLIENT (that is how the
// picture under a control is taken; its other child windows, not the
// transparent ones, are printed into that picture the same way) and should
// have WS_CLIPCHILDREN.
#include "base/ErrorBoundary.h"
#include "controls/Picture.h"
#include "controls/TrCtrls.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <functional>
#include <string>

namespace lv::win32 {

// Where the transparent controls' window procedures send the message of an
// exception from a handler (an OnClick), which stops there: by default a
// message box with the application's title over the control's window.
void setTransparentControlErrorReport(ErrorReport report);
// Sends a message there, for a failure in a control's window.
void reportTransparentControlError(HWND window, const std::string& message);
// Runs a window procedure's work behind that boundary; failed is returned
// after a reported exception.
LRESULT runTransparentControlGuarded(HWND window, const std::function<LRESULT()>& work, LRESULT failed = 0);

// Above 0 while a parent paints itself for a background capture: no
// transparent control paints then, so none shows in its own background.
bool capturingBackground();

// Whether the thread's message watch is installed (it is while at least
// one control is watched).
bool refreshWatchInstalled();

// The text font of the transparent controls: the usual dialog font without
// smoothing, whose edge pixels, half face colour, would stay round the
// letters as a pale halo once the face colour is taken away. Lives as long
// as the program.
HFONT transparentControlFont();

// A picture of what a device context shows in a rectangle.
Picture grab(HDC dc, int x, int y, int width, int height);

class TransparentPart {
public:
    // A watched part asks for refresh notices while it is transparent; the
    // buttons of a radio group are not watched: their group refreshes them.
    explicit TransparentPart(bool watched = true);
    ~TransparentPart();
    TransparentPart(const TransparentPart&) = delete;
    TransparentPart& operator=(const TransparentPart&) = delete;

    // The window is a transparent control from now on (call once it exists).
    void attach(HWND window);
    // The window is going (WM_NCDESTROY): no more notices, no more painting.
    void detach();
    HWND window() const { return window_; }

    bool Transparent() const { return trans_.Transparent(); }
    // Switches, invalidates and repaints the window and its children.
    void setTransparent(bool on);
    // The refresh message, or a move: take the background again and repaint.
    void refresh();
    // Resized: the cached picture no longer fits.
    void resized();

    // Paints the window: its normal look, drawn by paintNormal on an
    // off-screen surface filled with the face colour, over the picture
    // behind it, except where the look has its bottom-left colour.
    void paint(HDC dc, const std::function<void(HDC)>& paintNormal);

    // The picture of the parent under this control, taken when needed.
    HDC cachedBackground();

private:
    Picture background();
    void capture();
    void releaseCache();

    TTransObject trans_;
    bool watched_;
    HWND window_ = nullptr;
    MemoryCanvas cache_;
};

// The transparent part of a window, or null when it is no transparent
// control.
TransparentPart* transparentPartOf(HWND window);

} // namespace lv::win32
