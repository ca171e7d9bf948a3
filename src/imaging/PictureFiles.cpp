#include "imaging/PictureFiles.h"

#include "base/Text.h"

namespace lv::imaging {

const PictureFileType* pictureFileType(const std::string& path)
{
    const std::string extension = upperExtension(path);
    for (const PictureFileType& type : PictureFileTypes)
        if (extension == type.extension)
            return &type;
    return nullptr;
}

} // namespace lv::imaging
