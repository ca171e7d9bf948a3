#pragma once
// Builders for icon and JPEG files in tests.
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
inline std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& pixels, int width, int height,
                                            int components, int quality, bool progressive)
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

} // namespace lv::imaging::test
