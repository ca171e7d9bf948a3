// The open dialog's filter and result texts.
#include "platform/FileDialogText.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(FileDialogText, FilterBarsBecomeNulsWithADoubleNulEnd)
{
    EXPECT_EQ(lv::dialogFilter("Pictures|*.bmp;*.jpg|All|*.*"), "Pictures\0*.bmp;*.jpg\0All\0*.*\0\0"s);
}

TEST(FileDialogText, OneChosenFileIsAlreadyAFullPath)
{
    EXPECT_EQ(lv::selectedPaths("C:\\pics\\a.jpg\0\0"s), std::vector<std::string>{"C:\\pics\\a.jpg"});
}

TEST(FileDialogText, SeveralFilesFollowTheirFolder)
{
    EXPECT_EQ(lv::selectedPaths("C:\\pics\0a.jpg\0b c.gif\0\0"s),
              (std::vector<std::string>{"C:\\pics\\a.jpg", "C:\\pics\\b c.gif"}));
    // A drive's root already ends in a backslash.
    EXPECT_EQ(lv::selectedPaths("C:\\\0a.jpg\0b.jpg\0\0"s), (std::vector<std::string>{"C:\\a.jpg", "C:\\b.jpg"}));
}

TEST(FileDialogText, NothingChosenIsNoPaths)
{
    EXPECT_TRUE(lv::selectedPaths(std::string(16, '\0')).empty());
}

} // namespace
