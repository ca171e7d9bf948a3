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

} // namespace lv
