// libFuzzer target: the GIF loader and the bitmap of the first image.
#include <cstddef>
#include <cstdint>

#include "imaging/GifUnit.h"
#include "base/Error.h"

namespace {

class QuietUi : public lv::Ui {
public:
    void setHourglass(bool) override {}
    void processMessages() override {}
    void paintWindows() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QuietUi ui;
    lv::imaging::TGifFile gif(ui);
    try {
        gif.LoadFromStream(std::span<const std::uint8_t>(data, size));
        if (gif.ImageCount() > 0)
            gif.FirstImageBitmap();
    } catch (const lv::Error&) {
    }
    return 0;
}
