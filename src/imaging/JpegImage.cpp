#include "imaging/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/Bitmap.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {

namespace {

// libjpeg reports errors through a callback that must not return; it jumps
// back to the call below, which turns the message number into an exception.
// Only plain data lives in the frames that setjmp/longjmp cross.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

extern "C" void ErrorExit(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(manager->jump, 1);
}

extern "C" void OutputMessage(j_common_ptr) {}

// libjpeg-turbo writes the bitmap's blue, green, red order itself; plain
// libjpeg gives red, green, blue, swapped below.
#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE TrueColorOutput = JCS_EXT_BGR;
#else
constexpr J_COLOR_SPACE TrueColorOutput = JCS_RGB;
#endif

// Progressive files can carry any number of scans; a bound keeps a corrupt
// file from taking minutes.
constexpr int MaxScans = 1000;

struct ScanLimit {
    jpeg_progress_mgr base;
};

extern "C" void CheckScans(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor) {
        auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (decompress->input_scan_number > MaxScans) {
            cinfo->err->msg_code = JERR_BAD_SCAN_SCRIPT;
            ErrorExit(cinfo);
        }
    }
}

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    ScanLimit progress;
};

// Each stage returns false after an error jump; nothing with a destructor
// lives in these frames.
bool ReadHeader(Decoder& d, const std::uint8_t* data, unsigned long size, bool quantize)
{
    if (setjmp(d.error.jump) != 0)
        return false;
    jpeg_mem_src(&d.cinfo, data, size);
    jpeg_read_header(&d.cinfo, TRUE);
    // CMYK pictures are quantised in CMYK, their palette turned into
    // colours below; the quantiser's colour map is read in RGB order.
    if (d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK)
        d.cinfo.out_color_space = JCS_CMYK;
    else
        d.cinfo.out_color_space = quantize ? JCS_RGB : TrueColorOutput;
    if (quantize) {
        d.cinfo.quantize_colors = TRUE;
        d.cinfo.desired_number_of_colors = 256;
    }
    jpeg_calc_output_dimensions(&d.cinfo);
    return true;
}

// Adobe writes CMYK inverted: each channel is already 255 - ink.
void InvertedCmykToBgr(std::uint8_t c, std::uint8_t m, std::uint8_t y, std::uint8_t k, std::uint8_t* bgr)
{
    bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
}

// Rows land bottom-up in the bitmap file's pixel area, as blue, green, red
// for true colour and as palette indices for quantised output.
bool ReadPixels(Decoder& d, std::uint8_t* pixels, std::size_t stride, std::uint8_t* scratch, std::uint8_t* palette)
{
    if (setjmp(d.error.jump) != 0)
        return false;
    jpeg_start_decompress(&d.cinfo);
    const auto width = d.cinfo.output_width;
    const auto height = d.cinfo.output_height;
    const bool quantized = d.cinfo.quantize_colors != 0;
    const bool cmyk = !quantized && d.cinfo.out_color_space == JCS_CMYK;
    const bool swap = !quantized && d.cinfo.out_color_space == JCS_RGB;
    while (d.cinfo.output_scanline < height) {
        const auto y = d.cinfo.output_scanline;
        std::uint8_t* row = pixels + stride * (height - 1 - y);
        JSAMPROW target = cmyk ? scratch : row;
        jpeg_read_scanlines(&d.cinfo, &target, 1);
        if (cmyk) {
            for (JDIMENSION x = 0; x < width; ++x) {
                const std::uint8_t* s = scratch + 4 * x;
                InvertedCmykToBgr(s[0], s[1], s[2], s[3], row + 3 * x);
            }
        } else if (swap) {
            for (JDIMENSION x = 0; x < width; ++x)
                std::swap(row[3 * x], row[3 * x + 2]);
        }
    }
    if (quantized) {
        // The quantiser's colour map becomes the palette; it lives only
        // until the decompression finishes.
        const int channels = d.cinfo.out_color_components;
        const auto map = [&](int channel, int i) { return d.cinfo.colormap[channel < channels ? channel : 0][i]; };
        for (int i = 0; i < d.cinfo.actual_number_of_colors && i < 256; ++i) {
            std::uint8_t* entry = palette + 4 * i;
            if (channels == 4) {
                InvertedCmykToBgr(map(0, i), map(1, i), map(2, i), map(3, i), entry);
            } else {
                entry[2] = map(0, i);
                entry[1] = map(1, i);
                entry[0] = map(2, i);
            }
        }
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

class DecoderHolder {
public:
    DecoderHolder()
    {
        std::memset(&d, 0, sizeof d);
        d.cinfo.err = jpeg_std_error(&d.error.base);
        d.error.base.error_exit = ErrorExit;
        d.error.base.output_message = OutputMessage;
        d.progress.base.progress_monitor = CheckScans;
        jpeg_create_decompress(&d.cinfo);
        d.cinfo.progress = &d.progress.base;
    }
    ~DecoderHolder() { jpeg_destroy_decompress(&d.cinfo); }
    DecoderHolder(const DecoderHolder&) = delete;
    DecoderHolder& operator=(const DecoderHolder&) = delete;

    [[noreturn]] void fail() const { throw EJpegError(d.error.base.msg_code); }

    Decoder d;
};

} // namespace

EJpegError::EJpegError(int messageCode)
    : Error("JPEG error #" + std::to_string(messageCode)), code_(messageCode)
{
}

std::vector<std::uint8_t> DecodeJpegToBitmapFile(std::span<const std::uint8_t> data, JpegPixelFormat format)
{
    DecoderHolder holder;
    auto& d = holder.d;
    // An empty buffer is reported by libjpeg itself (JERR_INPUT_EMPTY).
    static const std::uint8_t none = 0;
    if (!ReadHeader(d, data.empty() ? &none : data.data(), static_cast<unsigned long>(data.size()),
                    format == JpegPixelFormat::Quantized8))
        holder.fail();
    const bool quantize = d.cinfo.quantize_colors != 0;

    const auto width = d.cinfo.output_width;
    const auto height = d.cinfo.output_height;
    CheckPictureSize(width, height);
    auto file = CreateBitmapFile(width, height, quantize ? 8 : 24, {}, 0);
    const auto stride = BitmapRowStride(width, quantize ? 8 : 24);
    const auto offset = ReadLE32(file.data() + 10);
    std::vector<std::uint8_t> scratch(d.cinfo.out_color_space == JCS_CMYK ? std::size_t{width} * 4 : 0);
    if (!ReadPixels(d, file.data() + offset, stride, scratch.data(),
                    file.data() + BitmapFileHeaderSize + BitmapInfoHeaderSize))
        holder.fail();
    return file;
}

} // namespace lv::imaging
