#include "artgen.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <jpeglib.h>
#include <png.h>

static void Fail(const char *what, const std::string &path)
{
    std::fprintf(stderr, "artgen: cannot %s %s\n", what, path.c_str());
    std::exit(1);
}

static std::FILE *OpenForWriting(const std::string &path)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        Fail("write", path);
    return f;
}

static void WritePngRows(const Image &img, const std::string &path, bool keyed)
{
    std::FILE *f = OpenForWriting(path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info)
        Fail("set up PNG for", path);
    if (setjmp(png_jmpbuf(png)))
        Fail("encode PNG", path);
    png_init_io(png, f);
    int channels = keyed ? 4 : 3;
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.w), static_cast<png_uint_32>(img.h), 8,
                 keyed ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(img.w) * channels);
    for (int y = 0; y < img.h; y++) {
        for (int x = 0; x < img.w; x++) {
            Colour c = Get(img, x, y);
            bool clear = keyed && c == MAGENTA;
            png_byte *p = &row[static_cast<size_t>(x) * channels];
            p[0] = static_cast<png_byte>(clear ? 0 : RedOf(c));
            p[1] = static_cast<png_byte>(clear ? 0 : GreenOf(c));
            p[2] = static_cast<png_byte>(clear ? 0 : BlueOf(c));
            if (keyed)
                p[3] = static_cast<png_byte>(clear ? 0 : 255);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

void WritePng(const Image &img, const std::string &path) { WritePngRows(img, path, false); }

void WritePngKeyed(const Image &img, const std::string &path) { WritePngRows(img, path, true); }

void WriteJpeg(const Image &img, const std::string &path, int quality)
{
    std::FILE *f = OpenForWriting(path);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(img.w);
    cinfo.image_height = static_cast<JDIMENSION>(img.h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(img.w) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < img.w; x++) {
            Colour c = Get(img, x, y);
            row[3 * x] = static_cast<JSAMPLE>(RedOf(c));
            row[3 * x + 1] = static_cast<JSAMPLE>(GreenOf(c));
            row[3 * x + 2] = static_cast<JSAMPLE>(BlueOf(c));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

static void Put16(std::FILE *f, unsigned v)
{
    std::fputc(static_cast<int>(v & 255), f);
    std::fputc(static_cast<int>((v >> 8) & 255), f);
}

static void Put32(std::FILE *f, unsigned v)
{
    Put16(f, v & 0xFFFF);
    Put16(f, (v >> 16) & 0xFFFF);
}

void WriteBmp(const Image &img, const std::string &path)
{
    std::FILE *f = OpenForWriting(path);
    unsigned rowbytes = (static_cast<unsigned>(img.w) * 3 + 3) & ~3u;
    unsigned datasize = rowbytes * static_cast<unsigned>(img.h);
    std::fputs("BM", f);
    Put32(f, 54 + datasize);
    Put32(f, 0);
    Put32(f, 54);
    Put32(f, 40); // BITMAPINFOHEADER
    Put32(f, static_cast<unsigned>(img.w));
    Put32(f, static_cast<unsigned>(img.h));
    Put16(f, 1);
    Put16(f, 24);
    Put32(f, 0);
    Put32(f, datasize);
    Put32(f, 2835);
    Put32(f, 2835);
    Put32(f, 0);
    Put32(f, 0);
    for (int y = img.h - 1; y >= 0; y--) {
        unsigned n = 0;
        for (int x = 0; x < img.w; x++, n += 3) {
            Colour c = Get(img, x, y);
            std::fputc(BlueOf(c), f);
            std::fputc(GreenOf(c), f);
            std::fputc(RedOf(c), f);
        }
        for (; n < rowbytes; n++)
            std::fputc(0, f);
    }
    std::fclose(f);
}

void WriteWav(const std::vector<std::int16_t> &samples, const std::string &path)
{
    std::FILE *f = OpenForWriting(path);
    unsigned bytes = static_cast<unsigned>(samples.size()) * 2;
    std::fputs("RIFF", f);
    Put32(f, 36 + bytes);
    std::fputs("WAVEfmt ", f);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, SAMPLE_RATE);
    Put32(f, SAMPLE_RATE * 2);
    Put16(f, 2);
    Put16(f, 16);
    std::fputs("data", f);
    Put32(f, bytes);
    for (std::int16_t s : samples)
        Put16(f, static_cast<unsigned>(static_cast<std::uint16_t>(s)));
    std::fclose(f);
}
