// The main window's Help button and the page flags its page buttons set.
#include "app/MainView.h"
#include "app/mainform.h"
#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class QuietView : public lv::MainView {
public:
    void shapeWindow() override {}
    void setTitle(const std::string&) override {}
    void sendPaperOptionsToBack() override {}
    void acceptDroppedFiles() override {}
    void setHintDelay(int) override {}
    void colourSkinControls() override {}
    void refreshControls() override {}
    void endApplication() override {}
};

class MainformChromeTest : public testing::Test {
protected:
    lv::fakes::FakePlatform fx;
    QuietView view;
    lv::Tmainform form{fx.platform(), view};
};

TEST_F(MainformChromeTest, HelpEndsAnOpenHelpWindowAndStartsTheOneInTheProgramDirectory)
{
    ASSERT_TRUE(form.FormCreate());
    const auto open = fx.windows.addWindow("Thelpform", "Lumivane 3 Help");
    form.BitBtn6Click();
    EXPECT_EQ(fx.windows.closed, (std::vector<lv::WindowHandle>{open}));
    ASSERT_EQ(fx.shell.shellExecuteCalls.size(), 1u);
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].file, form.programDirectory + "lumivane3help.exe");
    EXPECT_EQ(fx.shell.shellExecuteCalls[0].verb, "");
}

TEST_F(MainformChromeTest, PageFlagsFollowThePageShown)
{
    struct Case {
        int page;
        bool list, wallpaper;
    };
    ASSERT_TRUE(form.FormCreate());
    for (const Case c : {Case{1, true, true}, Case{0, false, false}, Case{4, true, false}, Case{5, true, false}}) {
        form.showPage(static_cast<lv::MainPage>(c.page));
        EXPECT_EQ(form.listPage, c.list) << "page " << c.page;
        EXPECT_EQ(form.wallpaperPage, c.wallpaper) << "page " << c.page;
    }
}

TEST_F(MainformChromeTest, CyclerPagesHideTheGeneralOptionsAndGeneralShowsThemAgain)
{
    ASSERT_TRUE(form.FormCreate());
    ASSERT_TRUE(form.enable.visible);
    form.showPage(lv::MainPage::Sounds);
    for (const lv::CheckBoxState* box : {&form.enable, &form.deletenon, &form.runupd, &form.alwaystray})
        EXPECT_FALSE(box->visible);
    form.showPage(lv::MainPage::General);
    for (const lv::CheckBoxState* box : {&form.enable, &form.deletenon, &form.runupd, &form.alwaystray})
        EXPECT_TRUE(box->visible);
}

} // namespace
