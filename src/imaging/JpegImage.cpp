#include "imaging/JpegImage.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/Bitmap.h"
#include "imaging/MoreUtil.h"

namespace lv::imaging {

namespace {

// Work between two runs of the window messages: a quarter megapixel of
// rows written, or as many 8 x 8 blocks read by the scans.
constexpr std::uint64_t PumpPixels = std::uint64_t{1} << 18;
constexpr std::uint64_t PumpBlocks = PumpPixels / 64;

enum class Refusal { None, Scans, Interrupted };

// libjpeg reports errors through a callback that must not return; it jumps
// back to the stage below that called setjmp, which turns the failure into
// an exception. Only plain data lives in the frames that setjmp/longjmp cross.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    Refusal refusal;
    // The source ran out and libjpeg made up an end marker.
    bool dataEnded;
};

extern "C" void ErrorExit(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(manager->jump, 1);
}

[[noreturn]] void Refuse(j_common_ptr cinfo, Refusal refusal)
{
    reinterpret_cast<ErrorManager*>(cinfo->err)->refusal = refusal;
    ErrorExit(cinfo);
    std::abort(); // ErrorExit never returns
}

[[noreturn]] void DataEndedEarly(j_common_ptr cinfo)
{
    cinfo->err->msg_code = JWRN_JPEG_EOF;
    ErrorExit(cinfo);
    std::abort();
}

// libjpeg goes on after a warning; most are harmless (cameras write stray
// bytes before markers), but where the data ends it fills the rest of the
// picture with grey, and a cut-off file must not pass for a picture. The end
// of the data alone may be only a missing end marker: it becomes an error
// once a scan needs bits past it. Arithmetic decoding fills in zeros without
// a word, so there the end of the data is refused at once.
extern "C" void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace messages
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    ++manager->base.num_warnings;
    const int code = manager->base.msg_code;
    if (code == JWRN_JPEG_EOF) {
        manager->dataEnded = true;
        if (reinterpret_cast<j_decompress_ptr>(cinfo)->arith_code)
            DataEndedEarly(cinfo);
    } else if (code == JWRN_HIT_MARKER && manager->dataEnded) {
        DataEndedEarly(cinfo);
    }
}

extern "C" void OutputMessage(j_common_ptr) {}

// libjpeg-turbo writes the bitmap's blue, green, red order itself; plain
// libjpeg gives red, green, blue, swapped below.
#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE TrueColorOutput = JCS_EXT_BGR;
#else
constexpr J_COLOR_SPACE TrueColorOutput = JCS_RGB;
#endif

// Called by libjpeg between steps of its work: counts the scans and the
// blocks they cover against the budget, notes which components a scan
// brought, and lets window messages run while the scans are read.
struct Progress {
    jpeg_progress_mgr base;
    Ui* ui;
    std::exception_ptr* pending;
    int scan;
    std::uint64_t scanBlocks;
    std::uint64_t stepBlocks;
    std::uint64_t blocksSincePump;
    unsigned scannedComponents;
    bool readingRows;
};

// An exception must not unwind through libjpeg's frames: it is kept and
// rethrown once the error jump has left the library.
bool PumpMessages(Progress& progress) noexcept
{
    try {
        progress.ui->processMessages();
        return true;
    } catch (...) {
        *progress.pending = std::current_exception();
        return false;
    }
}

extern "C" void MonitorProgress(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    auto* p = reinterpret_cast<Progress*>(cinfo->progress);
    if (d->input_scan_number != p->scan) {
        // A new scan's header has been read and its geometry set up.
        p->scan = d->input_scan_number;
        const std::uint64_t blocks = std::uint64_t{d->MCUs_per_row} * d->MCU_rows_in_scan *
                                     static_cast<unsigned>(d->blocks_in_MCU);
        p->scanBlocks += blocks;
        p->stepBlocks = blocks / std::max<JDIMENSION>(1, d->total_iMCU_rows);
        for (int i = 0; i < d->comps_in_scan; ++i)
            p->scannedComponents |= 1u << d->cur_comp_info[i]->component_index;
        if (p->scan > JpegBudget::Scans || p->scanBlocks > JpegBudget::ScanBlocks)
            Refuse(cinfo, Refusal::Scans);
    }
    if (p->readingRows)
        return; // the row loop runs the messages between its batches
    p->blocksSincePump += p->stepBlocks;
    if (p->blocksSincePump >= PumpBlocks) {
        p->blocksSincePump = 0;
        if (!PumpMessages(*p))
            Refuse(cinfo, Refusal::Interrupted);
    }
}

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    Progress progress;
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

// Reads every scan of a progressive or multi-scan file (and runs the
// quantiser's first pass), so that all this is over before the bitmap is made.
bool StartDecompress(Decoder& d)
{
    if (setjmp(d.error.jump) != 0)
        return false;
    jpeg_start_decompress(&d.cinfo);
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
bool ReadPixels(Decoder& d, Ui& ui, std::uint8_t* pixels, std::size_t stride, std::uint8_t* scratch,
                std::uint8_t* palette)
{
    if (setjmp(d.error.jump) != 0)
        return false;
    d.progress.readingRows = true;
    const auto width = d.cinfo.output_width;
    const auto height = d.cinfo.output_height;
    const bool quantized = d.cinfo.quantize_colors != 0;
    const bool cmyk = !quantized && d.cinfo.out_color_space == JCS_CMYK;
    const bool swap = !quantized && d.cinfo.out_color_space == JCS_RGB;
    const JDIMENSION batchRows = static_cast<JDIMENSION>(std::max<std::uint64_t>(1, PumpPixels / width));
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
        if (d.cinfo.output_scanline % batchRows == 0)
            ui.processMessages();
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

// Bytes of entropy-coded data in the file: what follows each scan header up
// to the next marker that is not a restart marker. Comments, application
// segments and tables are left out: they cost nothing to decode and would
// let a file pad its size.
std::uint64_t ScanDataBytes(std::span<const std::uint8_t> data)
{
    const auto isMarker = [&](std::size_t at) {
        const auto code = data[at + 1];
        return data[at] == 0xFF && code != 0x00 && code != 0xFF && (code < 0xD0 || code > 0xD7);
    };
    std::uint64_t total = 0;
    std::size_t at = 2;
    while (at + 4 <= data.size()) {
        if (!isMarker(at)) {
            ++at; // fill and stray bytes between segments
            continue;
        }
        const auto code = data[at + 1];
        if (code == 0xD9 || code == 0x01)
            break;
        const std::size_t end = at + 2 + (std::size_t{data[at + 2]} << 8 | data[at + 3]);
        if (code != 0xDA) {
            at = end;
            continue;
        }
        at = end;
        while (at + 1 < data.size() && !isMarker(at)) {
            const auto* next = static_cast<const std::uint8_t*>(std::memchr(data.data() + at + 1, 0xFF, data.size() - at - 1));
            const std::size_t found = next ? static_cast<std::size_t>(next - data.data()) : data.size();
            total += found - at;
            at = found;
        }
    }
    return total;
}

std::uint64_t RoundUp(std::uint64_t value, int multiple)
{
    const auto m = static_cast<std::uint64_t>(std::max(multiple, 1));
    return (value + m - 1) / m * m;
}

// A file whose first scan holds every component is decoded straight into
// rows; any other keeps every coefficient block until its last scan.
bool KeepsCoefficients(const jpeg_decompress_struct& c)
{
    return c.progressive_mode || c.comps_in_scan < c.num_components;
}

std::uint64_t CoefficientBytes(const jpeg_decompress_struct& c)
{
    if (!KeepsCoefficients(c))
        return 0;
    std::uint64_t bytes = 0;
    for (int i = 0; i < c.num_components; ++i) {
        const auto& component = c.comp_info[i];
        bytes += RoundUp(component.width_in_blocks, component.h_samp_factor) *
                 RoundUp(component.height_in_blocks, component.v_samp_factor) * sizeof(JBLOCK);
    }
    return bytes;
}

// The two-pass quantiser (three components only) keeps the whole decoded
// picture to choose its palette.
std::uint64_t QuantiserBytes(const jpeg_decompress_struct& c)
{
    if (!c.quantize_colors || !c.two_pass_quantize || c.out_color_components != 3)
        return 0;
    return std::uint64_t{c.output_width} * static_cast<unsigned>(c.out_color_components) * c.output_height;
}

// A progressive file is whole when every coefficient has had its last bit.
bool AllScansArrived(const Decoder& d)
{
    const unsigned every = (1u << d.cinfo.num_components) - 1;
    if ((d.progress.scannedComponents & every) != every)
        return false;
    if (d.cinfo.progressive_mode)
        for (int c = 0; c < d.cinfo.num_components; ++c)
            for (int k = 0; k < DCTSIZE2; ++k)
                if (d.cinfo.coef_bits[c][k] != 0)
                    return false;
    return true;
}

class DecoderHolder {
public:
    DecoderHolder(Ui& ui, const std::string& fileName) : fileName_(fileName)
    {
        std::memset(&d, 0, sizeof d);
        d.cinfo.err = jpeg_std_error(&d.error.base);
        d.error.base.error_exit = ErrorExit;
        d.error.base.emit_message = EmitMessage;
        d.error.base.output_message = OutputMessage;
        d.progress.base.progress_monitor = MonitorProgress;
        d.progress.ui = &ui;
        d.progress.pending = &pending_;
        jpeg_create_decompress(&d.cinfo);
        d.cinfo.mem->max_memory_to_use = static_cast<long>(JpegBudget::LibraryMemory);
        d.cinfo.progress = &d.progress.base;
    }
    ~DecoderHolder() { jpeg_destroy_decompress(&d.cinfo); }
    DecoderHolder(const DecoderHolder&) = delete;
    DecoderHolder& operator=(const DecoderHolder&) = delete;

    [[noreturn]] void refuse(const std::string& reason) const
    {
        throw Error(formatMessage("Cannot convert %s: ", fileName_) + reason);
    }

    [[noreturn]] void fail() const
    {
        if (pending_)
            std::rethrow_exception(pending_);
        if (d.error.refusal == Refusal::Scans)
            refuse("too many scans for a picture of " + pictureSize());
        if (d.error.base.msg_code == JERR_NO_BACKING_STORE) // the library's own memory limit
            refuseMemory();
        throw EJpegError(d.error.base.msg_code);
    }

    [[noreturn]] void refuseMemory() const
    {
        refuse("a picture of " + pictureSize() + " stored this way needs more than " +
               std::to_string(JpegBudget::LibraryMemory >> 20) + " MB");
    }

    std::string pictureSize() const
    {
        return std::to_string(d.cinfo.image_width) + " x " + std::to_string(d.cinfo.image_height) + " pixels";
    }

    Decoder d;

private:
    std::string fileName_;
    std::exception_ptr pending_;
};

} // namespace

EJpegError::EJpegError(int messageCode)
    : Error("JPEG error #" + std::to_string(messageCode)), code_(messageCode)
{
}

std::vector<std::uint8_t> DecodeJpegToBitmapFile(std::span<const std::uint8_t> data, JpegPixelFormat format, Ui& ui,
                                                 const std::string& fileName)
{
    DecoderHolder holder(ui, fileName);
    auto& d = holder.d;
    // An empty buffer is reported by libjpeg itself (JERR_INPUT_EMPTY).
    static const std::uint8_t none = 0;
    if (!ReadHeader(d, data.empty() ? &none : data.data(), static_cast<unsigned long>(data.size()),
                    format == JpegPixelFormat::Quantized8))
        holder.fail();
    if (d.error.dataEnded) // the headers were completed by the made-up end marker
        throw EJpegError(JWRN_JPEG_EOF);
    const auto width = d.cinfo.output_width;
    const auto height = d.cinfo.output_height;
    CheckPictureSize(width, height);

    // Small pictures never cost enough to need the bytes rule.
    const std::uint64_t pixels = std::uint64_t{d.cinfo.image_width} * d.cinfo.image_height;
    if (pixels >= JpegBudget::SparseCheckPixels) {
        const auto coded = ScanDataBytes(data);
        if (coded < pixels / (d.cinfo.arith_code ? JpegBudget::PixelsPerArithmeticByte : JpegBudget::PixelsPerByte))
            holder.refuse(std::to_string(coded) + " bytes of picture data are too few for a picture of " +
                          holder.pictureSize());
    }
    const auto coefficients = CoefficientBytes(d.cinfo);
    if (coefficients > JpegBudget::LibraryMemory)
        holder.refuseMemory();
    // Beyond the budget the palette comes from a fixed colour cube, which
    // needs no copy of the picture.
    if (coefficients + QuantiserBytes(d.cinfo) > JpegBudget::LibraryMemory)
        d.cinfo.two_pass_quantize = FALSE;
    const bool multiScan = KeepsCoefficients(d.cinfo);

    if (!StartDecompress(d))
        holder.fail();
    if (multiScan && d.error.dataEnded && !AllScansArrived(d))
        throw EJpegError(JWRN_JPEG_EOF);

    const bool quantize = d.cinfo.quantize_colors != 0;
    auto file = CreateBitmapFile(width, height, quantize ? 8 : 24, {}, 0);
    const auto stride = BitmapRowStride(width, quantize ? 8 : 24);
    const auto offset = ReadLE32(file.data() + 10);
    std::vector<std::uint8_t> scratch(d.cinfo.out_color_space == JCS_CMYK ? std::size_t{width} * 4 : 0);
    if (!ReadPixels(d, ui, file.data() + offset, stride, scratch.data(),
                    file.data() + BitmapFileHeaderSize + BitmapInfoHeaderSize))
        holder.fail();
    return file;
}

} // namespace lv::imaging
