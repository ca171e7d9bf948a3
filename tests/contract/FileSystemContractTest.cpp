// Files, folders and attribute bits as the system's file functions see them.
#include "contract/ContractEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace lv::contract {

namespace {

constexpr std::uint32_t KeptBits = FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System | FileAttr::Directory;

class FileSystemContract : public testing::Test {
protected:
    void SetUp() override { folder = env->scratchFolder(); }

    FileSystem& fs() { return env->files(); }

    std::string make(const std::string& name, const std::string& text, std::uint32_t attributes = 0)
    {
        const std::string path = folder + name;
        EXPECT_TRUE(fs().writeFile(path, bytesOf(text)));
        if (attributes) {
            EXPECT_TRUE(fs().setAttributes(path, attributes));
        }
        return path;
    }

    std::string content(const std::string& path)
    {
        const auto bytes = fs().readFile(path);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<unreadable>";
    }

    std::uint32_t bits(const std::string& path) { return fs().attributes(path).value_or(0xFFFFFFFF) & KeptBits; }

    std::unique_ptr<ContractEnv> env = makeContractEnv();
    std::string folder;
};

TEST_F(FileSystemContract, CopyReplacesAnOrdinaryTargetButNotAHiddenOrReadOnlyOne)
{
    const std::string source = make("source.txt", "new");
    const std::string plain = make("plain.txt", "old");
    const std::string hidden = make("hidden.txt", "old", FileAttr::Hidden);
    const std::string readOnly = make("readonly.txt", "old", FileAttr::ReadOnly);

    EXPECT_TRUE(fs().copyFile(source, plain));
    EXPECT_EQ(content(plain), "new");
    // Windows answers ERROR_ACCESS_DENIED for both (Wine copies over them)
    EXPECT_FALSE(fs().copyFile(source, hidden));
    EXPECT_EQ(content(hidden), "old");
    EXPECT_FALSE(fs().copyFile(source, readOnly));
    EXPECT_EQ(content(readOnly), "old");
}

TEST_F(FileSystemContract, MoveReplacesOrdinaryAndHiddenTargetsButNotReadOnlyOnes)
{
    for (FileSystem* variant : env->fileSystemVariants()) {
        FileSystem& files = *variant;
        const std::string plain = make("plain.bmp", "old");
        const std::string hidden = make("hidden.bmp", "old", FileAttr::Hidden);
        const std::string readOnly = make("readonly.bmp", "old", FileAttr::ReadOnly);
        const std::string fresh = folder + "fresh.bmp";

        EXPECT_TRUE(files.moveFile(make("a.tmp", "a", FileAttr::Hidden), fresh));
        EXPECT_FALSE(files.fileExists(folder + "a.tmp"));
        EXPECT_EQ(content(fresh), "a");
        EXPECT_EQ(bits(fresh), FileAttr::Hidden); // the moved file keeps its own attributes
        EXPECT_TRUE(files.moveFile(make("b.tmp", "b"), plain));
        EXPECT_EQ(content(plain), "b");
        EXPECT_TRUE(files.moveFile(make("c.tmp", "c"), hidden));
        EXPECT_EQ(content(hidden), "c");
        EXPECT_EQ(bits(hidden), 0u);

        EXPECT_FALSE(files.moveFile(make("d.tmp", "d"), readOnly));
        EXPECT_EQ(content(readOnly), "old");
        EXPECT_EQ(content(folder + "d.tmp"), "d");
        // nothing to move: the target stays
        EXPECT_FALSE(files.moveFile(folder + "missing.tmp", plain));
        EXPECT_EQ(content(plain), "b");
        EXPECT_FALSE(files.moveFile(folder + "d.tmp", folder + "missing\\d.bmp"));
        EXPECT_TRUE(files.fileExists(folder + "d.tmp"));

        folder = env->scratchFolder();
    }
}

TEST_F(FileSystemContract, CopyFailsWithoutSourceOrTargetFolderOrOntoItself)
{
    const std::string source = make("source.txt", "x");
    EXPECT_FALSE(fs().copyFile(folder + "missing.txt", folder + "target.txt"));
    EXPECT_FALSE(fs().fileExists(folder + "target.txt"));
    EXPECT_FALSE(fs().copyFile(source, folder + "missing\\target.txt"));
    EXPECT_FALSE(fs().copyFile(source, source));
    EXPECT_FALSE(fs().copyFile(source, folder));
    EXPECT_EQ(content(source), "x");
}

TEST_F(FileSystemContract, ANewCopyTakesTheSourcesReadOnlyAndHiddenBits)
{
    const std::string source = make("source.txt", "x", FileAttr::ReadOnly | FileAttr::Hidden);
    EXPECT_TRUE(fs().copyFile(source, folder + "copy.txt"));
    EXPECT_EQ(bits(folder + "copy.txt"), FileAttr::ReadOnly | FileAttr::Hidden);
}

TEST_F(FileSystemContract, AttributesAreKeptAsBits)
{
    const std::string path = make("file.txt", "x");
    EXPECT_TRUE(*fs().attributes(path) & FileAttr::Archive); // new files are marked for backup
    EXPECT_EQ(bits(path), 0u);
    EXPECT_TRUE(fs().setAttributes(path, FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System));
    EXPECT_EQ(bits(path), FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System);
    EXPECT_TRUE(fs().setAttributes(path, FileAttr::Hidden));
    EXPECT_EQ(bits(path), FileAttr::Hidden);
    EXPECT_TRUE(fs().setAttributes(path, 0));
    EXPECT_EQ(bits(path), 0u);

    EXPECT_EQ(bits(folder), FileAttr::Directory);
    EXPECT_FALSE(fs().attributes(folder + "missing.txt"));
    EXPECT_FALSE(fs().setAttributes(folder + "missing.txt", FileAttr::Hidden));
}

TEST_F(FileSystemContract, OnlyFilesExist)
{
    const std::string path = make("file.txt", "x", FileAttr::Hidden);
    EXPECT_TRUE(fs().fileExists(path));
    EXPECT_TRUE(fs().fileExists(folder + "FILE.TXT"));
    EXPECT_FALSE(fs().fileExists(folder));
    EXPECT_FALSE(fs().fileExists(folder.substr(0, folder.size() - 1)));
    EXPECT_FALSE(fs().fileExists(folder + "missing.txt"));
    EXPECT_FALSE(fs().fileExists(folder + "missing\\file.txt"));
}

TEST_F(FileSystemContract, ForwardSlashesSeparateLikeBackslashes)
{
    const std::string path = make("file.txt", "x");
    std::string slashed = path;
    for (char& c : slashed)
        if (c == '\\') c = '/';
    EXPECT_TRUE(fs().fileExists(slashed));
    EXPECT_EQ(content(slashed), "x");
}

TEST_F(FileSystemContract, DeleteRemovesOrdinaryFilesOnly)
{
    const std::string plain = make("plain.txt", "x");
    const std::string readOnly = make("readonly.txt", "x", FileAttr::ReadOnly);
    EXPECT_TRUE(fs().deleteFile(plain));
    EXPECT_FALSE(fs().fileExists(plain));
    EXPECT_FALSE(fs().deleteFile(plain));
    EXPECT_FALSE(fs().deleteFile(readOnly));
    EXPECT_TRUE(fs().fileExists(readOnly));
    EXPECT_FALSE(fs().deleteFile(folder));
}

TEST_F(FileSystemContract, FilesAreWrittenAndReadWhole)
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 70000; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));
    const std::string path = folder + "data.bin";
    EXPECT_TRUE(fs().writeFile(path, bytes));
    EXPECT_EQ(fs().readFile(path), bytes);
    EXPECT_TRUE(fs().writeFile(path, {}));
    EXPECT_EQ(fs().readFile(path), std::vector<std::uint8_t>{});

    EXPECT_FALSE(fs().readFile(folder + "missing.bin"));
    EXPECT_FALSE(fs().readFile(folder));
    EXPECT_FALSE(fs().writeFile(folder + "missing\\data.bin", bytes));
    EXPECT_FALSE(fs().writeFile(folder, bytes));
}

TEST_F(FileSystemContract, TheStartOfAFileIsReadAlone)
{
    const std::string path = make("data.bin", "0123456789");
    EXPECT_EQ(fs().readFileStart(path, 4), bytesOf("0123"));
    EXPECT_EQ(fs().readFileStart(path, 54), bytesOf("0123456789"));
    EXPECT_FALSE(fs().readFileStart(folder + "missing.bin", 4));
    EXPECT_FALSE(fs().readFileStart(folder, 4));
}

TEST_F(FileSystemContract, WritesReplaceHiddenFilesKeepingThemHiddenButNotReadOnlyOnes)
{
    const std::string hidden = make("hidden.bmp", "old", FileAttr::Hidden);
    const std::string readOnly = make("readonly.bmp", "old", FileAttr::ReadOnly);
    EXPECT_TRUE(fs().writeFile(hidden, bytesOf("new")));
    EXPECT_EQ(content(hidden), "new");
    EXPECT_EQ(bits(hidden), FileAttr::Hidden);
    EXPECT_FALSE(fs().writeFile(readOnly, bytesOf("new")));
    EXPECT_EQ(content(readOnly), "old");
}

TEST_F(FileSystemContract, ListFilesGivesOrdinaryFilesInTheSystemsOrder)
{
    for (const char* name : {"b.txt", "A.txt", "_x.txt", "a1.txt", "Z.txt", "~t.txt", "1.txt", "a.TXT2"})
        make(name, "x");
    make("hidden.txt", "x", FileAttr::Hidden);
    env->createFolder(folder + "sub");
    make("z", ""); // a file without extension
    const std::vector<std::string> expected{"1.txt", "A.txt", "a.TXT2", "a1.txt", "b.txt", "hidden.txt",
                                            "z", "Z.txt", "_x.txt", "~t.txt"};
    EXPECT_EQ(fs().listFiles(folder), expected);
    EXPECT_EQ(fs().listFiles(folder.substr(0, folder.size() - 1)), expected);
    EXPECT_TRUE(fs().listFiles(folder + "missing").empty());
}

TEST_F(FileSystemContract, ListFoldersGivesSubfoldersOnly)
{
    env->createFolder(folder + "Sub B");
    env->createFolder(folder + "a");
    env->createFolder(folder + "a\\inner");
    make("file.txt", "x");
    std::vector<std::string> names = fs().listFolders(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Sub B", "a"}));
    EXPECT_EQ(fs().listFolders(folder + "a"), std::vector<std::string>{"inner"});
    EXPECT_TRUE(fs().listFolders(folder + "a\\inner").empty());
    EXPECT_TRUE(fs().listFolders(folder + "missing").empty());
}

TEST_F(FileSystemContract, DrivesIncludeTheScratchFoldersDrive)
{
    const std::vector<std::string> drives = fs().drives();
    for (const std::string& root : drives)
        EXPECT_TRUE(root.size() == 3 && root[0] >= 'A' && root[0] <= 'Z' && root.substr(1) == ":\\") << root;
    std::string own = folder.substr(0, 3);
    own[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(own[0])));
    EXPECT_NE(std::find(drives.begin(), drives.end(), own), drives.end()) << own;
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
}

TEST_F(FileSystemContract, LongNameGivesTheStoredName)
{
    make("Mixed Case Name.jpeg", "x");
    EXPECT_EQ(fs().longName(folder + "MIXED CASE NAME.JPEG"), "Mixed Case Name.jpeg");
    env->createFolder(folder + "Sub Folder");
    EXPECT_EQ(fs().longName(folder + "sub folder"), "Sub Folder");
    EXPECT_EQ(fs().longName(folder + "missing.jpeg"), "");
    EXPECT_EQ(fs().longName(folder + "*.jpeg"), "");
}

TEST_F(FileSystemContract, SystemFoldersExist)
{
    const std::string windows = fs().windowsDirectory();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\');
    EXPECT_EQ(bits(windows) & FileAttr::Directory, FileAttr::Directory);
    const std::string program = fs().programDirectory();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '\\');
    EXPECT_EQ(bits(program) & FileAttr::Directory, FileAttr::Directory);
}

} // namespace

} // namespace lv::contract
