#include "app/win32/FolderWindow.h"

#include "app/win32/Application.h"
#include "platform/Error.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace lv::win32 {

namespace {

constexpr const char* ClassName = "Taddfolder";
enum : int { DrivesId = 300, PathId, FoldersId, FilesId, FilterId, AddId, InsertId, NodupesId };
constexpr const char* ParentEntry = "[..]";

std::string withSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

FolderWindow::FolderWindow(HINSTANCE instance, HWND owner, Taddfolder& folder, Run run)
    : instance_(instance), folder_(folder), run_(std::move(run))
{
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = ClassName;
        atom = RegisterClassExA(&windowClass);
        if (!atom)
            throw Error("Cannot register the window class Taddfolder: " + systemErrorText(GetLastError()));
    }
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    RECT outer{0, 0, 436, 300};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
    window_ = CreateWindowExA(WS_EX_DLGMODALFRAME, ClassName, folder.Caption.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                              instance, this);
    if (!window_)
        throw Error("Cannot create the folder dialog: " + systemErrorText(GetLastError()));

    drives_ = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 8, 8, 80, 200, DrivesId);
    path_ = child("STATIC", "", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, 96, 11, 332, 14, PathId);
    folders_ = child("LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 8, 34,
                     200, 176, FoldersId);
    files_ = child("LISTBOX", "", WS_VSCROLL | WS_BORDER | LBS_NOSEL | LBS_NOINTEGRALHEIGHT, 216, 34, 212, 176,
                   FilesId);
    filter_ = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 216, 218, 212, 200, FilterId);
    add_ = child("BUTTON", "&Add Files", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 8, 220, 96, 16, AddId);
    insert_ = child("BUTTON", "&Insert Files", BS_AUTORADIOBUTTON, 108, 220, 100, 16, InsertId);
    nodupes_ = child("BUTTON", "&No Duplicates", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 8, 244, 160, 16, NodupesId);
    child("BUTTON", "&OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 270, 268, 75, 24, IDOK);
    child("BUTTON", "&Cancel", BS_PUSHBUTTON | WS_TABSTOP, 353, 268, 75, 24, IDCANCEL);

    char drives[512] = "";
    const DWORD length = GetLogicalDriveStringsA(sizeof drives, drives);
    for (const char* d = drives; length < sizeof drives && *d; d += std::strlen(d) + 1) {
        const std::string drive(d, 2);
        SendMessageA(drives_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
    }
}

FolderWindow::~FolderWindow()
{
    if (window_)
        DestroyWindow(window_);
}

HWND FolderWindow::child(const char* className, const char* caption, DWORD style, int x, int y, int w, int h, int id)
{
    const HWND control = CreateWindowExA(0, className, caption, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!control)
        throw Error("Cannot create the control \"" + std::string(caption) + "\": " + systemErrorText(GetLastError()));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

void FolderWindow::show()
{
    SetWindowTextA(window_, folder_.Caption.c_str());
    refresh();
    // Centred over its owner the first time; where the user left it later.
    static bool placed = false;
    if (!placed) {
        placed = true;
        RECT owner, self;
        GetWindowRect(GetWindow(window_, GW_OWNER), &owner);
        GetWindowRect(window_, &self);
        SetWindowPos(window_, nullptr, owner.left + ((owner.right - owner.left) - (self.right - self.left)) / 2,
                     owner.top + ((owner.bottom - owner.top) - (self.bottom - self.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void FolderWindow::listFolders()
{
    SendMessageA(folders_, LB_RESETCONTENT, 0, 0);
    const std::string folder = withSlash(folder_.folder());
    if (folder.size() > 3)
        SendMessageA(folders_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ParentEntry));
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return lowered(a) < lowered(b); });
    for (const std::string& name : names)
        SendMessageA(folders_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    listed_ = folder_.folder();
}

void FolderWindow::refresh()
{
    SetWindowTextA(path_, folder_.Label1.caption.c_str());
    const std::string drive = folder_.folder().substr(0, 2);
    SendMessageA(drives_, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(drive.c_str()));
    listFolders();
    SendMessageA(files_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : folder_.FileListBox1.items)
        SendMessageA(files_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(filter_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : folder_.FilterComboBox1.items)
        SendMessageA(filter_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(filter_, CB_SETCURSEL, static_cast<WPARAM>(folder_.FilterComboBox1.itemIndex), 0);
    SendMessageA(add_, BM_SETCHECK, folder_.addins.itemIndex == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(insert_, BM_SETCHECK, folder_.addins.itemIndex == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(nodupes_, BM_SETCHECK, folder_.nodupes.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FolderWindow::openFolder(const std::string& folder)
{
    folder_.setFolder(folder);
    refresh();
}

void FolderWindow::command(int id, int notification)
{
    switch (id) {
    case DrivesId:
        if (notification == CBN_SELCHANGE) {
            char drive[8] = "";
            const LRESULT at = SendMessageA(drives_, CB_GETCURSEL, 0, 0);
            if (at >= 0 && SendMessageA(drives_, CB_GETLBTEXTLEN, static_cast<WPARAM>(at), 0) < 8) {
                SendMessageA(drives_, CB_GETLBTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(drive));
                openFolder(std::string(drive) + "\\");
            }
        }
        break;
    case FoldersId:
        if (notification == LBN_DBLCLK) {
            const LRESULT at = SendMessageA(folders_, LB_GETCURSEL, 0, 0);
            if (at < 0)
                break;
            std::string name(static_cast<std::size_t>(SendMessageA(folders_, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0)) + 1, '\0');
            SendMessageA(folders_, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name.data()));
            name.resize(name.find('\0'));
            std::string folder = folder_.folder();
            if (name == ParentEntry) {
                if (!folder.empty() && folder.back() == '\\')
                    folder.pop_back();
                const auto cut = folder.find_last_of('\\');
                folder = cut == std::string::npos ? folder : folder.substr(0, cut);
                if (folder.size() == 2)
                    folder += '\\';
            }
            else
                folder = withSlash(folder) + name;
            openFolder(folder);
        }
        break;
    case FilterId:
        if (notification == CBN_SELCHANGE) {
            folder_.FilterComboBox1.setItemIndex(static_cast<int>(SendMessageA(filter_, CB_GETCURSEL, 0, 0)));
            folder_.FilterComboBox1Change();
            refresh();
        }
        break;
    case AddId:
    case InsertId:
        if (notification == BN_CLICKED)
            folder_.addins.setItemIndex(id == AddId ? 0 : 1);
        break;
    case NodupesId:
        if (notification == BN_CLICKED)
            folder_.nodupes.checked = SendMessageA(nodupes_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        break;
    case IDOK:
        // Closed first, then the main window imports.
        ShowWindow(window_, SW_HIDE);
        run_([this] { folder_.Button1Click(); });
        break;
    case IDCANCEL:
        ShowWindow(window_, SW_HIDE);
        folder_.Button2Click();
        break;
    default:
        break;
    }
}

LRESULT FolderWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        run_([&] { command(LOWORD(wParam), HIWORD(wParam)); });
        return 0;
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK FolderWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FolderWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<FolderWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || message == WM_NCDESTROY) {
        if (self) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->dispatch(message, wParam, lParam);
}

} // namespace lv::win32
