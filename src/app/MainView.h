#pragma once
// What the main window's logic asks of its Win32 view: the steps of start-up
// and shutdown that are about the window itself, and the order of controls
// that overlap. Everything else it shows lives in the control states.
#include <string>

namespace lv {

class MainView {
public:
    virtual ~MainView() = default;
    // Gives the window its shape from the background bitmap.
    virtual void shapeWindow() = 0;
    virtual void setTitle(const std::string& title) = 0;
    // Puts the display-mode radio group behind its sibling controls.
    virtual void sendPaperOptionsToBack() = 0;
    // Lets the list box accept files dropped from the shell.
    virtual void acceptDroppedFiles() = 0;
    // The pause before a control's hint is shown.
    virtual void setHintDelay(int milliseconds) = 0;
    // Colours the controls that sit on the skin.
    virtual void colourSkinControls() = 0;
    // The control states changed: show them.
    virtual void refreshControls() = 0;
    // Ends the message loop once the running handler has returned.
    virtual void endApplication() = 0;

    // The preview image `pic` in front of every other control, or behind them.
    virtual void bringPreviewToFront() {}
    virtual void sendPreviewToBack() {}
    // Shows the folder dialog without blocking this window (it may be open).
    virtual void showFolderDialog() {}
    // Shows the scheduler window, filled from the file, without blocking this one.
    virtual void showScheduler() {}
};

} // namespace lv
