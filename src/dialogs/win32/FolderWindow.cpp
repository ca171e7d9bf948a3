#include "dialogs/win32/FolderWindow.h"

#include "base/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Subclass.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowProcedure.h"

#include <commctrl.h>

#include <algorithm>

namespace lv::win32 {

namespace {

constexpr const char* ClassName = "Taddfolder";
enum : int {
    DrivesId = 300,
    PathId,
    TreeId,
    FilesId,
    FilterId,
    AddId,
    InsertId,
    NodupesId,
    FilesCaptionId,
    TreeCaptionId,
    DrivesCaptionId,
    FilterCaptionId,
    HowId,
};
constexpr int TreeLineHeight = 16;
constexpr int TreeIndent = 10;

// A folder glyph of 16 x 13 pixels: closed (a tab and a body) or open (the
// body with its front flap tipped forward), as old directory lists drew them.
void drawFolderGlyph(HDC dc, int x, int y, bool open)
{
    GdiObject<HPEN> outline(CreatePen(PS_SOLID, 1, RGB(128, 96, 0)));
    GdiObject<HBRUSH> back(CreateSolidBrush(RGB(224, 176, 48)));
    GdiObject<HBRUSH> front(CreateSolidBrush(RGB(255, 224, 112)));
    SelectedObject pen(dc, outline.get());
    {
        SelectedObject brush(dc, back.get());
        const POINT body[] = {{x, y + 12}, {x, y + 1}, {x + 5, y + 1}, {x + 6, y + 3}, {x + 13, y + 3}, {x + 13, y + 12}};
        Polygon(dc, body, 6);
    }
    SelectedObject brush(dc, front.get());
    if (open) {
        const POINT flap[] = {{x, y + 12}, {x + 3, y + 6}, {x + 16, y + 6}, {x + 13, y + 12}};
        Polygon(dc, flap, 4);
    }
    else
        Rectangle(dc, x, y + 5, x + 14, y + 13);
}

} // namespace

FolderWindow::FolderWindow(HINSTANCE instance, HWND owner, Taddfolder& folder, Run run, ErrorReport report)
    : instance_(instance), folder_(folder), run_(std::move(run)), report_(std::move(report))
{
    WindowClassOptions options;
    options.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    registerWindowClassOnce(instance, ClassName, &windowProcedure<FolderWindow>, options);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    RECT outer{0, 0, 436, 300};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
    window_ = CreateWindowExA(WS_EX_DLGMODALFRAME, ClassName, folder.Caption.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                              instance, this);
    if (!window_)
        throw Error("Cannot create the folder dialog: " + systemErrorText(GetLastError()));
}

void FolderWindow::makeControls()
{
    // Made when first shown, not at start-up, where the user would wait for
    // them.
    if (tree_)
        return;
    // Left: the folder tree under its path, the drive selector below it.
    // Right: the files an import takes, the filter below them.
    child("STATIC", "Folders:", SS_LEFTNOWORDWRAP, 8, 8, 200, 14, TreeCaptionId);
    path_ = child("STATIC", "", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, 8, 24, 200, 14, PathId);
    tree_ = child("LISTBOX", "",
                  LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER |
                      WS_TABSTOP,
                  8, 40, 200, 150, TreeId);
    SendMessageA(tree_, LB_SETITEMHEIGHT, 0, TreeLineHeight);
    setWindowSubclass(tree_, &treeProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    child("STATIC", "Drives:", SS_LEFTNOWORDWRAP, 8, 196, 200, 14, DrivesCaptionId);
    drives_ = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 8, 212, 200, 200, DrivesId);

    child("STATIC", folder_.Label2.caption.c_str(), SS_LEFTNOWORDWRAP, 216, 8, 212, 14, FilesCaptionId);
    files_ = child("LISTBOX", "", WS_VSCROLL | WS_BORDER | LBS_NOSEL | LBS_NOINTEGRALHEIGHT, 216, 24, 212, 166,
                   FilesId);
    child("STATIC", "List files of type:", SS_LEFTNOWORDWRAP, 216, 196, 212, 14, FilterCaptionId);
    filter_ = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 216, 212, 212, 200, FilterId);

    child("BUTTON", "How to add files:", BS_GROUPBOX, 8, 240, 200, 48, HowId);
    add_ = child("BUTTON", folder_.addins.items[0].c_str(), BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 16, 260, 88,
                 16, AddId);
    insert_ = child("BUTTON", folder_.addins.items[1].c_str(), BS_AUTORADIOBUTTON, 108, 260, 96, 16, InsertId);
    nodupes_ = child("BUTTON", "&No Duplicates", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 216, 244, 160, 16,
                     NodupesId);
    child("BUTTON", "&OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 270, 268, 75, 24, IDOK);
    child("BUTTON", "&Cancel", BS_PUSHBUTTON | WS_TABSTOP, 353, 268, 75, 24, IDCANCEL);
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
    makeControls();
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

void FolderWindow::refresh()
{
    SetWindowTextA(path_, folder_.Label1.caption.c_str());

    SendMessageA(drives_, CB_RESETCONTENT, 0, 0);
    for (const std::string& drive : folder_.DriveComboBox1.items)
        SendMessageA(drives_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
    SendMessageA(drives_, CB_SETCURSEL, static_cast<WPARAM>(folder_.DriveComboBox1.itemIndex), 0);

    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree_, LB_RESETCONTENT, 0, 0);
    for (const FolderTreeLine& line : folder_.DirectoryListBox1.lines)
        SendMessageA(tree_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.name.c_str()));
    SendMessageA(tree_, LB_SETCURSEL, static_cast<WPARAM>(folder_.DirectoryListBox1.itemIndex), 0);
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);

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

void FolderWindow::openTreeLine()
{
    folder_.DirectoryListBox1.itemIndex = static_cast<int>(SendMessageA(tree_, LB_GETCURSEL, 0, 0));
    folder_.DirectoryListBox1DblClick();
    refresh();
}

void FolderWindow::drawTreeLine(const DRAWITEMSTRUCT& item)
{
    const auto& lines = folder_.DirectoryListBox1.lines;
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= lines.size())
        return;
    const FolderTreeLine& line = lines[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    const int x = r.left + 2 + TreeIndent * line.level;
    drawFolderGlyph(dc, x, r.top + 1, line.open);

    RECT text{x + 20, r.top, r.right, r.bottom};
    SIZE extent{};
    GetTextExtentPoint32A(dc, line.name.c_str(), static_cast<int>(line.name.size()), &extent);
    RECT mark{text.left - 2, r.top + 1, std::min<LONG>(text.left + extent.cx + 2, r.right), r.bottom - 1};
    if (selected)
        FillRect(dc, &mark, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, line.name.c_str(), static_cast<int>(line.name.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &mark);
}

void FolderWindow::command(int id, int notification)
{
    switch (id) {
    case DrivesId:
        if (notification == CBN_SELCHANGE) {
            folder_.DriveComboBox1.setItemIndex(static_cast<int>(SendMessageA(drives_, CB_GETCURSEL, 0, 0)));
            folder_.DriveComboBox1Change();
            refresh();
        }
        break;
    case TreeId:
        if (notification == LBN_SELCHANGE)
            folder_.DirectoryListBox1.itemIndex = static_cast<int>(SendMessageA(tree_, LB_GETCURSEL, 0, 0));
        else if (notification == LBN_DBLCLK)
            openTreeLine();
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
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.hwndItem != tree_)
            break;
        // Painting only: nothing here throws, and the main window's
        // controls need no reading or showing for it.
        drawTreeLine(item);
        return TRUE;
    }
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK FolderWindow::treeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data)
{
    auto* self = reinterpret_cast<FolderWindow*>(data);
    // Enter opens the line the user moved to, as a double-click does.
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        self->run_([self] { self->openTreeLine(); });
        return 0;
    }
    if (message == WM_NCDESTROY)
        removeWindowSubclass(window, &treeProcedure, 1);
    return defSubclassProc(window, message, wParam, lParam);
}

} // namespace lv::win32
