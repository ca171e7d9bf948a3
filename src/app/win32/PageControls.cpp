#include "app/win32/PageControls.h"

#include "app/win32/Application.h"
#include "platform/Error.h"
#include "platform/win32/Subclass.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace lv::win32 {

namespace {

// Child control identifiers.
enum : int {
    ListId = 200,
    NextId,
    NextCaptionId,
    DimId,
    SswaitId,
    SswaitSpinId,
    SswaitCaptionId,
    ItemboxId,
    AsoundsId,
    Label1Id,
    Label3Id,
    Clab1Id,
    Clab2Id,
    Name2Id,
    PicId,
    BoxBaseId = 230,   // autopaper, preview, scrchange, t1 .. t8
    RadioBaseId = 250, // itemoptions, dmode, paperoptions
};

// Where the controls sit on the cycler pages' panels: the list in its well
// with the two selection lines under it, the item's own choices in the
// "This item" column, the page's options beside its buttons.
constexpr Rect ListBounds{88, 64, 282, 130};
constexpr Rect Label1Bounds{92, 198, 62, 14};
constexpr Rect Label3Bounds{156, 198, 210, 14};
constexpr Rect Clab1Bounds{92, 214, 62, 14};
constexpr Rect Clab2Bounds{156, 214, 210, 14};
constexpr int ColumnLeft = 412;
constexpr int ColumnWidth = 160;

// A whole bitmap file's header fields, checked against its length so that a
// short or odd file draws nothing rather than reading past its end.
struct BitmapView {
    const BITMAPINFO* info = nullptr;
    const void* bits = nullptr;
    int width = 0;
    int height = 0;
};

std::uint32_t le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool viewBitmap(const std::vector<std::uint8_t>& file, BitmapView& view)
{
    if (file.size() < 14 + sizeof(BITMAPINFOHEADER) || file[0] != 'B' || file[1] != 'M')
        return false;
    const std::uint32_t offset = le32(&file[10]);
    BITMAPINFOHEADER header;
    std::memcpy(&header, &file[14], sizeof header);
    if (header.biSize < sizeof header || header.biWidth <= 0 || header.biHeight == 0 ||
        (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS) || header.biPlanes != 1)
        return false;
    const long long rows = header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
    const long long stride = (static_cast<long long>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    if (offset < 14 + header.biSize || offset > file.size() ||
        stride * rows > static_cast<long long>(file.size() - offset))
        return false;
    view.info = reinterpret_cast<const BITMAPINFO*>(&file[14]);
    view.bits = &file[offset];
    view.width = header.biWidth;
    view.height = static_cast<int>(rows);
    return true;
}

PageControls* selfOf(DWORD_PTR data)
{
    return reinterpret_cast<PageControls*>(data);
}

} // namespace

PageControls::PageControls(HWND parent, HINSTANCE instance, Run run)
    : parent_(parent), instance_(instance), run_(std::move(run)),
      font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                               instance, nullptr);
    if (tooltip_)
        SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);

    createList(true);
    label1_ = child("STATIC", "", SS_LEFTNOWORDWRAP, Label1Bounds, Label1Id);
    label3_ = child("STATIC", "", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, Label3Bounds, Label3Id);
    clab1_ = child("STATIC", "", SS_LEFTNOWORDWRAP, Clab1Bounds, Clab1Id);
    // The "Current:" line updates itself when clicked.
    clab2_ = child("STATIC", "", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS | SS_NOTIFY, Clab2Bounds, Clab2Id);

    nextCaption_ = child("STATIC", "Next file:", SS_LEFTNOWORDWRAP, Rect{ColumnLeft, 125, 60, 14}, NextCaptionId);
    next_ = child("EDIT", "1", ES_READONLY | ES_CENTER | WS_BORDER, Rect{ColumnLeft + 64, 122, 44, 20}, NextId);
    setWindowSubclass(next_, &nextProcedure, 1, reinterpret_cast<DWORD_PTR>(this));

    itembox_ = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                     Rect{ColumnLeft, 172, ColumnWidth - 2, 220}, ItemboxId);
    asounds_ = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                     Rect{ColumnLeft, 172, ColumnWidth - 2, 260}, AsoundsId);
    name2_ = child("STATIC", "", SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS, Rect{ColumnLeft, 200, ColumnWidth, 14}, Name2Id);

    sswaitCaption_ = child("STATIC", "Idle minutes:", SS_LEFTNOWORDWRAP, Rect{ColumnLeft, 211, 70, 14},
                           SswaitCaptionId);
    sswait_ = child("EDIT", "1", ES_NUMBER | WS_BORDER | WS_TABSTOP, Rect{ColumnLeft + 74, 208, 52, 20}, SswaitId);
    SendMessageA(sswait_, EM_LIMITTEXT, 2, 0);
    sswaitSpin_ = CreateWindowExA(0, UPDOWN_CLASSA, "",
                                  WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                  0, 0, 0, 0, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(SswaitSpinId)),
                                  instance_, nullptr);
    if (sswaitSpin_) {
        SendMessageA(sswaitSpin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(sswait_), 0);
        SendMessageA(sswaitSpin_, UDM_SETRANGE32, 1, 99);
    }

    dim_ = child("EDIT", "", ES_READONLY | ES_CENTER | WS_BORDER, Rect{88, 330, 90, 20}, DimId);
    pic_ = child("STATIC", "", SS_OWNERDRAW, Rect{379, 258, 177, 135}, PicId);
}

PageControls::~PageControls()
{
    if (tooltip_)
        DestroyWindow(tooltip_);
}

HWND PageControls::child(const char* className, const char* caption, DWORD style, const Rect& r, int id,
                         DWORD exStyle)
{
    const HWND control =
        CreateWindowExA(exStyle, className, caption, WS_CHILD | style, r.left, r.top, r.width, r.height, parent_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!control)
        throw Error("Cannot create the control \"" + std::string(caption) + "\": " +
                    systemErrorText(GetLastError()));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
}

void PageControls::createList(bool extended)
{
    const bool visible = list_ && IsWindowVisible(list_);
    if (list_)
        DestroyWindow(list_);
    list_ = nullptr;
    listShown_.clear();
    const DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                        (extended ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL) | (visible ? WS_VISIBLE : 0);
    list_ = child("LISTBOX", "", style, ListBounds, ListId, WS_EX_CLIENTEDGE);
    listExtended_ = extended;
    setWindowSubclass(list_, &listProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    if (acceptsDrops_)
        DragAcceptFiles(list_, TRUE);
    if (form_)
        setHint(list_, form_->list.hint);
}

void PageControls::setHint(HWND control, const std::string& hint)
{
    if (!tooltip_)
        return;
    TTTOOLINFOA tool{};
    // The size of the tool record every version of the common controls knows.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(hint.c_str());
    if (hint.empty()) {
        SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    TTTOOLINFOA known{};
    known.cbSize = TTTOOLINFOA_V2_SIZE;
    known.hwnd = parent_;
    known.uId = tool.uId;
    if (!SendMessageA(tooltip_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&known)))
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    else
        SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void PageControls::setHintDelay(int milliseconds)
{
    if (tooltip_)
        SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(milliseconds, 0));
}

void PageControls::setText(HWND control, const std::string& text)
{
    char shown[1024] = "";
    GetWindowTextA(control, shown, sizeof shown);
    if (text != shown)
        SetWindowTextA(control, text.c_str());
}

void PageControls::show(HWND control, const ControlState& state)
{
    const bool visible = IsWindowVisible(control) != FALSE;
    if (visible != state.visible)
        ShowWindow(control, state.visible ? SW_SHOWNA : SW_HIDE);
    if ((IsWindowEnabled(control) != FALSE) != state.enabled)
        EnableWindow(control, state.enabled);
}

void PageControls::pull()
{
    if (!form_)
        return;
    ListBoxState& list = form_->list;
    const int count = static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
    if (count == list.count()) {
        for (int i = 0; i < count; ++i)
            list.selected[static_cast<std::size_t>(i)] = SendMessageA(list_, LB_GETSEL, i, 0) > 0;
        if (count > 0) {
            list.itemIndex = static_cast<int>(SendMessageA(list_, LB_GETCARETINDEX, 0, 0));
            list.keepFocusInside();
        }
    }
    char text[16] = "";
    GetWindowTextA(sswait_, text, sizeof text);
    form_->sswait.text = text;
    sswaitShown_ = text;
}

void PageControls::remakeList()
{
    if (form_ && form_->list.extendedSelect != listExtended_) {
        createList(form_->list.extendedSelect);
        refresh();
    }
}

void PageControls::refreshList()
{
    ListBoxState& list = form_->list;
    if (list.extendedSelect != listExtended_) {
        PostMessageA(parent_, RemakeListMessage, 0, 0);
        return;
    }
    if (listShown_ != list.items) {
        SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
        const LRESULT top = SendMessageA(list_, LB_GETTOPINDEX, 0, 0);
        SendMessageA(list_, LB_RESETCONTENT, 0, 0);
        int widest = 0;
        const HDC dc = GetDC(list_);
        const HGDIOBJ old = SelectObject(dc, font_);
        for (const std::string& line : list.items) {
            SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            SIZE extent{};
            GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            widest = std::max(widest, static_cast<int>(extent.cx));
        }
        SelectObject(dc, old);
        ReleaseDC(list_, dc);
        SendMessageA(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
        SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
        listShown_ = list.items;
    }
    for (int i = 0; i < list.count(); ++i) {
        const bool selected = list.selected[static_cast<std::size_t>(i)];
        if ((SendMessageA(list_, LB_GETSEL, i, 0) > 0) != selected)
            SendMessageA(list_, LB_SETSEL, selected, i);
    }
    if (!list.empty() && SendMessageA(list_, LB_GETCARETINDEX, 0, 0) != list.focusIndex())
        SendMessageA(list_, LB_SETCARETINDEX, static_cast<WPARAM>(list.focusIndex()), FALSE);
    show(list_, list);
}

void PageControls::refreshCombo(HWND combo, const ComboBoxState& state, std::vector<std::string>& shown)
{
    if (shown != state.items) {
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : state.items)
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        shown = state.items;
    }
    if (SendMessageA(combo, CB_GETCURSEL, 0, 0) != state.itemIndex)
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(state.itemIndex), 0);
    show(combo, state);
}

void PageControls::bind(Tmainform& form)
{
    form_ = &form;
    Tmainform& f = form;
    // The captions of the boxes and groups come with the logic's states.
    struct BoxSpec {
        CheckBoxState* state;
        const char* caption;
        Rect bounds;
        void (Tmainform::*click)();
    };
    const int c1 = 290, c2 = 436, w = 140;
    const BoxSpec specs[] = {
        {&f.autopaper, "Automatic display mode", Rect{ColumnLeft, 224, ColumnWidth, 16}, nullptr},
        {&f.preview, "Preview", Rect{88, 308, 90, 16}, &Tmainform::previewClick},
        {&f.scrchange, "Cycle Screen Saver while it's running also.", Rect{ColumnLeft, 170, ColumnWidth, 30},
         nullptr},
        {&f.t1, "screen saver", Rect{c1, 266, w, 16}, &Tmainform::t1Click},
        {&f.t2, "sounds", Rect{c1, 286, w, 16}, &Tmainform::t2Click},
        {&f.t3, "mouse pointers", Rect{c1, 306, w, 16}, &Tmainform::t3Click},
        {&f.t4, "wallpaper", Rect{c1, 326, w, 16}, &Tmainform::t4Click},
        {&f.t5, "icons", Rect{c2, 266, w, 16}, &Tmainform::t5Click},
        {&f.t6, "colors", Rect{c2, 286, w, 16}, &Tmainform::t6Click},
        {&f.t7, "font names,styles", Rect{c2, 306, w, 16}, &Tmainform::t7Click},
        {&f.t8, "font,window sizes", Rect{c2, 326, w, 16}, &Tmainform::t8Click},
    };
    int id = BoxBaseId;
    for (const BoxSpec& box : specs)
        boxes_.push_back({child("BUTTON", box.caption, BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, box.bounds,
                                id++),
                          box.state, box.click});
    struct GroupSpec {
        RadioGroupState* group;
        int top;
        bool across;
    };
    const GroupSpec groups[] = {{&f.itemoptions, 66, false}, {&f.dmode, 148, true}, {&f.paperoptions, 170, false}};
    id = RadioBaseId;
    for (const GroupSpec& g : groups)
        for (int i = 0; i < static_cast<int>(g.group->items.size()); ++i) {
            const Rect r = g.across ? Rect{ColumnLeft + 64 * i, g.top, 62, 16}
                                    : Rect{ColumnLeft, g.top + 17 * i, ColumnWidth, 16};
            radios_.push_back({child("BUTTON", g.group->items[static_cast<std::size_t>(i)].c_str(),
                                     BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), r, id++),
                               g.group, i});
        }
    setHint(list_, f.list.hint);
    setHint(itembox_, f.itembox.hint);
    setHint(asounds_, f.asounds.hint);
    for (const Radio& radio : radios_)
        setHint(radio.window, radio.group->hint);
}

void PageControls::refresh()
{
    if (!form_)
        return;
    Tmainform& f = *form_;
    refreshList();
    setText(next_, f.next.text);
    show(next_, f.next);
    show(nextCaption_, f.next);
    setHint(next_, f.next.hint);
    setText(dim_, f.dim.text);
    show(dim_, f.dim);
    if (f.sswait.text != sswaitShown_) {
        sswaitShown_ = f.sswait.text;
        setText(sswait_, f.sswait.text);
    }
    show(sswait_, f.sswait);
    show(sswaitCaption_, f.sswait);
    if (sswaitSpin_)
        show(sswaitSpin_, f.sswait);
    refreshCombo(itembox_, f.itembox, itemboxShown_);
    refreshCombo(asounds_, f.asounds, asoundsShown_);
    const std::pair<HWND, LabelState*> labels[] = {
        {label1_, &f.Label1}, {label3_, &f.Label3}, {clab1_, &f.clab1}, {clab2_, &f.clab2}, {name2_, &f.name2}};
    for (const auto& [window, state] : labels) {
        setText(window, state->caption);
        show(window, *state);
    }
    for (const Box& box : boxes_) {
        const WPARAM check = box.state->checked ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageA(box.window, BM_GETCHECK, 0, 0)) != check)
            SendMessageA(box.window, BM_SETCHECK, check, 0);
        show(box.window, *box.state);
    }
    for (const Radio& radio : radios_) {
        const WPARAM check = radio.group->itemIndex == radio.index ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageA(radio.window, BM_GETCHECK, 0, 0)) != check)
            SendMessageA(radio.window, BM_SETCHECK, check, 0);
        show(radio.window, *radio.group);
    }

    const Rect b = f.pic.bounds;
    RECT now;
    GetWindowRect(pic_, &now);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&now), 2);
    if (now.left != b.left || now.top != b.top || now.right - now.left != b.width || now.bottom - now.top != b.height) {
        SetWindowPos(pic_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(pic_, nullptr, FALSE);
    }
    if (picShown_ != f.pic.picture) {
        picShown_ = f.pic.picture;
        InvalidateRect(pic_, nullptr, FALSE);
    }
    show(pic_, f.pic);
}

bool PageControls::drawItem(const DRAWITEMSTRUCT& item)
{
    if (item.hwndItem != pic_)
        return false;
    const RECT& r = item.rcItem;
    BitmapView bitmap;
    if (picShown_ && viewBitmap(*picShown_, bitmap)) {
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchDIBits(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, bitmap.width, bitmap.height,
                      bitmap.bits, bitmap.info, DIB_RGB_COLORS, SRCCOPY);
    }
    else {
        // No picture (or one this view cannot read): the frame's own light fill.
        GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(236, 240, 248)));
        FillRect(item.hDC, &r, brush.get());
    }
    return true;
}

void PageControls::handle(void (Tmainform::*handler)())
{
    handle([this, handler] { (form_->*handler)(); });
}

void PageControls::handle(const std::function<void()>& action)
{
    run_([this, &action] {
        pull();
        try {
            action();
        }
        catch (...) {
            refresh();
            throw;
        }
        refresh();
    });
}

bool PageControls::command(int id, int notification, HWND control)
{
    if (!form_)
        return false;
    Tmainform& f = *form_;
    if (id == ListId) {
        if (notification == LBN_SELCHANGE)
            handle(&Tmainform::listClick);
        else if (notification == LBN_DBLCLK)
            handle(&Tmainform::listDblClick);
        return true;
    }
    if (id == ItemboxId || id == AsoundsId) {
        if (notification == CBN_SELCHANGE) {
            ComboBoxState& state = id == ItemboxId ? f.itembox : f.asounds;
            state.setItemIndex(static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)));
            handle(id == ItemboxId ? &Tmainform::itemboxClick : &Tmainform::asoundsClick);
        }
        return true;
    }
    if (id == Clab2Id) {
        if (notification == STN_CLICKED)
            handle(&Tmainform::currentfileClick);
        return true;
    }
    if (id == SswaitId) {
        if (notification == EN_CHANGE) {
            char text[16] = "";
            GetWindowTextA(sswait_, text, sizeof text);
            f.sswait.text = sswaitShown_ = text;
        }
        else if (notification == EN_KILLFOCUS)
            handle(&Tmainform::sswaitExit);
        return true;
    }
    if (notification != BN_CLICKED)
        return false;
    for (Box& box : boxes_)
        if (box.window == control) {
            box.state->checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (box.click)
                handle(box.click);
            return true;
        }
    for (Radio& radio : radios_)
        if (radio.window == control) {
            if (radio.group->itemIndex != radio.index) {
                radio.group->itemIndex = radio.index;
                if (radio.group == &f.paperoptions)
                    handle(&Tmainform::paperoptionsClick);
            }
            return true;
        }
    return false;
}

void PageControls::acceptDroppedFiles()
{
    acceptsDrops_ = true;
    DragAcceptFiles(list_, TRUE);
}

void PageControls::bringPreviewToFront()
{
    SetWindowPos(pic_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PageControls::sendPreviewToBack()
{
    SetWindowPos(pic_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PageControls::sendPaperOptionsToBack()
{
    for (const Radio& radio : radios_)
        if (form_ && radio.group == &form_->paperoptions)
            SetWindowPos(radio.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PageControls::drop(HDROP dropped)
{
    // The drop's memory is given back whatever happens to its names.
    struct Finish {
        HDROP handle;
        ~Finish() { DragFinish(handle); }
    } finish{dropped};
    std::vector<std::string> names;
    const UINT count = DragQueryFileA(dropped, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Each name's length first, so a name of any length is read whole.
        const UINT length = DragQueryFileA(dropped, i, nullptr, 0);
        std::string name(length + 1, '\0');
        const UINT got = DragQueryFileA(dropped, i, name.data(), length + 1);
        name.resize(std::min(got, length));
        names.push_back(std::move(name));
    }
    handle([this, &names] { form_->WMDropFiles(names); });
}

void PageControls::listKey(WPARAM key)
{
    // A multiple-selection list moves its focus without changing the
    // selection, so it tells nobody: a keyboard move is a pick all the same.
    switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
        if (!listExtended_)
            handle(&Tmainform::listClick);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK PageControls::listProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data)
{
    PageControls* self = selfOf(data);
    switch (message) {
    case WM_DROPFILES:
        if (self->form_)
            self->drop(reinterpret_cast<HDROP>(wParam));
        else
            DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_RBUTTONDOWN:
        if (self->form_)
            self->handle([self] { self->form_->listMouseDown(true); });
        return 0;
    case WM_KEYDOWN: {
        const LRESULT result = defSubclassProc(window, message, wParam, lParam);
        if (self->form_)
            self->listKey(wParam);
        return result;
    }
    case WM_NCDESTROY:
        removeWindowSubclass(window, &listProcedure, 1);
        break;
    default:
        break;
    }
    return defSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK PageControls::nextProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data)
{
    PageControls* self = selfOf(data);
    if (message == WM_MOUSEMOVE && self->form_) {
        self->run_([self] {
            self->form_->nextMouseMove();
            self->setHint(self->next_, self->form_->next.hint);
        });
    }
    else if (message == WM_NCDESTROY)
        removeWindowSubclass(window, &nextProcedure, 1);
    return defSubclassProc(window, message, wParam, lParam);
}

} // namespace lv::win32
