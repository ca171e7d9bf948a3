#pragma once
// Builders for icon and JPEG files in tests.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace lv::imaging::test {

struct IconLayout {
    int width = 32;
    int height = 32;
    int bits = 8;
    // colour of (x, y) as 0xRRGGBB for 24/32 bits, a palette index below
    std::vector<std::uint32_t> colors;    // width * height, top row first
    std::vector<std::uint8_t> alpha;      // 32 bits only; empty: all 0
    std::vector<std::uint32_t> palette;   // 0xRRGGBB entries
    std::vector<bool> transparent;        // mask bits, top row first
    bool writeMask = true;
};

inline void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline std::vector<std::uint8_t> IconImageData(const IconLayout& s)
{
    std::vector<std::uint8_t> out;
    PutLE(out, 40, 4);
    PutLE(out, static_cast<std::uint32_t>(s.width), 4);
    PutLE(out, static_cast<std::uint32_t>(s.height * 2), 4);
    PutLE(out, 1, 2);
    PutLE(out, static_cast<std::uint32_t>(s.bits), 2);
    for (int i = 0; i < 6; ++i)
        PutLE(out, 0, 4);
    if (s.bits <= 8)
        for (std::size_t i = 0; i < (std::size_t{1} << s.bits); ++i)
            PutLE(out, i < s.palette.size() ? s.palette[i] : 0, 4);
    const std::size_t stride = ((static_cast<std::size_t>(s.width) * s.bits + 31) / 32) * 4;
    for (int y = s.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < s.width; ++x) {
            const auto c = s.colors[static_cast<std::size_t>(y * s.width + x)];
            if (s.bits >= 24) {
                auto* p = row.data() + x * (s.bits / 8);
                p[0] = static_cast<std::uint8_t>(c);
                p[1] = static_cast<std::uint8_t>(c >> 8);
                p[2] = static_cast<std::uint8_t>(c >> 16);
                if (s.bits == 32)
                    p[3] = s.alpha.empty() ? 0 : s.alpha[static_cast<std::size_t>(y * s.width + x)];
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * s.bits;
                row[bit / 8] |= static_cast<std::uint8_t>(c << (8 - s.bits - bit % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    if (s.writeMask) {
        const std::size_t maskStride = ((static_cast<std::size_t>(s.width) + 31) / 32) * 4;
        for (int y = s.height - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskStride, 0);
            for (int x = 0; x < s.width; ++x)
                if (!s.transparent.empty() && s.transparent[static_cast<std::size_t>(y * s.width + x)])
                    row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

inline std::vector<std::uint8_t> IconFile(const std::vector<IconLayout>& images)
{
    std::vector<std::uint8_t> out;
    PutLE(out, 0, 2);
    PutLE(out, 1, 2);
    PutLE(out, static_cast<std::uint32_t>(images.size()), 2);
    std::vector<std::vector<std::uint8_t>> data;
    std::size_t offset = 6 + 16 * images.size();
    for (const auto& image : images) {
        data.push_back(IconImageData(image));
        out.push_back(static_cast<std::uint8_t>(image.width & 0xFF));
        out.push_back(static_cast<std::uint8_t>(image.height & 0xFF));
        out.push_back(0);
        out.push_back(0);
        PutLE(out, 1, 2);
        PutLE(out, static_cast<std::uint32_t>(image.bits), 2);
        PutLE(out, static_cast<std::uint32_t>(data.back().size()), 4);
        PutLE(out, static_cast<std::uint32_t>(offset), 4);
        offset += data.back().size();
    }
    for (const auto& d : data)
        out.insert(out.end(), d.begin(), d.end());
    return out;
}

// RGB (or grey) pixels, top row first, compressed with libjpeg.
// Colour pictures have their chroma halved both ways (4:2:0) unless
// fullChroma (4:4:4); Huffman-coded unless arithmetic.
inline std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& pixels, int width, int height,
                                            int components, int quality, bool progressive, bool fullChroma = false,
                                            bool arithmetic = false)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 4 ? JCS_CMYK : components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (fullChroma)
        cinfo.comp_info[0].h_samp_factor = cinfo.comp_info[0].v_samp_factor = 1;
    cinfo.arith_code = arithmetic;
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPLE*>(pixels.data() + static_cast<std::size_t>(cinfo.next_scanline) * width * components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

// What libjpeg itself decodes, as RGB rows top first.
inline std::vector<std::uint8_t> ReferenceDecode(const std::vector<std::uint8_t>& jpeg)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.data() + static_cast<std::size_t>(cinfo.output_scanline) * cinfo.output_width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return out;
}

inline std::vector<std::uint8_t> Gradient(int width, int height, int components)
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                pixels.push_back(static_cast<std::uint8_t>((x * 255 / width + y * (c + 1) * 3) & 0xFF));
    return pixels;
}

// JPEG files written marker by marker, for what no encoder writes: files
// that declare far more picture than they hold.
class JpegMarkers {
public:
    void Segment(std::uint8_t marker, const std::vector<std::uint8_t>& body)
    {
        const auto length = body.size() + 2;
        bytes.insert(bytes.end(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
        bytes.insert(bytes.end(), body.begin(), body.end());
    }
    // A quantisation table of ones; for Huffman coding, tables of one 1-bit
    // code each: DC difference 0, and AC end-of-band run 14 (2^14 blocks
    // plus 14 bits). Arithmetic coding needs no tables.
    void Tables(bool arithmetic = false)
    {
        std::vector<std::uint8_t> quant{0};
        quant.resize(65, 1);
        Segment(0xDB, quant);
        for (std::uint8_t table : {0x00, 0x10}) {
            if (arithmetic)
                break;
            std::vector<std::uint8_t> huffman{table, 1};
            huffman.resize(17, 0);
            huffman.push_back(table == 0 ? 0x00 : 0xE0);
            Segment(0xC4, huffman);
        }
    }
    // Start of a progressive frame; every component sampled 1 x 1.
    void ProgressiveFrame(int width, int height, int components, bool arithmetic = false)
    {
        std::vector<std::uint8_t> frame{8, static_cast<std::uint8_t>(height >> 8), static_cast<std::uint8_t>(height),
                                        static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width),
                                        static_cast<std::uint8_t>(components)};
        for (int c = 1; c <= components; ++c)
            frame.insert(frame.end(), {static_cast<std::uint8_t>(c), 0x11, 0});
        Segment(arithmetic ? 0xCA : 0xC2, frame);
    }
    void Scan(const std::vector<std::uint8_t>& components, int first, int last, const std::vector<std::uint8_t>& data)
    {
        std::vector<std::uint8_t> header{static_cast<std::uint8_t>(components.size())};
        for (auto c : components)
            header.insert(header.end(), {c, 0x00});
        header.insert(header.end(), {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(last), 0});
        Segment(0xDA, header);
        bytes.insert(bytes.end(), data.begin(), data.end());
    }
    std::vector<std::uint8_t> End()
    {
        bytes.insert(bytes.end(), {0xFF, 0xD9});
        return bytes;
    }

    std::vector<std::uint8_t> bytes{0xFF, 0xD8};
};

// Entropy-coded data of codes end-of-band run 14 with all 14 extra bits
// set (32767 blocks each), padded with ones, 0xFF bytes stuffed.
inline std::vector<std::uint8_t> EndOfBandRuns(std::uint64_t blocks)
{
    std::vector<std::uint8_t> out;
    std::uint32_t buffer = 0;
    int bits = 0;
    const auto put = [&](std::uint32_t code, int length) {
        buffer = (buffer << length) | code;
        bits += length;
        while (bits >= 8) {
            const auto byte = static_cast<std::uint8_t>(buffer >> (bits - 8));
            out.push_back(byte);
            if (byte == 0xFF)
                out.push_back(0);
            bits -= 8;
        }
    };
    for (std::uint64_t covered = 0; covered < blocks; covered += 32767)
        put(0x3FFF, 15); // the code '0', then 14 ones
    if (bits > 0)
        put((1u << (8 - bits)) - 1, 8 - bits);
    return out;
}

// A progressive file declaring width x height that holds only the start of
// its first scan (scanBytes of DC differences 0), after a comment of
// padding bytes.
inline std::vector<std::uint8_t> DeclaringJpeg(int width, int height, int components, std::size_t scanBytes,
                                               std::size_t padding = 0, bool arithmetic = false)
{
    JpegMarkers jpeg;
    if (padding > 0)
        for (std::size_t left = padding; left > 0;) {
            const auto part = std::min<std::size_t>(left, 65000);
            jpeg.Segment(0xFE, std::vector<std::uint8_t>(part, ' '));
            left -= part;
        }
    jpeg.Tables(arithmetic);
    jpeg.ProgressiveFrame(width, height, components, arithmetic);
    std::vector<std::uint8_t> all;
    for (int c = 1; c <= components; ++c)
        all.push_back(static_cast<std::uint8_t>(c));
    jpeg.Scan(all, 0, 0, std::vector<std::uint8_t>(scanBytes, 0x00));
    return jpeg.End();
}

// A progressive grey file of many scans, each the same AC band over every
// block, coded as end-of-band runs: a few bytes a scan, a pass over the
// whole picture each.
inline std::vector<std::uint8_t> ManyScanJpeg(int width, int height, int scans)
{
    JpegMarkers jpeg;
    jpeg.Tables();
    jpeg.ProgressiveFrame(width, height, 1);
    const auto blocks = static_cast<std::uint64_t>((width + 7) / 8) * static_cast<std::uint64_t>((height + 7) / 8);
    const auto data = EndOfBandRuns(blocks);
    for (int i = 0; i < scans; ++i)
        jpeg.Scan({1}, 1, 63, data);
    return jpeg.End();
}

// A photograph-like picture: smooth shading, edges and fine grain.
inline std::vector<std::uint8_t> PhotoLike(int width, int height)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    std::uint32_t noise = 0x12345678u;
    auto* p = pixels.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 28) - 8;
            const int shade = (x * 160 / width + y * 80 / height) + ((x / 97 + y / 61) % 3) * 20;
            *p++ = static_cast<std::uint8_t>(std::clamp(shade + grain, 0, 255));
            *p++ = static_cast<std::uint8_t>(std::clamp(255 - shade / 2 + grain, 0, 255));
            *p++ = static_cast<std::uint8_t>(std::clamp((shade * 3) % 256 + grain, 0, 255));
        }
    return pixels;
}

} // namespace lv::imaging::test
