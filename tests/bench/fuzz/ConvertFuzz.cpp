// libFuzzer target: the whole ConvertImageToBitmap path. The first byte
// chooses the source's extension and the display depth; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <map>

#include "imaging/Bitmap.h"
#include "imaging/ConvertImage.h"
#include "base/Error.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class MemoryFileSystem : public lv::FileSystem {
public:
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool copyFile(const std::string& source, const std::string& destination) override
    {
        const auto at = files.find(source);
        if (at == files.end())
            return false;
        files[destination] = at->second;
        return true;
    }
    bool moveFile(const std::string& source, const std::string& destination) override
    {
        if (!copyFile(source, destination))
            return false;
        if (source != destination)
            files.erase(source);
        return true;
    }
    bool deleteFile(const std::string& path) override { return files.erase(path) != 0; }
    std::optional<std::uint32_t> attributes(const std::string& path) override
    {
        if (!fileExists(path))
            return std::nullopt;
        return lv::FileAttr::Archive;
    }
    bool setAttributes(const std::string& path, std::uint32_t) override { return fileExists(path); }
    std::optional<Bytes> readFile(const std::string& path) override
    {
        const auto at = files.find(path);
        if (at == files.end())
            return std::nullopt;
        return at->second;
    }
    std::optional<Bytes> readFileStart(const std::string& path, std::size_t count) override
    {
        auto bytes = readFile(path);
        if (bytes && bytes->size() > count)
            bytes->resize(count);
        return bytes;
    }
    bool writeFile(const std::string& path, const Bytes& bytes) override
    {
        files[path] = bytes;
        return true;
    }
    std::vector<std::string> listFiles(const std::string&) override { return {}; }
    std::vector<std::string> listFolders(const std::string&) override { return {}; }
    std::vector<std::string> drives() override { return {}; }
    std::string longName(const std::string& path) override { return path; }
    std::string windowsDirectory() override { return "C:\\windows"; }
    std::string programDirectory() override { return "C:\\lumivane\\"; }

    std::map<std::string, Bytes> files;
};

class QuietUi : public lv::Ui {
public:
    void setHourglass(bool) override {}
    void processMessages() override {}
    void paintWindows() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const extensions[] = {".gif", ".ico", ".jpg", ".jpeg", ".bmp", ".sys", ".txt", ".GIF"};
    const std::string source = std::string("C:\\pics\\picture") + extensions[data[0] & 7];
    MemoryFileSystem files;
    files.files[source] = Bytes(data + 1, data + size);
    const auto depth = (data[0] & 8) != 0 ? lv::imaging::PictureDepth::Palette : lv::imaging::PictureDepth::TrueColor;
    QuietUi ui;
    try {
        lv::imaging::ConvertImageToBitmap({files, ui, depth}, source, (data[0] & 16) != 0);
        // whatever was decoded must be a readable bitmap file
        const auto target = files.files.find((data[0] & 16) != 0 ? "C:\\lumivane\\LumivaneWallpaper.bmp"
                                                                 : "C:\\lumivane\\LumivaneTemp.bmp");
        const auto kind = lv::imaging::ClassifyImageFile(source);
        if (target != files.files.end() && kind != lv::imaging::ImageClass::Copy &&
            kind != lv::imaging::ImageClass::Other) {
            lv::imaging::TBitmap bitmap;
            bitmap.LoadFromStream(target->second);
        }
    } catch (const lv::Error&) {
    }
    return 0;
}
