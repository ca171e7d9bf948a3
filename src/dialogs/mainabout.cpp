#include "dialogs/mainabout.h"

namespace lv {

Tbigabout::Tbigabout(Shell& shell, AboutView& view, std::function<void()> quitMain)
    : shell_(shell), view_(view), quitMain_(std::move(quitMain))
{
}

void Tbigabout::hbitbtn1Click()
{
    shell_.shellExecute("open", LumivaneWebAddress, "", "", ShowNormal);
}

void Tbigabout::hbitbtn3Click()
{
    view_.hide();
}

void Tbigabout::hbitbtn4Click()
{
    if (quitMain_)
        quitMain_();
}

} // namespace lv
