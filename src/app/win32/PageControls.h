#pragma once
// The standard controls of the cycler pages: real Win32 controls showing
// the control states of `Tmainform` and reporting the user's changes back
// to them before the handler runs. One class in four files, by control
// group: PageControls.cpp (making, showing and the commands of them all),
// PageControlsList.cpp (the list box), PageControlsOptions.cpp (check boxes
// and radio groups), PageControlsPreview.cpp (the preview picture).
#include "app/mainform.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lv::win32 {

class PageControls {
public:
    // Runs a handler of the logic inside the window's error boundary.
    using Run = std::function<void(const std::function<void()>&)>;

    PageControls(HWND parent, HINSTANCE instance, Run run);
    ~PageControls();
    PageControls(const PageControls&) = delete;
    PageControls& operator=(const PageControls&) = delete;

    // Ties the controls to the form's states. The controls themselves are
    // made when one of them first shows (none does on the General page):
    // each window costs start-up time, and the states already hold what
    // the controls show once made.
    void bind(Tmainform& form);

    // The list's selection and focus, and the idle-time text, into the
    // control states: called before every handler.
    void pull();
    // The control states into the controls.
    void refresh();
    // Runs a handler of the logic with the controls' state read first and
    // shown afterwards (also when it fails).
    void handle(void (Tmainform::*handler)());
    void handle(const std::function<void()>& action);
    // A WM_COMMAND from one of these controls; false when it is not theirs.
    bool command(int id, int notification, HWND control);
    // A WM_DRAWITEM: the preview picture. False when it is not `pic`.
    bool drawItem(const DRAWITEMSTRUCT& item);

    // The list is re-made when its selection style changes; that cannot
    // happen inside its own window procedure, so it is asked for by this
    // message to the parent, which then calls remakeList.
    static constexpr UINT RemakeListMessage = WM_APP + 2;
    void remakeList();

    void acceptDroppedFiles();
    void bringPreviewToFront();
    void sendPreviewToBack();
    void sendPaperOptionsToBack();
    void setHintDelay(int milliseconds);
    // Whether the control is a read-only field (shown on white, not on the skin).
    bool isField(HWND control) const { return control == next_ || control == dim_; }

private:
    struct Box {
        HWND window;
        CheckBoxState* state;
        void (Tmainform::*click)();
    };
    struct Radio {
        HWND window;
        RadioGroupState* group;
        int index;
    };

    // Z-order moves asked for before the controls exist, kept to be made
    // on them in the same order: the last move of each kind decides.
    enum class ZOrderMove { PaperOptionsToBack, PreviewToBack, PreviewToFront };

    bool anyShown() const;
    void make();
    void makeOptions();
    void moveZOrder(ZOrderMove move);
    HWND child(const char* className, const char* caption, DWORD style, const Rect& bounds, int id,
               DWORD exStyle = 0);
    void createList(bool extended);
    void refreshList();
    HWND makeCombo(int id, const ComboBoxState& state);
    // Shows a combo box's state; the box is made when it first shows.
    void refreshCombo(HWND& combo, int id, const ComboBoxState& state, std::vector<std::string>& shown);
    void setText(HWND control, const std::string& text);
    void show(HWND control, const ControlState& state);
    void setHint(HWND control, const std::string& hint);
    void listKey(WPARAM key);
    void drop(HDROP drop);

    static LRESULT CALLBACK listProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK nextProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND parent_;
    HINSTANCE instance_;
    Run run_;
    Tmainform* form_ = nullptr;
    HFONT font_;

    HWND list_ = nullptr;
    bool listExtended_ = true;
    bool acceptsDrops_ = false;
    std::vector<std::string> listShown_;
    HWND next_ = nullptr, nextCaption_ = nullptr, dim_ = nullptr, sswait_ = nullptr, sswaitSpin_ = nullptr,
         sswaitCaption_ = nullptr;
    HWND itembox_ = nullptr, asounds_ = nullptr;
    std::vector<std::string> itemboxShown_, asoundsShown_;
    HWND label1_ = nullptr, label3_ = nullptr, clab1_ = nullptr, clab2_ = nullptr, name2_ = nullptr;
    HWND pic_ = nullptr;
    std::shared_ptr<const std::vector<std::uint8_t>> picShown_;
    HWND tooltip_ = nullptr;
    int hintDelay_ = -1;
    bool made_ = false;
    std::vector<ZOrderMove> pendingMoves_;
    std::vector<Box> boxes_;
    std::vector<Radio> radios_;
    std::string sswaitShown_;
};

} // namespace lv::win32
