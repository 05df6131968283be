// image_test.cpp -- picture records: palette conversion, red-blue order, broken and missing files.
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "platform/Image.h"
#include "render/Render.h"

static const uint8_t* PixelAt(const ImageRecord& record, int x, int y)
{
    return record.Pixels + y * record.Stride + 3 * x;
}

TEST(ConvertPaletteImage, EightBitsTakeEachPixelsPaletteEntry)
{
    ImageRecord picture{};
    newdib(&picture, 5, 3, 8, 0, 0);
    picture.Palette[5] = {200, 10, 30, 0};
    picture.Palette[1] = {1, 2, 3, 0};
    picture.Pixels[0] = 5;                        // bottom row, first column
    picture.Pixels[2 * picture.Stride + 4] = 1;   // top row, last column
    ConvertPaletteImage(&picture, 24);
    ASSERT_EQ(picture.Header->BitCount, 24);
    EXPECT_EQ(PixelAt(picture, 0, 0)[0], 30);  // blue, green, red
    EXPECT_EQ(PixelAt(picture, 0, 0)[1], 10);
    EXPECT_EQ(PixelAt(picture, 0, 0)[2], 200);
    EXPECT_EQ(PixelAt(picture, 4, 2)[2], 1);
    deldib(&picture);
}

TEST(ConvertPaletteImage, FourBitsTakeTheHighNibbleFirst)
{
    ImageRecord picture{};
    newdib(&picture, 3, 1, 4, 0, 0);
    picture.Palette[2] = {20, 0, 0, 0};
    picture.Palette[7] = {70, 0, 0, 0};
    picture.Palette[9] = {90, 0, 0, 0};
    picture.Pixels[0] = 0x27;
    picture.Pixels[1] = 0x90;
    ConvertPaletteImage(&picture, 24);
    EXPECT_EQ(PixelAt(picture, 0, 0)[2], 20);
    EXPECT_EQ(PixelAt(picture, 1, 0)[2], 70);
    EXPECT_EQ(PixelAt(picture, 2, 0)[2], 90);
    deldib(&picture);
}

TEST(ConvertPaletteImage, OneBitUsesTheFirstTwoEntries)
{
    ImageRecord picture{};
    newdib(&picture, 10, 2, 1, 0, 0);
    picture.Palette[0] = {0, 0, 255, 0};
    picture.Palette[1] = {255, 128, 0, 0};
    picture.Pixels[picture.Stride] = 0x80 | 0x01;  // top row: columns 0 and 7 set
    picture.Pixels[picture.Stride + 1] = 0x40;     // and column 9
    ConvertPaletteImage(&picture, 24);
    EXPECT_EQ(PixelAt(picture, 0, 1)[2], 255);
    EXPECT_EQ(PixelAt(picture, 0, 1)[1], 128);
    EXPECT_EQ(PixelAt(picture, 1, 1)[0], 255);  // entry 0 is blue
    EXPECT_EQ(PixelAt(picture, 7, 1)[2], 255);
    EXPECT_EQ(PixelAt(picture, 9, 1)[2], 255);
    EXPECT_EQ(PixelAt(picture, 9, 0)[0], 255);
    deldib(&picture);
}

TEST(ConvertPaletteImage, LeavesA24BitPictureAsItWas)
{
    ImageRecord picture{};
    newdib(&picture, 4, 4, 24, 0, 0);
    picture.Pixels[7] = 99;
    const uint8_t* pixels = picture.Pixels;
    ConvertPaletteImage(&picture, 24);
    EXPECT_EQ(picture.Pixels, pixels);
    EXPECT_EQ(picture.Pixels[7], 99);
    deldib(&picture);
}

TEST(OpenDib, MissingOrBrokenFilesGiveABlackPictureOfTheUsualSize)
{
    const std::string broken = "/tmp/quillora-broken.gif";
    std::FILE* file = std::fopen(broken.c_str(), "wb");
    std::fputs("GIF89a\x08\x07 and then nothing sensible", file);
    std::fclose(file);
    const std::string truncatedJpeg = "/tmp/quillora-broken.jpg";
    file = std::fopen(truncatedJpeg.c_str(), "wb");
    std::fputs("\xFF\xD8\xFF\xE0 short", file);
    std::fclose(file);

    for (const std::string& name : {std::string("/tmp/quillora-no-such-file.gif"), broken, truncatedJpeg}) {
        ImageRecord picture{};
        OpenDib(&picture, name.c_str(), 5, 0);
        ASSERT_NE(picture.Handle, 0u) << name;
        EXPECT_EQ(picture.Header->Width, 760);
        EXPECT_EQ(picture.Header->Height, 550);
        EXPECT_EQ(picture.Header->BitCount, 24);
        EXPECT_EQ(picture.Stride, 2280);
        int lit = 0;
        for (int i = 0; i < picture.Stride * 550; i++) lit += picture.Pixels[i] != 0;
        EXPECT_EQ(lit, 0) << name;
        deldib(&picture);
    }
}

TEST(ImageRecords, PixelAccessStaysInsideThePicture)
{
    ImageRecord picture{};
    newdib(&picture, 2, 2, 24, 0, 0);
    setpixel(&picture, 1, 1, 0x00336699);
    EXPECT_EQ(PixelAt(picture, 1, 1)[0], 0x33);
    EXPECT_EQ(PixelAt(picture, 1, 1)[2], 0x99);
    setpixel(&picture, 2, 0, 0xFFFFFF);  // outside: ignored
    setpixel(&picture, -1, 0, 0xFFFFFF);
    EXPECT_EQ(getpixel(&picture, 0, 0), 0);  // not a 1-bit picture
    deldib(&picture);

    ImageRecord impossible{};
    newdib(&impossible, 0, 10, 24, 0, 0);
    EXPECT_EQ(impossible.Handle, 0u);
    newdib(&impossible, 10, 10, 13, 0, 0);
    EXPECT_EQ(impossible.Handle, 0u);
}
