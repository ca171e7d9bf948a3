#pragma once
// The window of the folder-import dialog `Taddfolder`: shown without
// blocking the main window, hidden (never destroyed) when closed, so its
// folder, filter and choices stay between uses.
#include "base/ErrorBoundary.h"
#include "dialogs/folder.h"

#include <windows.h>

#include <functional>
#include <string>

namespace lv::win32 {

class FolderWindow {
public:
    // Runs a handler of the main window with its controls read first and
    // shown afterwards, inside the error boundary.
    using Run = std::function<void(const std::function<void()>&)>;

    // report shows a failure that escapes a message handler.
    FolderWindow(HINSTANCE instance, HWND owner, Taddfolder& folder, Run run, ErrorReport report);
    ~FolderWindow();
    FolderWindow(const FolderWindow&) = delete;
    FolderWindow& operator=(const FolderWindow&) = delete;

    void show();
    HWND handle() const { return window_; }

private:
    template <class Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    void attach(HWND window) { window_ = window; }
    void detach() { window_ = nullptr; }
    void reportError(const std::string& message) { report_(message); }
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void makeControls();
    HWND child(const char* className, const char* caption, DWORD style, int x, int y, int w, int h, int id);
    void command(int id, int notification);
    void refresh();
    void openTreeLine();
    void drawTreeLine(const DRAWITEMSTRUCT& item);

    static LRESULT CALLBACK treeProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HINSTANCE instance_;
    Taddfolder& folder_;
    Run run_;
    ErrorReport report_;
    HWND window_ = nullptr;
    HWND drives_ = nullptr, path_ = nullptr, tree_ = nullptr, files_ = nullptr, filter_ = nullptr,
         add_ = nullptr, insert_ = nullptr, nodupes_ = nullptr;
};

} // namespace lv::win32
