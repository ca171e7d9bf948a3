// The cycle list box: made again when its selection style changes, filled
// from the list state, and the drops and keys it reports.
#include "app/win32/PageControls.h"

#include "app/win32/PageControlsLayout.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Subclass.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace lv::win32 {

using namespace pagecontrols;

void PageControls::createList(bool extended)
{
    const bool visible = list_ && IsWindowVisible(list_);
    // The new list takes the old one's place in the tab order.
    const bool remade = list_ != nullptr;
    const HWND above = remade ? GetWindow(list_, GW_HWNDPREV) : nullptr;
    if (remade)
        DestroyWindow(list_);
    list_ = nullptr;
    listShown_.clear();
    const DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                        (extended ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL) | (visible ? WS_VISIBLE : 0);
    list_ = child("LISTBOX", "", style, ListBounds, ListId, WS_EX_CLIENTEDGE);
    if (remade)
        SetWindowPos(list_, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    listExtended_ = extended;
    setWindowSubclass(list_, &listProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    if (acceptsDrops_)
        DragAcceptFiles(list_, TRUE);
    if (form_)
        setHint(list_, form_->list.hint);
}

void PageControls::remakeList()
{
    if (!list_ || form_->list.extendedSelect == listExtended_)
        return;
    // The style is fixed at creation, so the list is made again; the user
    // must not see that: same entries, same scroll position, same focus.
    const WPARAM top = static_cast<WPARAM>(SendMessageA(list_, LB_GETTOPINDEX, 0, 0));
    const bool focused = GetFocus() == list_;
    createList(form_->list.extendedSelect);
    refresh();
    SendMessageA(list_, LB_SETTOPINDEX, top, 0);
    if (focused)
        SetFocus(list_);
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
        {
            const WindowDC dc(list_);
            const SelectedObject font(dc.get(), font_);
            for (const std::string& line : list.items) {
                SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
                SIZE extent{};
                GetTextExtentPoint32A(dc.get(), line.c_str(), static_cast<int>(line.size()), &extent);
                widest = std::max(widest, static_cast<int>(extent.cx));
            }
        }
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

void PageControls::acceptDroppedFiles()
{
    acceptsDrops_ = true;
    if (list_)
        DragAcceptFiles(list_, TRUE);
}

void PageControls::drop(HDROP dropped)
{
    // The drop's memory is given back whatever happens to its names.
    const UniqueDrop finish(dropped);
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

} // namespace lv::win32
