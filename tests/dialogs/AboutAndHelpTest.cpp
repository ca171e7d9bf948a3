// The about box's buttons and the Help button's restart of the help program.
#include "dialogs/mainabout.h"
#include "fakes/FakePlatform.h"
#include "help/HelpLauncher.h"

#include <gtest/gtest.h>

namespace {

struct HiddenCount : lv::AboutView {
    void hide() override { ++hidden; }
    int hidden = 0;
};

TEST(AboutBox, OpensTheWebAddressHidesAndQuitsThroughTheMainWindow)
{
    lv::fakes::FakePlatform fx;
    HiddenCount view;
    int quits = 0;
    lv::Tbigabout about(fx.shell, view, [&] { ++quits; });

    about.hbitbtn1Click();
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    const auto& call = fx.shell.shellExecuteCalls[0];
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, lv::LumivaneWebAddress);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.showCommand, lv::ShowNormal);

    about.hbitbtn3Click();
    EXPECT_EQ(view.hidden, 1);
    EXPECT_EQ(quits, 0);
    about.hbitbtn4Click();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(view.hidden, 1) << "quitting is the main window's to decide";
}

TEST(Help, ClosesAnOpenHelpWindowThenStartsTheHelpProgram)
{
    lv::fakes::FakePlatform fx;
    const auto helpWindow = fx.windows.addWindow("Thelpform", "Lumivane 3 Help");
    fx.windows.addWindow("Thelpform", "Other");
    lv::startHelp(fx.windows, fx.shell, "C:\\Lumivane3\\");
    EXPECT_EQ(fx.windows.closed, (std::vector<lv::WindowHandle>{helpWindow}));
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    const auto& call = fx.shell.shellExecuteCalls[0];
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.file, "C:\\Lumivane3\\lumivane3help.exe");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.showCommand, lv::ShowNormal);

    // No help window open, and a start that fails: still no complaint.
    fx.shell.shellExecuteResult = 2;
    lv::startHelp(fx.windows, fx.shell, "C:\\Lumivane3\\");
    EXPECT_EQ(fx.windows.closed.size(), 1u);
    EXPECT_EQ(fx.shell.shellExecuteCalls.size(), 2u);
    EXPECT_TRUE(fx.dialogs.errors.empty());
    EXPECT_TRUE(fx.dialogs.messages.empty());
}

} // namespace
