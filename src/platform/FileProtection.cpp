#include "platform/FileProtection.h"

namespace lv {

void UnprotectFile(FileSystem& files, const std::string& path)
{
    if (!files.fileExists(path))
        return;
    if (const auto attributes = files.attributes(path))
        files.setAttributes(path, *attributes & ~(FileAttr::ReadOnly | FileAttr::Hidden | FileAttr::System |
                                                  FileAttr::Archive));
}

void HideFile(FileSystem& files, const std::string& path)
{
    if (!files.fileExists(path))
        return;
    if (const auto attributes = files.attributes(path))
        files.setAttributes(path, *attributes | FileAttr::Hidden);
}

bool CopyOverFile(FileSystem& files, const std::string& source, const std::string& destination)
{
    const auto attributes = files.attributes(destination);
    const bool hidden = attributes && (*attributes & FileAttr::Hidden) && files.fileExists(destination);
    if (!hidden)
        return files.copyFile(source, destination);
    files.setAttributes(destination, *attributes & ~FileAttr::Hidden);
    const bool copied = files.copyFile(source, destination);
    HideFile(files, destination);
    return copied;
}

} // namespace lv
