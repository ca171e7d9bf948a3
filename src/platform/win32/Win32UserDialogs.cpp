#include "platform/win32/Win32UserDialogs.h"

#include "platform/FileDialogText.h"

#include <windows.h>
#include <commdlg.h>

namespace lv::win32 {

namespace {

// Room for several thousand names chosen at once.
constexpr DWORD SelectionBufferSize = 256 * 1024;

} // namespace

bool Win32UserDialogs::confirm(const std::string& text)
{
    HWND owner = owner_ ? reinterpret_cast<HWND>(owner_) : GetActiveWindow();
    return MessageBoxA(owner, text.c_str(), "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32UserDialogs::showError(const std::string& text)
{
    HWND owner = owner_ ? reinterpret_cast<HWND>(owner_) : GetActiveWindow();
    MessageBoxA(owner, text.c_str(), ApplicationTitle, MB_OK | MB_ICONERROR);
}

void Win32UserDialogs::showMessage(const std::string& title, const std::string& text)
{
    HWND owner = owner_ ? reinterpret_cast<HWND>(owner_) : GetActiveWindow();
    MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

std::vector<std::string> Win32UserDialogs::openFiles(const std::string& filter, const std::string& title)
{
    const std::string filterText = dialogFilter(filter);
    std::string result(SelectionBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_ ? reinterpret_cast<HWND>(owner_) : GetActiveWindow();
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = result.data();
    dialog.nMaxFile = SelectionBufferSize;
    // No title asks for the system's own ("Open").
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog)) return {};
    return selectedPaths(result);
}

void Win32Ui::setHourglass(bool on)
{
    if (!on && depth_ == 0) return;
    depth_ += on ? 1 : -1;
    if (depth_ <= 1) SetCursor(LoadCursorA(nullptr, depth_ > 0 ? IDC_WAIT : IDC_ARROW));
}

void Win32Ui::processMessages()
{
    // Long work calls this once a decoded row, thousands of times a second,
    // and one look at the queue costs tens of microseconds under Wine: while
    // the hourglass shows, the queue is looked at once per tick of the
    // system clock (10 to 16 ms), often enough for repaints.
    if (depth_ > 0) {
        const DWORD now = GetTickCount();
        if (now == lastLook_) return;
        lastLook_ = now;
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The main loop must still see the request to end.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Win32Ui::paintWindows()
{
    // A window whose painting leaves its area invalid would be asked again
    // and again; a bound ends the round.
    MSG message;
    for (int i = 0; i < 256 && PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        DispatchMessageA(&message);
}

} // namespace lv::win32
