// Image.cpp -- picture records: GIF through giflib (palette kept), JPEG through libjpeg, pixel access.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include "platform/Image.h"

constexpr int StandInWidth = 760;
constexpr int StandInHeight = 550;
// Larger pictures are refused rather than allocated: nothing the program shows is near this size.
constexpr int LargestSide = 8192;

static int StrideFor(int width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

void newdib(ImageRecord* record, int width, int height, int bitCount, int, int)
{
    *record = ImageRecord{};
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide) return;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return;
    const int stride = StrideFor(width, bitCount);
    auto* header = static_cast<BitmapHeader*>(std::calloc(1, sizeof(BitmapHeader)));
    auto* pixels = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(stride) * height, 1));
    if (header == nullptr || pixels == nullptr) {
        std::free(header);
        std::free(pixels);
        return;
    }
    *header = {width, height, static_cast<uint16_t>(bitCount)};
    record->Header = header;
    record->Pixels = pixels;
    record->Stride = stride;
    record->Handle = reinterpret_cast<uintptr_t>(pixels);
    record->PaletteCount = bitCount == 24 ? 0 : static_cast<uint16_t>(1 << bitCount);
}

void deldib(ImageRecord* record)
{
    std::free(record->Header);
    std::free(record->Pixels);
    *record = ImageRecord{};
}

int getpixel(const ImageRecord* record, int x, int y)
{
    if (record->Header == nullptr || record->Header->BitCount != 1) return 0;
    if (x < 0 || y < 0 || x >= record->Header->Width || y >= record->Header->Height) return 0;
    const uint8_t byte = record->Pixels[y * record->Stride + x / 8];
    return (byte >> (7 - x % 8)) & 1;
}

void setpixel(ImageRecord* record, int x, int y, uint32_t colour)
{
    if (record->Header == nullptr || record->Header->BitCount != 24) return;
    if (x < 0 || y < 0 || x >= record->Header->Width || y >= record->Header->Height) return;
    uint8_t* pixel = record->Pixels + y * record->Stride + 3 * x;
    pixel[0] = static_cast<uint8_t>(colour >> 16);  // blue
    pixel[1] = static_cast<uint8_t>(colour >> 8);
    pixel[2] = static_cast<uint8_t>(colour);        // red
}

static bool DecodeGif(ImageRecord* record, const char* fileName)
{
    int error = 0;
    GifFileType* gif = DGifOpenFileName(fileName, &error);
    if (gif == nullptr) return false;
    bool decoded = false;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* colours = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const int width = gif->SWidth;
        const int height = gif->SHeight;
        newdib(record, width, height, 8, 0, 0);
        if (record->Handle != 0 && colours != nullptr) {
            const int count = colours->ColorCount < 256 ? colours->ColorCount : 256;
            for (int i = 0; i < count; i++)
                record->Palette[i] = {colours->Colors[i].Red, colours->Colors[i].Green, colours->Colors[i].Blue, 0};
            record->PaletteCount = static_cast<uint16_t>(count);
            // The frame may sit anywhere on the logical screen; pixels outside it keep index 0.
            const GifImageDesc& frame = image.ImageDesc;
            for (int row = 0; row < frame.Height; row++) {
                const int y = frame.Top + row;
                if (y < 0 || y >= height) continue;
                uint8_t* line = record->Pixels + (height - 1 - y) * record->Stride;  // bottom row first
                for (int column = 0; column < frame.Width; column++) {
                    const int x = frame.Left + column;
                    if (x < 0 || x >= width) continue;
                    line[x] = image.RasterBits[row * frame.Width + column];
                }
            }
            decoded = true;
        } else {
            deldib(record);
        }
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

struct JpegFailure {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

static void JpegFail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->Jump, 1);
}

// Counts the warnings about damaged data (a file cut short, corrupt bytes) as the library's own reporter would.
static void JpegQuiet(j_common_ptr info, int level)
{
    if (level < 0) info->err->num_warnings++;
}

static bool DecodeJpeg(ImageRecord* record, const char* fileName)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return false;
    jpeg_decompress_struct info{};
    JpegFailure failure{};
    info.err = jpeg_std_error(&failure.Manager);
    failure.Manager.error_exit = JpegFail;
    failure.Manager.emit_message = JpegQuiet;
    // record and file are not changed after this point, so they survive the jump back.
    if (setjmp(failure.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        deldib(record);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    newdib(record, width, height, 24, 0, 0);
    if (record->Handle == 0 || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        deldib(record);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        uint8_t* line = record->Pixels + (height - 1 - y) * record->Stride;
        JSAMPROW rows[1] = {line};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < width; x++) {  // red-green-blue to the bitmap's blue-green-red
            const uint8_t red = line[3 * x];
            line[3 * x] = line[3 * x + 2];
            line[3 * x + 2] = red;
        }
    }
    jpeg_finish_decompress(&info);
    // The library fills what it could not decode with grey: a damaged picture is refused whole instead.
    const bool damaged = failure.Manager.num_warnings != 0;
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    if (damaged) deldib(record);
    return !damaged;
}

// The mode says which decoder the program expects (5: GIF, 7: JPEG); the file's own first bytes decide.
void OpenDib(ImageRecord* record, const char* fileName, int, int)
{
    *record = ImageRecord{};
    unsigned char magic[3] = {0, 0, 0};
    if (std::FILE* file = std::fopen(fileName, "rb")) {
        if (std::fread(magic, 1, 3, file) != 3) magic[0] = 0;
        std::fclose(file);
    }
    bool decoded = false;
    if (magic[0] == 'G' && magic[1] == 'I' && magic[2] == 'F')
        decoded = DecodeGif(record, fileName);
    else if (magic[0] == 0xFF && magic[1] == 0xD8)
        decoded = DecodeJpeg(record, fileName);
    if (!decoded) newdib(record, StandInWidth, StandInHeight, 24, 0, 0);  // black
}
