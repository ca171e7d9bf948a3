#pragma once
// JPEG pictures decoded with libjpeg at full size into a bitmap file.
#include <cstdint>
#include <span>
#include <vector>

#include "base/Error.h"

namespace lv::imaging {

// A libjpeg failure: "JPEG error #<the library's message number>".
class EJpegError : public Error {
public:
    explicit EJpegError(int messageCode);
    int MessageCode() const { return code_; }

private:
    int code_;
};

enum class JpegPixelFormat { TrueColor24, Quantized8 };

// The picture of a whole JPEG file as a bitmap file of its own size:
// 24-bit, or 8-bit with the quantiser's palette (for palette displays).
std::vector<std::uint8_t> DecodeJpegToBitmapFile(std::span<const std::uint8_t> data, JpegPixelFormat format);

} // namespace lv::imaging
