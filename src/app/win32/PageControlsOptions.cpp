// The check boxes and radio groups of the pages, made from the logic's states.
#include "app/win32/PageControls.h"

#include "app/win32/PageControlsLayout.h"

namespace lv::win32 {

using namespace pagecontrols;

void PageControls::bind(Tmainform& form)
{
    form_ = &form;
}

void PageControls::makeOptions()
{
    Tmainform& f = *form_;
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
    for (const Radio& radio : radios_)
        setHint(radio.window, radio.group->hint);
}

void PageControls::sendPaperOptionsToBack()
{
    if (form_)
        moveZOrder(ZOrderMove::PaperOptionsToBack);
}

} // namespace lv::win32
