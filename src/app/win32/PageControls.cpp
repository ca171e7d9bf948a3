#include "app/win32/PageControls.h"

#include "app/win32/PageControlsLayout.h"
#include "base/Error.h"
#include "platform/win32/HintWindow.h"
#include "platform/win32/Subclass.h"
#include "platform/win32/SystemError.h"

#include <commctrl.h>

namespace lv::win32 {

using namespace pagecontrols;

PageControls::PageControls(HWND parent, HINSTANCE instance, Run run)
    : parent_(parent), instance_(instance), run_(std::move(run)),
      font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))
{
}

bool PageControls::anyShown() const
{
    const Tmainform& f = *form_;
    const ControlState* states[] = {&f.list,  &f.next,   &f.dim,    &f.sswait,  &f.itembox,    &f.asounds,
                                    &f.Label1, &f.Label3, &f.clab1,  &f.clab2,   &f.name2,      &f.pic,
                                    &f.autopaper, &f.preview, &f.scrchange, &f.itemoptions, &f.dmode,
                                    &f.paperoptions, &f.t1, &f.t2, &f.t3, &f.t4, &f.t5, &f.t6, &f.t7, &f.t8};
    for (const ControlState* state : states)
        if (state->visible)
            return true;
    return false;
}

void PageControls::make()
{
    made_ = true;
    // Loads the up-down control's class too.
    tooltip_ = createHintWindow(parent_);
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

    // The item and sound boxes come when a page first shows them (makeCombo).
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
    makeOptions();
    if (tooltip_ && hintDelay_ >= 0)
        SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(hintDelay_, 0));
    const std::vector<ZOrderMove> moves = std::move(pendingMoves_);
    for (ZOrderMove move : moves)
        moveZOrder(move);
}

void PageControls::moveZOrder(ZOrderMove move)
{
    if (!made_) {
        const auto sameTarget = [move](ZOrderMove pending) {
            return (pending == ZOrderMove::PaperOptionsToBack) == (move == ZOrderMove::PaperOptionsToBack);
        };
        std::erase_if(pendingMoves_, sameTarget);
        pendingMoves_.push_back(move);
        return;
    }
    switch (move) {
    case ZOrderMove::PaperOptionsToBack:
        for (const Radio& radio : radios_)
            if (radio.group == &form_->paperoptions)
                SetWindowPos(radio.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case ZOrderMove::PreviewToBack:
    case ZOrderMove::PreviewToFront:
        SetWindowPos(pic_, move == ZOrderMove::PreviewToFront ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    }
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
    hintDelay_ = milliseconds;
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
    if (!made_)
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

HWND PageControls::makeCombo(int id, const ComboBoxState& state)
{
    // A drop-down list costs a window of its own for its list: neither box
    // shows on the General page, so they are not made at start-up.
    const bool itembox = id == ItemboxId;
    const HWND combo = child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                             Rect{ColumnLeft, 172, ColumnWidth - 2, itembox ? 220 : 260}, id);
    // In the window's control order (the tab order) after `next`, the item
    // box before the sound box, as if made with the others.
    SetWindowPos(combo, !itembox && itembox_ ? itembox_ : next_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    setHint(combo, state.hint);
    return combo;
}

void PageControls::refreshCombo(HWND& combo, int id, const ComboBoxState& state, std::vector<std::string>& shown)
{
    if (!combo) {
        if (!state.visible)
            return;
        combo = makeCombo(id, state);
    }
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

void PageControls::refresh()
{
    if (!form_)
        return;
    if (!made_) {
        if (!anyShown())
            return;
        make();
    }
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
    refreshCombo(itembox_, ItemboxId, f.itembox, itemboxShown_);
    refreshCombo(asounds_, AsoundsId, f.asounds, asoundsShown_);
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
