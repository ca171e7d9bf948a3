#pragma once
// The program's picture loading: which bitmap class reads a picture file,
// chosen by the file's extension. Formats are registered at program start
// and unregistered at its end.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/Bitmap.h"
#include "platform/FileSystem.h"
#include "platform/UserDialogs.h"

namespace lv::imaging {

using TBitmapFactory = std::function<std::unique_ptr<TBitmap>(Ui&)>;

class TPictureFormats {
public:
    // extension without the dot, any letter case ("gif").
    void RegisterFileFormat(const std::string& extension, const std::string& description,
                            TBitmapFactory factory);
    void UnregisterFileFormat(const std::string& extension);
    bool IsRegistered(const std::string& extension) const;
    // "" for an extension nobody registered.
    std::string Description(const std::string& extension) const;

    // Reads the file with the class registered for its extension; bitmap
    // files (".bmp") are read as they are. Throws Error("Unknown picture
    // file extension (.xyz)") for others and Error("Cannot open file <path>")
    // when the file cannot be read.
    std::unique_ptr<TBitmap> LoadPicture(FileSystem& files, Ui& ui, const std::string& path) const;

private:
    struct Format {
        std::string extension; // lower case
        std::string description;
        TBitmapFactory factory;
    };
    const Format* find(const std::string& extension) const;
    std::vector<Format> formats_;
};

// The program's one registry.
TPictureFormats& PictureFormats();

// Registers TGifBitmap as "gif", "GIF-Format" for as long as it lives: the
// program holds one from start to end.
class GifFormatRegistration {
public:
    explicit GifFormatRegistration(TPictureFormats& formats = PictureFormats());
    ~GifFormatRegistration();
    GifFormatRegistration(const GifFormatRegistration&) = delete;
    GifFormatRegistration& operator=(const GifFormatRegistration&) = delete;

private:
    TPictureFormats& formats_;
};

} // namespace lv::imaging
