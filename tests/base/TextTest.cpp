#include "base/Text.h"

#include <gtest/gtest.h>

TEST(FileNameTextTest, ExtensionAndNameAreTheFileNamesOwn)
{
    struct Case {
        const char* path;
        const char* extension; // upper-cased
        const char* name;
    } cases[] = {
        {"C:\\pics\\Photo.Bmp", ".BMP", "Photo.Bmp"},
        {"C:\\web\\page.html", ".HTML", "page.html"},
        {"C:\\pics\\photo.bmp.txt", ".TXT", "photo.bmp.txt"},
        {"C:\\my.pics\\photo", "", "photo"},
        {"D:.x\\y", "", "y"},
        {"D:name.bMp", ".BMP", "name.bMp"},
        {"C:\\pics\\trailing.", ".", "trailing."},
        {"plain", "", "plain"},
        {"C:\\pics\\\xE9t\xE9.jpg", ".JPG", "\xE9t\xE9.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lv::upperExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(lv::fileNameOnly(c.path), c.name) << c.path;
    }
    EXPECT_EQ(lv::fileExtension("C:\\a\\b.Jpeg"), ".Jpeg");
    // Only a to z: bytes of the ANSI code page above 127 stay as they are.
    EXPECT_EQ(lv::upperCaseAtoZ("a\xE9z{"), "A\xE9Z{");
}
