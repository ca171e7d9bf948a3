// libFuzzer target: the icon reader.
#include <cstddef>
#include <cstdint>

#include "imaging/IconImage.h"
#include "base/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        lv::imaging::DecodeIconToBitmapFile(std::span<const std::uint8_t>(data, size));
    } catch (const lv::Error&) {
    }
    return 0;
}
