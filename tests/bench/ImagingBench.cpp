// Imaging benchmark and differential check (Linux only).
//
// 1. Differential: a corpus of GIF files (the test encoder's variants and
//    giflib's own encoder) decoded by the program's decoder and by giflib's
//    DGifSlurp; wherever giflib decodes a file whole, the first image's
//    palette indices and palette must be equal; elsewhere the program's
//    decoder must decode or refuse with a message.
// 2. Speed: whole-file GIF loads against DGifSlurp; adding a 12-megapixel
//    JPEG with automatic display mode against its conversion alone; and the
//    conversion against libjpeg-turbo decoding the same file into memory in
//    this process. Best of several runs, side by side.
// 3. Memory: peak resident memory of a whole conversion in a fresh process.
//
//   lv_imaging_bench [--write docs/benchmarks.md] [--runs N]
//   lv_imaging_bench --gif [--write docs/benchmarks.md] [--runs N]
//                                   (the GIF timing alone)
//   lv_imaging_bench --save-gifs DIR (the GIF timing's files, numbered)
//   lv_imaging_bench --seeds DIR   (seed corpora for the fuzz targets)
//   lv_imaging_bench --budget [docs/benchmarks.md] (the JPEG budget: 64-megapixel
//                                   pictures and hostile files, time and memory)
//   lv_imaging_bench --differential (the differential check alone, as a test:
//                                   exit 1 on any difference from giflib)
#include <gif_lib.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <jpeglib.h>

#include "app/MainView.h"
#include "app/mainform.h"
#include "fakes/FakePlatform.h"
#include "imaging/ConvertImage.h"
#include "imaging/GifTestSupport.h"
#include "imaging/GifUnit.h"
#include "imaging/ImageTestSupport.h"

extern char** environ;

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;
using lv::imaging::test::BuildGif;
using lv::imaging::test::FullTable;
using lv::imaging::test::GifImage;
using lv::imaging::test::GifLayout;
using lv::imaging::test::Rgb;

// --- ports over the real file system (Linux paths)

class PosixFileSystem : public lv::FileSystem {
public:
    explicit PosixFileSystem(std::string directory) : directory_(std::move(directory)) {}
    bool fileExists(const std::string& path) override { return fs::is_regular_file(path); }
    bool copyFile(const std::string& source, const std::string& destination) override
    {
        std::error_code error;
        return fs::copy_file(source, destination, fs::copy_options::overwrite_existing, error);
    }
    bool moveFile(const std::string& source, const std::string& destination) override
    {
        std::error_code error;
        fs::rename(source, destination, error);
        return !error;
    }
    bool deleteFile(const std::string& path) override
    {
        std::error_code error;
        return fs::remove(path, error);
    }
    std::optional<std::uint32_t> attributes(const std::string& path) override
    {
        if (!fs::exists(path))
            return std::nullopt;
        return lv::FileAttr::Normal;
    }
    bool setAttributes(const std::string&, std::uint32_t) override { return true; }
    std::optional<Bytes> readFile(const std::string& path) override
    {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (!f)
            return std::nullopt;
        std::fseek(f, 0, SEEK_END);
        Bytes bytes(static_cast<std::size_t>(std::ftell(f)));
        std::fseek(f, 0, SEEK_SET);
        const auto n = std::fread(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        if (n != bytes.size())
            return std::nullopt;
        return bytes;
    }
    std::optional<Bytes> readFileStart(const std::string& path, std::size_t count) override
    {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (!f)
            return std::nullopt;
        Bytes bytes(count);
        bytes.resize(std::fread(bytes.data(), 1, count, f));
        std::fclose(f);
        return bytes;
    }
    bool writeFile(const std::string& path, const Bytes& bytes) override
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            return false;
        const auto n = std::fwrite(bytes.data(), 1, bytes.size(), f);
        return std::fclose(f) == 0 && n == bytes.size();
    }
    std::vector<std::string> listFiles(const std::string&) override { return {}; }
    std::vector<std::string> listFolders(const std::string&) override { return {}; }
    std::vector<std::string> drives() override { return {}; }
    std::string longName(const std::string& path) override { return fs::path(path).filename().string(); }
    std::string windowsDirectory() override { return directory_; }
    std::string programDirectory() override { return directory_ + "/"; }

private:
    std::string directory_;
};

class QuietUi : public lv::Ui {
public:
    void setHourglass(bool) override {}
    void processMessages() override {}
    void paintWindows() override {}
};

class NoView : public lv::MainView {
public:
    void shapeWindow() override {}
    void setTitle(const std::string&) override {}
    void sendPaperOptionsToBack() override {}
    void acceptDroppedFiles() override {}
    void setHintDelay(int) override {}
    void colourSkinControls() override {}
    void refreshControls() override {}
    void endApplication() override {}
};

// The main window's logic on the real file system (the other services
// faked), with the Wallpaper item loaded and automatic display mode on:
// Add File(s) as the user runs it, the open dialog answering one file.
class WallpaperAdd {
public:
    explicit WallpaperAdd(const std::string& directory) : files_(directory)
    {
        form_.FormCreate();
        form_.autopaper.checked = true;
        form_.showPage(lv::MainPage::Wallpaper);
    }
    void add(const std::string& path)
    {
        fx_.dialogs.openFilesAnswers.push_back({path});
        form_.BitBtn1Click();
    }
    const std::vector<std::string>& displayModes() const { return form_.list.displayModes; }

private:
    lv::fakes::FakePlatform fx_;
    PosixFileSystem files_;
    NoView view_;
    lv::Tmainform form_{lv::Platform{fx_.registry, fx_.profile, files_, fx_.shell, fx_.system, fx_.screen,
                                     fx_.activeDesktop, fx_.sound, fx_.windows, fx_.dialogs, fx_.ui},
                        view_};
};

// libjpeg-turbo's own decode of a whole file into one buffer of RGB rows:
// the work any conversion of the file must do.
struct PeerJpeg {
    int width = 0;
    int height = 0;
    Bytes rgb;
};

PeerJpeg LibjpegDecode(const std::string& path)
{
    PeerJpeg out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return out;
    std::fseek(f, 0, SEEK_END);
    Bytes file(static_cast<std::size_t>(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    file.resize(std::fread(file.data(), 1, file.size(), f));
    std::fclose(f);

    jpeg_decompress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out.width = static_cast<int>(cinfo.output_width);
    out.height = static_cast<int>(cinfo.output_height);
    const std::size_t stride = std::size_t{cinfo.output_width} * 3;
    out.rgb.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.rgb.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return out;
}

// --- giflib

struct MemoryIn {
    const Bytes* data;
    std::size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* in = static_cast<MemoryIn*>(gif->UserData);
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), in->data->size() - in->position);
    std::memcpy(buffer, in->data->data() + in->position, n);
    in->position += n;
    return static_cast<int>(n);
}

int WriteToMemory(GifFileType* gif, const GifByteType* buffer, int count)
{
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), buffer, buffer + count);
    return count;
}

struct PeerDecode {
    bool whole = false;
    int width = 0;
    int height = 0;
    Bytes indices;
    std::vector<Rgb> palette;
};

PeerDecode GiflibSlurp(const Bytes& file, bool keep)
{
    PeerDecode result;
    MemoryIn in{&file, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&in, ReadFromMemory, &error);
    if (!gif)
        return result;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        result.whole = true;
        if (keep) {
            const SavedImage& image = gif->SavedImages[0];
            result.width = image.ImageDesc.Width;
            result.height = image.ImageDesc.Height;
            result.indices.assign(image.RasterBits,
                                  image.RasterBits + static_cast<std::size_t>(result.width) * result.height);
            const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
            if (map)
                for (int i = 0; i < map->ColorCount; ++i)
                    result.palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
        }
    }
    DGifCloseFile(gif, &error);
    return result;
}

// Frames of width x height with a 256-colour palette, encoded by giflib.
Bytes GiflibEncode(int width, int height, int frames, bool interlace, const std::function<Bytes(int)>& frame)
{
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToMemory, &error);
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i)
        map->Colors[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>((i * 3) & 255),
                          static_cast<GifByteType>(255 - i)};
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    for (int f = 0; f < frames; ++f) {
        auto pixels = frame(f);
        EGifPutImageDesc(gif, 0, 0, width, height, interlace, nullptr);
        if (interlace) {
            for (int row : lv::imaging::test::InterlacedRows(height))
                EGifPutLine(gif, pixels.data() + static_cast<std::size_t>(row) * width, width);
        } else {
            for (int y = 0; y < height; ++y)
                EGifPutLine(gif, pixels.data() + static_cast<std::size_t>(y) * width, width);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

// Picture-like content: smooth areas, edges and some noise.
Bytes PhotoIndices(int width, int height, unsigned seed)
{
    Bytes pixels(static_cast<std::size_t>(width) * height);
    unsigned state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int smooth = ((x / 3 + y / 5) ^ (x / 61 * 7 + y / 47 * 13)) & 0xFF;
            const int noise = (state >> 28) == 0 ? static_cast<int>((state >> 8) & 0x1F) : 0;
            pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>((smooth + noise) & 0xFF);
        }
    return pixels;
}

Bytes PhotoRgb(int width, int height)
{
    Bytes pixels(static_cast<std::size_t>(width) * height * 3);
    unsigned state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            auto* p = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            const int n = static_cast<int>((state >> 24) & 0x0F);
            p[0] = static_cast<std::uint8_t>((x * 255 / width + n) & 0xFF);
            p[1] = static_cast<std::uint8_t>(((y * 255 / height) ^ (x / 40 * 16)) & 0xFF);
            p[2] = static_cast<std::uint8_t>(((x + y) / 16 * 9 + n) & 0xFF);
        }
    return pixels;
}

// A smooth diagonal gradient through the 256 colours: long repeated strings.
Bytes GradientIndices(int width, int height)
{
    Bytes pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::uint8_t>((x + y) * 256 / (width + height));
    return pixels;
}

// A photo-like RGB picture dithered (Floyd-Steinberg) to a 6 x 7 x 6 colour
// cube within the 256 indices: short strings, every colour in use.
Bytes DitheredIndices(int width, int height)
{
    const auto rgb = PhotoRgb(width, height);
    std::vector<int> error(static_cast<std::size_t>(width + 2) * 2 * 3, 0);
    Bytes pixels(static_cast<std::size_t>(width) * height);
    const int levels[3] = {6, 7, 6};
    for (int y = 0; y < height; ++y) {
        int* here = error.data() + static_cast<std::size_t>(y % 2) * (width + 2) * 3;
        int* below = error.data() + static_cast<std::size_t>((y + 1) % 2) * (width + 2) * 3;
        std::fill_n(below, (width + 2) * 3, 0);
        for (int x = 0; x < width; ++x) {
            int index = 0;
            for (int c = 0; c < 3; ++c) {
                const int at = (x + 1) * 3 + c;
                const int want = std::clamp(rgb[(static_cast<std::size_t>(y) * width + x) * 3 + c] + here[at] / 16, 0, 255);
                const int level = (want * (levels[c] - 1) + 127) / 255;
                const int err = want - level * 255 / (levels[c] - 1);
                here[at + 3] += err * 7;
                below[at - 3] += err * 3;
                below[at] += err * 5;
                below[at + 3] += err;
                index = index * levels[c] + level;
            }
            pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(index);
        }
    }
    return pixels;
}

// Frame f of an animation: a gradient background scrolling under a noisy
// square that moves across it.
Bytes AnimationFrame(int width, int height, int f)
{
    Bytes pixels(static_cast<std::size_t>(width) * height);
    unsigned state = static_cast<unsigned>(f) * 2654435761u + 7;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const bool square = std::abs(x - (f * 3) % width) < 40 && std::abs(y - height / 2) < 40;
            pixels[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::uint8_t>(square ? (state >> 24) : ((x + f * 2) / 4 + y / 8) & 0xFF);
        }
    return pixels;
}

// --- the program's decoder

struct OurDecode {
    bool loaded = false;
    std::string message;
    int width = 0;
    int height = 0;
    Bytes indices;
    std::vector<Rgb> palette;
};

OurDecode LumivaneLoad(const Bytes& file)
{
    OurDecode result;
    QuietUi ui;
    lv::imaging::TGifFile gif(ui);
    try {
        gif.LoadFromStream(file);
        if (gif.ImageCount() == 0) {
            result.message = "(no image)";
            return result;
        }
        const auto& image = gif.GetImage(1);
        result.width = image.Width();
        result.height = image.Height();
        for (std::size_t row = 1; row <= image.Height(); ++row)
            for (std::size_t column = 1; column <= image.Width(); ++column)
                result.indices.push_back(image.Pixel(column, row));
        for (const auto& e : image.ColorTableInUse().Entries)
            result.palette.push_back({e.Red, e.Green, e.Blue});
        result.loaded = true;
    } catch (const lv::Error& e) {
        result.message = e.what();
    }
    return result;
}

// --- differential check

struct Differential {
    int files = 0;
    int peerWhole = 0;
    int equal = 0;
    int mismatched = 0;
    std::map<std::string, int> refusedWherePeerDecodes;
    int peerFailedOursDecoded = 0;
    int peerFailedOursRefused = 0;
    std::vector<std::string> problems;
};

std::vector<std::pair<std::string, Bytes>> Corpus()
{
    using lv::imaging::test::Extension;
    using lv::imaging::test::GraphicControl;
    using lv::imaging::test::LzwEncode;
    using lv::imaging::test::Pattern;
    using lv::imaging::test::SubBlocks;
    std::vector<std::pair<std::string, Bytes>> corpus;
    const auto palette = [](int n) {
        std::vector<Rgb> table;
        for (int i = 0; i < n; ++i)
            table.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 5), static_cast<std::uint8_t>(~i)});
        return table;
    };
    for (int bits = 1; bits <= 8; ++bits) {
        const int colors = 1 << bits;
        for (bool local : {false, true}) {
            GifLayout layout;
            layout.global = palette(local ? 2 : colors);
            GifImage image;
            image.width = 37;
            image.height = 21;
            image.pixels = Pattern(37, 21, colors, static_cast<unsigned>(bits));
            if (local)
                image.local = palette(colors);
            layout.images.push_back(image);
            corpus.push_back({"table " + std::to_string(bits) + " bits" + (local ? " local" : ""), BuildGif(layout)});
        }
    }
    for (int height = 1; height <= 17; ++height) {
        GifLayout layout;
        layout.global = palette(16);
        GifImage image;
        image.width = 11;
        image.height = height;
        image.pixels = Pattern(11, height, 16, static_cast<unsigned>(height));
        image.interlaced = true;
        layout.images.push_back(image);
        corpus.push_back({"interlaced height " + std::to_string(height), BuildGif(layout)});
    }
    {
        GifLayout layout;
        layout.global = palette(4);
        for (int i = 0; i < 4; ++i) {
            GifImage image;
            image.width = 20 + i;
            image.height = 10 + i;
            image.pixels = Pattern(image.width, image.height, 4, static_cast<unsigned>(i));
            image.before = GraphicControl(1, 10, i);
            const auto comment = Extension(0xFE, {}, {"frame", std::to_string(i)});
            image.before.insert(image.before.end(), comment.begin(), comment.end());
            layout.images.push_back(image);
        }
        layout.images[0].before = Extension(0xFF, {11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'},
                                          {std::string("\x01\x00\x00", 3)});
        layout.beforeTrailer = Extension(0xFE, {}, {"end"});
        corpus.push_back({"several images with extensions", BuildGif(layout)});
    }
    for (auto mode : {FullTable::Clear, FullTable::ClearAfterFull, FullTable::NeverClear}) {
        GifLayout layout;
        layout.global = palette(256);
        GifImage image;
        image.width = 200;
        image.height = 150;
        image.pixels = Pattern(200, 150, 256, 9);
        image.lzw.fullTable = mode;
        layout.images.push_back(image);
        const char* name = mode == FullTable::Clear ? "4096 codes, clear when full"
                           : mode == FullTable::ClearAfterFull ? "4096 codes, table filled then clear"
                                                                : "4096 codes, no clear (deferred)";
        corpus.push_back({name, BuildGif(layout)});
    }
    {
        GifLayout layout;
        layout.global = palette(16);
        GifImage image;
        image.width = 30;
        image.height = 10;
        image.lzw.endCode = false;
        image.pixels = Pattern(30, 10, 16, 4);
        layout.images.push_back(image);
        corpus.push_back({"data without end code", BuildGif(layout)});
    }
    for (bool interlace : {false, true}) {
        corpus.push_back({std::string("giflib encoder") + (interlace ? " interlaced" : ""),
                          GiflibEncode(97, 61, 3, interlace, [](int f) { return PhotoIndices(97, 61, static_cast<unsigned>(f)); })});
    }
    const auto wholeCount = corpus.size();
    for (std::size_t i = 0; i < wholeCount; i += 3) {
        const auto& [name, bytes] = corpus[i];
        for (std::size_t cut : {bytes.size() / 3, bytes.size() / 2, bytes.size() - 2})
            corpus.push_back({name + " truncated to " + std::to_string(cut), Bytes(bytes.begin(), bytes.begin() + static_cast<long>(cut))});
    }
    return corpus;
}

Differential RunDifferential()
{
    Differential d;
    for (const auto& [name, file] : Corpus()) {
        ++d.files;
        const auto peer = GiflibSlurp(file, true);
        const auto ours = LumivaneLoad(file);
        if (peer.whole) {
            ++d.peerWhole;
            if (!ours.loaded) {
                ++d.refusedWherePeerDecodes[ours.message];
                continue;
            }
            bool same = ours.width == peer.width && ours.height == peer.height && ours.indices == peer.indices;
            for (std::size_t i = 0; same && i < peer.palette.size(); ++i)
                same = ours.palette[i].r == peer.palette[i].r && ours.palette[i].g == peer.palette[i].g &&
                       ours.palette[i].b == peer.palette[i].b;
            if (same) {
                ++d.equal;
            } else {
                ++d.mismatched;
                d.problems.push_back("mismatch: " + name);
            }
        } else if (ours.loaded) {
            ++d.peerFailedOursDecoded;
        } else {
            ++d.peerFailedOursRefused;
        }
    }
    return d;
}

// --- timing

double BestMs(int runs, const std::function<void()>& work)
{
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

int Spawn(const std::vector<std::string>& args, rusage* usage = nullptr)
{
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage local{};
    wait4(pid, &status, 0, usage ? usage : &local);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Peak resident kilobytes of a fresh process converting the file (the
// process reports its own high-water mark, which exec starts afresh).
long PeakKb(const std::string& self, const std::string& directory, const std::string& file)
{
    const auto report = directory + "/peak.txt";
    if (Spawn({self, "--convert", directory, file, report}) != 0)
        return -1;
    long kb = -1;
    std::ifstream(report) >> kb;
    return kb;
}

long OwnPeakKb()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// Writes "peak kilobytes, milliseconds, message" to the report; the message
// is empty when the file converted.
int ConvertOnly(const std::string& directory, const std::string& file, const std::string& report,
                lv::imaging::PictureDepth depth = lv::imaging::PictureDepth::TrueColor)
{
    std::string message;
    const auto start = std::chrono::steady_clock::now();
    if (file != "-") {
        PosixFileSystem files(directory);
        QuietUi ui;
        try {
            lv::imaging::ConvertImageToBitmap({files, ui, depth}, file, false);
        } catch (const lv::Error& e) {
            message = e.what();
        }
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::ofstream(report) << OwnPeakKb() << " " << took.count() << " " << message;
    return 0;
}

std::string Fixed(double value, int digits)
{
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(digits);
    out << value;
    return out.str();
}

std::string CpuModel()
{
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown CPU";
}

void ReplaceSection(const std::string& path, const std::string& heading, const std::string& section)
{
    std::string text;
    {
        std::ifstream in(path);
        std::stringstream buffer;
        buffer << in.rdbuf();
        text = buffer.str();
    }
    if (text.empty())
        text = "# Benchmarks\n\nFigures measured on the project's build machine; each section says how to repeat it.\n";
    const auto start = text.find(heading + "\n");
    if (start == std::string::npos) {
        if (text.back() != '\n')
            text += "\n";
        text += "\n" + section;
    } else {
        auto end = text.find("\n## ", start + heading.size());
        end = end == std::string::npos ? text.size() : end + 1;
        text.replace(start, end - start, section);
    }
    std::ofstream(path) << text;
}

// The JPEG budget: 64-megapixel pictures as cameras and editors write
// them, and files that declare far more than they hold, each converted in
// a fresh process at both depths.
int MeasureBudget(const std::string& writeTo)
{
    using namespace lv::imaging::test;
    const std::string self = fs::canonical("/proc/self/exe").string();
    const std::string work = (fs::temp_directory_path() / ("lv-budget-bench-" + std::to_string(getpid()))).string();
    fs::create_directories(work);
    struct Case {
        std::string name;
        std::string path;
    };
    std::vector<Case> cases;
    const auto add = [&](const std::string& name, const Bytes& file) {
        cases.push_back({name, work + "/" + std::to_string(cases.size()) + ".jpg"});
        WriteFile(cases.back().path, file);
        std::cerr << name << ": " << file.size() << " bytes\n";
    };
    {
        const auto rgb = PhotoRgb(8192, 8192);
        add("8192 x 8192 progressive, 4:2:0, quality 85", EncodeJpeg(rgb, 8192, 8192, 3, 85, true));
        add("8192 x 8192 progressive, 4:4:4, quality 95", EncodeJpeg(rgb, 8192, 8192, 3, 95, true, true));
        add("8192 x 8192 baseline, 4:2:0, quality 85", EncodeJpeg(rgb, 8192, 8192, 3, 85, false));
    }
    add("progressive header declaring 8192 x 8192", DeclaringJpeg(8192, 8192, 3, 16));
    add("the same after a 70 KB comment", DeclaringJpeg(8192, 8192, 3, 16, 70000));
    add("the same, arithmetic-coded", DeclaringJpeg(8192, 8192, 3, 16, 0, true));
    add("CMYK 8192 x 8192 with 70 KB of scan data", DeclaringJpeg(8192, 8192, 4, 70000));
    add("990 scans over 4096 x 4096", ManyScanJpeg(4096, 4096, 990));
    add("990 scans over 8192 x 8192", ManyScanJpeg(8192, 8192, 990));

    const auto run = [&](const std::string& file, bool palette) {
        const auto report = work + "/peak.txt";
        std::vector<std::string> args{self, "--convert", work, file, report};
        if (palette)
            args.push_back("palette");
        Spawn(args);
        long kb = -1;
        double ms = 0;
        std::string message;
        std::ifstream in(report);
        in >> kb >> ms;
        std::getline(in >> std::ws, message);
        return std::tuple{kb, ms, message};
    };
    const long baseKb = std::get<0>(run("-", false));
    std::ostringstream md;
    md << "## JPEG conversion budget\n\n";
    md << "Measured by `lv_imaging_bench --budget` (tests/bench; `build/native/tests/bench/lv_imaging_bench --budget "
          "docs/benchmarks.md`), on " << CpuModel() << ": each file converted by `ConvertImageToBitmap` in a fresh "
          "process, at true colour and at palette depth; peak resident memory less that of the same process "
          "converting nothing (" << baseKb / 1024 << " MiB). One conversion may spend 400 MB on the library's "
          "whole-picture arrays (the coefficients of progressive and multi-scan files, the palette quantiser's copy "
          "of the picture: beyond it the palette comes from a fixed colour cube), 1000 scans and 128 Mi blocks "
          "decoded over all scans together; a file of a megapixel or more needs a byte of scan data for every 1000 "
          "pixels when Huffman-coded (a flat grey picture has one for every 250), for every 100,000 when "
          "arithmetic-coded (a flat 64-megapixel picture takes 100 to 400 bytes, and is refused).\n\n";
    md << "| file | size | true colour: s | peak MiB | palette: s | peak MiB | result |\n|---|---:|---:|---:|---:|---:|---|\n";
    for (const auto& c : cases) {
        const auto [kb24, ms24, message24] = run(c.path, false);
        const auto [kb8, ms8, message8] = run(c.path, true);
        const auto size = static_cast<double>(fs::file_size(c.path));
        md << "| " << c.name << " | " << (size >= 1048576 ? Fixed(size / 1048576, 1) + " MiB" : Fixed(size / 1024, 1) + " KiB")
           << " | " << Fixed(ms24 / 1000, 2) << " | " << (kb24 - baseKb) / 1024 << " | " << Fixed(ms8 / 1000, 2) << " | "
           << (kb8 - baseKb) / 1024 << " | "
           << (message24.empty() ? "converted" : message24.substr(message24.find(": ") + 2)) << " |\n";
    }
    std::cout << md.str();
    if (!writeTo.empty())
        ReplaceSection(writeTo, "## JPEG conversion budget", md.str());
    fs::remove_all(work);
    return 0;
}

using GifFile = std::pair<std::string, Bytes>;

std::vector<GifFile> GifFiles()
{
    std::vector<GifFile> gifs;
    gifs.push_back({"one 4000 x 3000 image", GiflibEncode(4000, 3000, 1, false, [](int) { return PhotoIndices(4000, 3000, 1); })});
    gifs.push_back({"200 frames of 640 x 480", GiflibEncode(640, 480, 200, false, [](int f) { return PhotoIndices(640, 480, static_cast<unsigned>(f)); })});
    gifs.push_back({"one 4000 x 3000 image, interlaced", GiflibEncode(4000, 3000, 1, true, [](int) { return PhotoIndices(4000, 3000, 2); })});
    gifs.push_back({"smooth gradient 1920 x 1080", GiflibEncode(1920, 1080, 1, false, [](int) { return GradientIndices(1920, 1080); })});
    gifs.push_back({"256-colour dithered photo 1920 x 1080", GiflibEncode(1920, 1080, 1, false, [](int) { return DitheredIndices(1920, 1080); })});
    gifs.push_back({"animation of 200 frames of 480 x 270", GiflibEncode(480, 270, 200, false, [](int f) { return AnimationFrame(480, 270, f); })});
    return gifs;
}

// Whole-file loads against DGifSlurp, each file decoded from memory, the
// two decoders taking turns so that a busy moment costs both alike.
std::string GifSection(const std::vector<GifFile>& gifs, int runs)
{
    std::ostringstream md;
    md << "## GIF decoding\n\n";
    md << "Measured by `lv_imaging_bench --gif` (tests/bench; `cmake --build --preset native --target lv_imaging_bench "
          "&& build/native/tests/bench/lv_imaging_bench --gif --write docs/benchmarks.md`), built with -O2, on "
       << CpuModel() << ", " << sysconf(_SC_NPROCESSORS_ONLN) << " cores shared with other work. Each file is made "
          "by giflib's encoder, held in memory, and loaded whole (every image decoded) by the program's `TGifFile::"
          "LoadFromStream` and by giflib " << GIFLIB_MAJOR << "." << GIFLIB_MINOR << "." << GIFLIB_RELEASE
       << "'s `DGifOpen` + `DGifSlurp` reading from memory, in turns; the time is the best of " << runs
       << " runs of each. The program's time includes copying the file into the loader, which keeps it. "
          "Ratio = program / giflib; lower is better.\n\n";
    md << "| file | size | program ms | giflib ms | ratio |\n|---|---:|---:|---:|---:|\n";
    double logSum = 0;
    for (const auto& [name, file] : gifs) {
        double ours = 1e100;
        double peer = 1e100;
        for (int i = 0; i < runs; ++i) {
            ours = std::min(ours, BestMs(1, [&] {
                QuietUi ui;
                lv::imaging::TGifFile gif(ui);
                gif.LoadFromStream(file);
            }));
            peer = std::min(peer, BestMs(1, [&] { GiflibSlurp(file, false); }));
        }
        logSum += std::log(ours / peer);
        md << "| " << name << " | " << Fixed(file.size() / 1048576.0, 1) << " MiB | " << Fixed(ours, 1) << " | "
           << Fixed(peer, 1) << " | " << Fixed(ours / peer, 2) << " |\n";
        std::cerr << name << ": " << Fixed(ours, 1) << " / " << Fixed(peer, 1) << " = " << Fixed(ours / peer, 2) << "\n";
    }
    md << "| geometric mean | | | | " << Fixed(std::exp(logSum / static_cast<double>(gifs.size())), 2) << " |\n\n";
    return md.str();
}

void WriteSeeds(const std::string& directory)
{
    for (const char* kind : {"gif", "icon", "convert"})
        fs::create_directories(directory + "/" + kind);
    int n = 0;
    std::vector<Bytes> gifs;
    for (const auto& entry : Corpus()) {
        if (entry.second.size() > 65536)
            continue;
        WriteFile(directory + "/gif/" + std::to_string(n++) + ".gif", entry.second);
        gifs.push_back(entry.second);
    }
    std::vector<Bytes> icons;
    for (int bits : {1, 4, 8, 24, 32}) {
        lv::imaging::test::IconLayout layout;
        layout.bits = bits;
        layout.palette.assign(bits <= 8 ? (1u << bits) : 0, 0x336699);
        for (int i = 0; i < 32 * 32; ++i) {
            layout.colors.push_back(bits <= 8 ? static_cast<std::uint32_t>(i % (1 << std::min(bits, 8))) : 0x102030u * (i % 5));
            layout.transparent.push_back(i % 7 == 0);
            layout.alpha.push_back(static_cast<std::uint8_t>(i));
        }
        auto small = layout;
        small.width = small.height = 16;
        small.colors.resize(256);
        small.transparent.resize(256);
        small.alpha.resize(256);
        icons.push_back(lv::imaging::test::IconFile({small, layout}));
        WriteFile(directory + "/icon/" + std::to_string(bits) + ".ico", icons.back());
    }
    const std::vector<Bytes> jpegs = {
        lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(33, 17, 3), 33, 17, 3, 75, false),
        lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(24, 24, 3), 24, 24, 3, 75, true),
        lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(16, 8, 1), 16, 8, 1, 75, false)};
    // first byte: extension (0 .gif, 1 .ico, 2 .jpg), 8: palette display, 16: wallpaper target
    const auto convertSeed = [&](std::uint8_t selector, const Bytes& file) {
        Bytes seed{selector};
        seed.insert(seed.end(), file.begin(), file.end());
        WriteFile(directory + "/convert/" + std::to_string(n++), seed);
    };
    for (std::size_t i = 0; i < gifs.size(); i += 4)
        convertSeed(0, gifs[i]);
    for (const auto& icon : icons)
        convertSeed(1 | 16, icon);
    for (const auto& jpeg : jpegs) {
        convertSeed(2, jpeg);
        convertSeed(2 | 8, jpeg);
    }
    // files that declare far more than they hold (tests/bench/fuzz/corpus/convert keeps them too)
    convertSeed(2, lv::imaging::test::DeclaringJpeg(8192, 8192, 3, 16));
    convertSeed(2 | 8, lv::imaging::test::DeclaringJpeg(8192, 8192, 3, 16, 70000));
    convertSeed(2 | 16, lv::imaging::test::DeclaringJpeg(8192, 8192, 4, 70000));
    convertSeed(2, lv::imaging::test::DeclaringJpeg(8192, 8192, 3, 16, 0, true));
    convertSeed(2 | 8, lv::imaging::test::ManyScanJpeg(4096, 4096, 990));
}

} // namespace

int main(int argc, char** argv)
{
    std::string writeTo;
    int runs = 5;
    bool gifOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--convert" && i + 3 < argc)
            return ConvertOnly(argv[i + 1], argv[i + 2], argv[i + 3],
                               i + 4 < argc && std::string(argv[i + 4]) == "palette"
                                   ? lv::imaging::PictureDepth::Palette
                                   : lv::imaging::PictureDepth::TrueColor);
        if (arg == "--budget")
            return MeasureBudget(i + 1 < argc ? argv[i + 1] : "");
        if (arg == "--differential") {
            const auto d = RunDifferential();
            for (const auto& p : d.problems)
                std::cerr << p << "\n";
            // Refusing a file giflib decodes is allowed only where a full
            // string table is not followed by a clear code.
            int unexpectedRefusals = 0;
            for (const auto& [message, count] : d.refusedWherePeerDecodes)
                if (message != "Code size overflow") {
                    std::cerr << "refused where giflib decodes: " << message << " (" << count << ")\n";
                    unexpectedRefusals += count;
                }
            std::cout << d.files << " files, giflib whole " << d.peerWhole << ", equal " << d.equal
                      << ", different " << d.mismatched << ", unexpected refusals " << unexpectedRefusals << "\n";
            return d.mismatched == 0 && unexpectedRefusals == 0 ? 0 : 1;
        }
        if (arg == "--save-gifs" && i + 1 < argc) {
            int n = 0;
            for (const auto& [name, file] : GifFiles())
                WriteFile(std::string(argv[i + 1]) + "/" + std::to_string(++n) + ".gif", file);
            return 0;
        }
        if (arg == "--gif") {
            gifOnly = true;
            continue;
        }
        if (arg == "--seeds" && i + 1 < argc) {
            WriteSeeds(argv[i + 1]);
            return 0;
        }
        if (arg == "--write" && i + 1 < argc)
            writeTo = argv[++i];
        else if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
    }
    if (gifOnly) {
        const auto gifMd = GifSection(GifFiles(), runs);
        std::cout << gifMd;
        if (!writeTo.empty())
            ReplaceSection(writeTo, "## GIF decoding", gifMd);
        return 0;
    }
    const std::string self = fs::canonical("/proc/self/exe").string();
    const std::string work = (fs::temp_directory_path() / ("lv-imaging-bench-" + std::to_string(getpid()))).string();
    fs::create_directories(work);
    std::ostringstream md;
    bool failed = false;

    // 1. differential
    std::cerr << "differential check against giflib...\n";
    const auto d = RunDifferential();
    for (const auto& p : d.problems)
        std::cerr << p << "\n";
    failed |= d.mismatched != 0;

    // 2. GIF speed
    std::cerr << "GIF timing...\n";
    const auto gifs = GifFiles();
    const auto gifMd = GifSection(gifs, runs);

    // 3. JPEG: the add against the conversion, the conversion against the
    // library's own decode, and the pixels against that decode
    std::cerr << "JPEG timing...\n";
    const auto rgb = PhotoRgb(4000, 3000);
    struct JpegCase {
        std::string name;
        std::string path;
    };
    std::vector<JpegCase> jpegs = {{"12-megapixel baseline (4000 x 3000, quality 90)", work + "/baseline.jpg"},
                                   {"12-megapixel progressive (4000 x 3000, quality 90)", work + "/progressive.jpg"}};
    WriteFile(jpegs[0].path, lv::imaging::test::EncodeJpeg(rgb, 4000, 3000, 3, 90, false));
    WriteFile(jpegs[1].path, lv::imaging::test::EncodeJpeg(rgb, 4000, 3000, 3, 90, true));
    struct JpegTiming {
        std::string name;
        std::size_t bytes;
        double add;
        double convert;
        double decode;
    };
    std::vector<JpegTiming> jpegTimes;
    std::vector<std::string> jpegEquality;
    for (const auto& j : jpegs) {
        PosixFileSystem files(work);
        QuietUi ui;
        WallpaperAdd adding(work);
        const auto add = BestMs(runs, [&] { adding.add(j.path); });
        failed |= adding.displayModes().size() != static_cast<std::size_t>(runs);
        const auto convert = BestMs(runs, [&] {
            lv::imaging::ConvertImageToBitmap({files, ui, lv::imaging::PictureDepth::TrueColor}, j.path, false);
        });
        PeerJpeg peer;
        const auto decode = BestMs(runs, [&] { peer = LibjpegDecode(j.path); });
        jpegTimes.push_back({j.name, static_cast<std::size_t>(fs::file_size(j.path)), add, convert, decode});

        lv::imaging::TBitmap mine;
        mine.LoadFromFile(files, work + "/LumivaneTemp.bmp");
        long differing = 0;
        const bool sized = mine.Width() == peer.width && mine.Height() == peer.height;
        for (int y = 0; sized && y < peer.height; ++y)
            for (int x = 0; x < peer.width; ++x) {
                const auto* p = peer.rgb.data() + (static_cast<std::size_t>(y) * peer.width + x) * 3;
                differing += mine.PixelColor(x, y) != ((std::uint32_t{p[0]} << 16) | (p[1] << 8) | p[2]);
            }
        const bool same = sized && differing == 0;
        failed |= !same;
        jpegEquality.push_back(j.name + ": " + (same ? "all 12,000,000 pixels equal to the library's decode"
                                                     : std::to_string(differing) + " pixels differ from the library's decode"));
    }

    // 4. memory
    std::cerr << "memory...\n";
    const auto gifPath = work + "/big.gif";
    WriteFile(gifPath, gifs[0].second);
    const long baseKb = PeakKb(self, work, "-");
    const long gifKb = PeakKb(self, work, gifPath);
    const long jpegKb = PeakKb(self, work, jpegs[0].path);
    const long progressiveKb = PeakKb(self, work, jpegs[1].path);
    const double gifDecoded = 4000.0 * 3000.0 / 1024.0;
    const double jpegDecoded = 4000.0 * 3000.0 * 3.0 / 1024.0;

    // report
    md << "## Image conversion\n\n";
    md << "Measured by `lv_imaging_bench` (tests/bench; `cmake --build --preset native --target lv_imaging_bench && "
          "build/native/tests/bench/lv_imaging_bench --write docs/benchmarks.md`), built with -O2, on "
       << CpuModel() << ", " << sysconf(_SC_NPROCESSORS_ONLN) << " cores, best of " << runs
       << " runs; peer measured in the same run: libjpeg-turbo " << LIBJPEG_TURBO_VERSION_NUMBER / 1000000 << "."
       << LIBJPEG_TURBO_VERSION_NUMBER / 1000 % 1000 << "." << LIBJPEG_TURBO_VERSION_NUMBER % 1000
       << " (the library the program links, decoding in this process). Ratio = program / peer; lower is better.\n\n";
    md << "### JPEG: adding a file, converting it, decoding it\n\n";
    md << "Add: Add File(s) on the Wallpaper page with automatic display mode, the open dialog answering one "
          "file (the main window's logic on the real file system): the file is converted to the preview bitmap "
          "and its size read from the bitmap's headers. Convert: `ConvertImageToBitmap` alone (read the file, "
          "decode, write the bitmap beside the target, move it over the target). Decode: libjpeg-turbo reading "
          "the same file and decoding it into one buffer of rows in memory, the work both must do.\n\n";
    md << "| file | size | add ms | convert ms | decode ms | add / convert | target | convert / decode | target |\n"
          "|---|---:|---:|---:|---:|---:|---|---:|---|\n";
    for (const auto& t : jpegTimes)
        md << "| " << t.name << " | " << Fixed(t.bytes / 1048576.0, 1) << " MiB | " << Fixed(t.add, 1) << " | "
           << Fixed(t.convert, 1) << " | " << Fixed(t.decode, 1) << " | " << Fixed(t.add / t.convert, 2)
           << " | <= 1.15 | " << Fixed(t.convert / t.decode, 2) << " | <= 1.30 |\n";
    md << "\n";
    for (const auto& e : jpegEquality)
        md << "- " << e << "\n";
    md << "\n### Peak memory of one conversion\n\n";
    md << "Peak resident memory of a fresh process that converts one file, less that of the same process "
          "converting nothing (" << baseKb / 1024 << " MiB).\n\n";
    md << "| conversion | decoded picture | peak increase | ratio | target |\n|---|---:|---:|---:|---|\n";
    const auto memoryRow = [&](const std::string& name, double decodedKb, long peakKb) {
        const double increase = static_cast<double>(peakKb - baseKb);
        md << "| " << name << " | " << Fixed(decodedKb / 1024.0, 1) << " MiB | " << Fixed(increase / 1024.0, 1)
           << " MiB | " << Fixed(increase / decodedKb, 2) << " | < 3.00 |\n";
    };
    memoryRow("GIF 4000 x 3000 (8-bit)", gifDecoded, gifKb);
    memoryRow("JPEG 4000 x 3000 baseline (24-bit)", jpegDecoded, jpegKb);
    memoryRow("JPEG 4000 x 3000 progressive (24-bit)", jpegDecoded, progressiveKb);
    md << "\n### Differential check against giflib\n\n";
    md << d.files << " generated GIF files (the test encoder's tables of 1 to 8 bits, local tables, interlaced "
          "heights 1 to 17, several images with comment, graphic control and application extensions, 4,096-code "
          "streams with and without a clear code, data without an end code, giflib's own encoder, and truncated "
          "copies). giflib decoded " << d.peerWhole << " whole; of those the first image's palette indices and "
          "palette were equal in " << d.equal << ", different in " << d.mismatched << ".";
    for (const auto& [message, count] : d.refusedWherePeerDecodes)
        md << " The program refused " << count << " with \"" << message << "\" (by design: a full string table "
              "must be followed by a clear code).";
    md << " Of the " << (d.files - d.peerWhole) << " files giflib could not decode whole, the program decoded "
       << d.peerFailedOursDecoded << " (keeping the rows before the cut) and refused " << d.peerFailedOursRefused
       << " with its messages; none crashed.\n";

    std::cout << gifMd << md.str();
    if (!writeTo.empty()) {
        ReplaceSection(writeTo, "## GIF decoding", gifMd);
        ReplaceSection(writeTo, "## Image conversion", md.str());
    }
    fs::remove_all(work);
    return failed ? 1 : 0;
}
