#pragma once
// JPEG pictures decoded with libjpeg at full size into a bitmap file.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Error.h"
#include "platform/UserDialogs.h"

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

// What one conversion may spend. Real pictures of up to MaxPicturePixels
// stay inside it; a file that declares far more than it holds meets it
// before it has cost much.
struct JpegBudget {
    // The library's whole-picture arrays: the coefficients of progressive
    // and multi-scan files (128 bytes an 8 x 8 block and component) and the
    // palette quantiser's copy of the decoded picture.
    static constexpr std::uint64_t LibraryMemory = std::uint64_t{400} << 20;
    // Blocks decoded over all scans together, and the scans of any file.
    static constexpr std::uint64_t ScanBlocks = std::uint64_t{128} << 20;
    static constexpr int Scans = 1000;
    // A Huffman-coded picture spends at least one bit per 8 x 8 block in
    // its scans (a flat grey one about 8 bits per 2,000 pixels), so fewer
    // bytes of scan data than one per this many pixels is a false
    // declaration. Arithmetic coding stores a flat picture of 64 megapixels
    // in 100 to 400 bytes, a smooth low-quality one in one byte per 2,000
    // pixels: below one per 100,000 only near-flat pictures are refused.
    static constexpr std::uint64_t PixelsPerByte = 1000;
    static constexpr std::uint64_t PixelsPerArithmeticByte = 100000;
    static constexpr std::uint64_t SparseCheckPixels = std::uint64_t{1} << 20;
};

// The picture of a whole JPEG file as a bitmap file of its own size:
// 24-bit, or 8-bit with the quantiser's palette (for palette displays).
// Pending window messages run through ui while it decodes. Library errors,
// and data that ends before the picture is complete, throw EJpegError; a
// file beyond the budget throws Error naming fileName and the reason.
std::vector<std::uint8_t> DecodeJpegToBitmapFile(std::span<const std::uint8_t> data, JpegPixelFormat format, Ui& ui,
                                                 const std::string& fileName);

} // namespace lv::imaging
