// The folder dialog's drive selector and folder tree: which lines the tree
// shows, where a double-click leads, and that the file list follows.
#include "dialogs/folder.h"
#include "fakes/FakeActiveDesktop.h"
#include "fakes/FakeFileSystem.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

struct Line {
    std::string name;
    int level;
    bool open;
    bool operator==(const Line&) const = default;
};

class FolderTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        files.addFolder("C:\\pics\\sub\\Inner");
        files.addFolder("C:\\pics\\Beta");
        files.addFolder("C:\\pics\\alpha");
        files.addFolder("C:\\pics\\secret");
        files.setAttributes("C:\\pics\\secret", lv::FileAttr::Hidden);
        files.addFolder("C:\\pics\\os");
        files.setAttributes("C:\\pics\\os", lv::FileAttr::System);
        files.addFile("C:\\pics\\a.jpg", "a");
        files.addFile("C:\\pics\\sub\\deep.jpg", "d");
        files.addFolder("D:\\data");
        folder.FormCreate(files, activeDesktop, "C:\\pics\\");
    }

    std::vector<Line> lines() const
    {
        std::vector<Line> out;
        for (const lv::FolderTreeLine& line : folder.DirectoryListBox1.lines)
            out.push_back({line.name, line.level, line.open});
        return out;
    }

    void doubleClick(int line)
    {
        folder.DirectoryListBox1.itemIndex = line;
        folder.DirectoryListBox1DblClick();
    }

    lv::fakes::FakeFileSystem files;
    lv::fakes::FakeActiveDesktopService activeDesktop;
    lv::Taddfolder folder;
};

TEST_F(FolderTreeTest, ThePathIsOpenFromTheRootThenTheVisibleSubfoldersSortedIgnoringCase)
{
    EXPECT_EQ(folder.folder(), "C:\\pics");
    EXPECT_EQ(folder.Label1.caption, "C:\\pics");
    EXPECT_EQ(lines(), (std::vector<Line>{{"C:\\", 0, true},
                                          {"pics", 1, true},
                                          {"alpha", 2, false},
                                          {"Beta", 2, false},
                                          {"sub", 2, false}}));
    EXPECT_EQ(folder.DirectoryListBox1.currentIndex, 1);
    EXPECT_EQ(folder.DirectoryListBox1.itemIndex, 1);
    EXPECT_EQ(folder.FileListBox1.items, Strings{"a.jpg"});
}

TEST_F(FolderTreeTest, ADoubleClickGoesDownIntoASubfolderOrUpToAFolderOfThePath)
{
    doubleClick(4);
    EXPECT_EQ(folder.folder(), "C:\\pics\\sub");
    EXPECT_EQ(lines(), (std::vector<Line>{{"C:\\", 0, true}, {"pics", 1, true}, {"sub", 2, true}, {"Inner", 3, false}}));
    EXPECT_EQ(folder.FileListBox1.items, Strings{"deep.jpg"});

    doubleClick(0);
    EXPECT_EQ(folder.folder(), "C:\\");
    EXPECT_EQ(folder.Label1.caption, "C:\\");
    EXPECT_EQ(lines(), (std::vector<Line>{{"C:\\", 0, true},
                                          {"pics", 1, false},
                                          {"Program Files", 1, false},
                                          {"windows", 1, false}}));

    doubleClick(1);
    doubleClick(4);
    doubleClick(1);
    EXPECT_EQ(folder.folder(), "C:\\pics");
    EXPECT_EQ(folder.folderOfLine(2), "C:\\pics\\alpha");
    EXPECT_EQ(folder.folderOfLine(5), "");

    // No line chosen: nothing happens.
    doubleClick(-1);
    EXPECT_EQ(folder.folder(), "C:\\pics");
}

TEST_F(FolderTreeTest, TheDriveSelectorFollowsTheFolderAndStartsTheTreeAtAnotherRoot)
{
    EXPECT_EQ(folder.DriveComboBox1.items, (Strings{"C:", "D:"}));
    EXPECT_EQ(folder.DriveComboBox1.itemIndex, 0);
    folder.DriveComboBox1.setItemIndex(1);
    folder.DriveComboBox1Change();
    EXPECT_EQ(folder.folder(), "D:\\");
    EXPECT_EQ(lines(), (std::vector<Line>{{"D:\\", 0, true}, {"data", 1, false}}));

    folder.setFolder("c:\\pics\\sub");
    EXPECT_EQ(folder.DriveComboBox1.itemIndex, 0);
    folder.setFolder("\\\\server\\share\\dir\\");
    EXPECT_EQ(folder.DriveComboBox1.itemIndex, -1);
    EXPECT_EQ(lines(), (std::vector<Line>{{"\\\\server\\share\\", 0, true}, {"dir", 1, true}}));
    EXPECT_EQ(folder.folderOfLine(0), "\\\\server\\share\\");
}

TEST_F(FolderTreeTest, AFolderThatIsGoneShowsItsPathAndNothingInIt)
{
    folder.setFolder("C:\\gone\\deeper");
    EXPECT_EQ(lines(), (std::vector<Line>{{"C:\\", 0, true}, {"gone", 1, true}, {"deeper", 2, true}}));
    EXPECT_TRUE(folder.FileListBox1.items.empty());
    doubleClick(0);
    EXPECT_EQ(folder.folder(), "C:\\");
}

} // namespace
