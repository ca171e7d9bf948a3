#include "app/ListEditing.h"

#include "base/Rounding.h"
#include "base/Text.h"
#include "imaging/PictureFiles.h"

#include <cstdint>
#include <initializer_list>

namespace lv {

namespace {

bool extensionIn(const std::string& path, std::initializer_list<const char*> extensions)
{
    const std::string extension = upperExtension(path);
    for (const char* accepted : extensions)
        if (extension == accepted)
            return true;
    return false;
}

// n / d to the nearest integer, a half to the even neighbour (d > 0).
int roundedQuotient(std::int64_t n, std::int64_t d)
{
    std::int64_t q = n / d;
    const std::int64_t twiceRest = 2 * (n % d);
    if (twiceRest > d || (twiceRest == d && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

} // namespace

bool isWallpaperImage(const std::string& path)
{
    const auto* type = imaging::pictureFileType(path);
    return type && type->wallpaper;
}

bool isHtmlPage(const std::string& path)
{
    const auto* type = imaging::pictureFileType(path);
    return type && type->activeDesktopPage;
}

bool acceptsFile(ItemKind kind, const std::string& path, bool activeDesktop)
{
    switch (kind) {
    case ItemKind::Wallpaper: return isWallpaperImage(path) || (activeDesktop && isHtmlPage(path));
    case ItemKind::ScreenSaver: return extensionIn(path, {".SCR"});
    case ItemKind::DesktopTheme: return extensionIn(path, {".THEME"});
    case ItemKind::Logo: {
        const auto* type = imaging::pictureFileType(path);
        return type && type->logo;
    }
    case ItemKind::Sound: return extensionIn(path, {".WAV"});
    case ItemKind::None: break;
    }
    return false;
}

std::string lastSelectText(int focusIndex, const std::string& path, int selectedCount)
{
    std::string text = "(" + std::to_string(focusIndex + 1) + ") " + fileNameOnly(path);
    if (selectedCount > 1)
        text += " (" + std::to_string(selectedCount) + " total)";
    return text;
}

std::string nextFileHint(int nextNumber, const std::vector<std::string>& files)
{
    if (nextNumber >= 1 && nextNumber <= static_cast<int>(files.size()))
        return NextHintPrefix + fileNameOnly(files[static_cast<std::size_t>(nextNumber - 1)]);
    return std::string(NextHintPrefix) + "unknown";
}

Rect previewPlacement(Size picture, Rect frame)
{
    const std::int64_t w = picture.width;
    const std::int64_t h = picture.height;
    int width = picture.width;
    int height = picture.height;
    if (w > frame.width || h > frame.height) {
        // The products are taken whole, so a ratio that is not exact in
        // binary still rounds its halves to even.
        if (h > frame.height) {
            height = frame.height;
            width = roundedQuotient(w * frame.height, h);
        }
        if (width > frame.width) {
            width = frame.width;
            height = roundedQuotient(std::int64_t{frame.width} * h, w);
        }
    }
    Rect placed{frame.left, frame.top, width, height};
    if (width < frame.width)
        placed.left += static_cast<int>(roundHalfEven((frame.width - width) * 0.5));
    if (height < frame.height)
        placed.top += static_cast<int>(roundHalfEven((frame.height - height) * 0.5));
    return placed;
}

} // namespace lv
