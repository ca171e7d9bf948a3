#pragma once
// A started main window over the fakes, with its folder dialog attached and
// a view that records what the logic asks of the window.
#include "app/MainView.h"
#include "app/MainWindowMap.h"
#include "app/mainform.h"
#include "dialogs/folder.h"
#include "fakes/FakePlatform.h"
#include "imaging/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lv::apptest {

using Strings = std::vector<std::string>;
constexpr const char* ProgramDir = "C:\\Program Files\\Lumivane\\";

class RecordingView : public MainView {
public:
    void shapeWindow() override {}
    void setTitle(const std::string&) override {}
    void sendPaperOptionsToBack() override { steps.push_back("paperoptions back"); }
    void acceptDroppedFiles() override {}
    void setHintDelay(int) override {}
    void colourSkinControls() override {}
    void refreshControls() override { ++refreshes; }
    void endApplication() override {}
    void bringPreviewToFront() override { steps.push_back("pic front"); }
    void sendPreviewToBack() override { steps.push_back("pic back"); }
    void showFolderDialog() override { steps.push_back("folder dialog"); }
    void showScheduler() override { steps.push_back("scheduler"); }

    Strings steps;
    int refreshes = 0;
};

class MainformFixture : public ::testing::Test {
protected:
    fakes::FakePlatform fx;
    RecordingView view;
    Taddfolder folder;
    std::unique_ptr<Tmainform> form;
    const std::string ini = std::string(ProgramDir) + "lumivane3.ini";

    // Starts the window on the given configuration file (none when empty).
    void start(const std::string& iniText = "")
    {
        if (!iniText.empty())
            fx.files.addFile(ini, iniText);
        form = std::make_unique<Tmainform>(fx.platform(), view);
        ASSERT_TRUE(form->FormCreate());
        form->attachFolderDialog(folder);
        folder.FormCreate(fx.files, fx.activeDesktop, "C:\\");
    }
    std::string stored(const std::string& section, const std::string& key)
    {
        return fx.profile.readString(ini, section, key, "<none>");
    }
    Strings keys(const std::string& section) { return fx.profile.keyNames(ini, section); }
    // A click of a skinned button, through the window's own map: the page
    // it shows, the handler it runs, or the view's step it asks for.
    void click(int number) { run(skinButton(number)); }
    void click(std::string_view name)
    {
        for (const SkinButton& button : mainWindowButtons())
            if (button.name == name)
                return run(button);
        ADD_FAILURE() << "no skinned button " << name;
    }
    void addBitmap(const std::string& path, int width, int height)
    {
        fx.files.addFile(path, imaging::CreateBitmapFile(static_cast<std::uint32_t>(width),
                                                         static_cast<std::uint32_t>(height), 24, {}, 0));
    }
    // Selects exactly the given positions and focuses the first of them.
    void select(std::initializer_list<int> positions)
    {
        form->list.clearSelection();
        for (const int p : positions)
            form->list.selected[static_cast<std::size_t>(p)] = true;
        if (positions.size() > 0)
            form->list.itemIndex = *positions.begin();
    }

private:
    void run(const SkinButton& button)
    {
        switch (button.action.kind) {
        case ButtonAction::ShowPage: form->showPage(button.action.page); break;
        case ButtonAction::Handler: (form.get()->*button.action.handler)(); break;
        case ButtonAction::ShowAboutBox: view.steps.push_back("about box"); break;
        case ButtonAction::Minimise: view.steps.push_back("minimise"); break;
        }
    }
};

} // namespace lv::apptest
