// MenuPictureTest.cpp -- the menu picture puts each letter where the mouse finds it, and only there.
// Cells are given in client coordinates; client row y shows picture row y + 27 (the picture is drawn from
// the window's lower left corner and the client area is 523 rows high).
#include "DataFiles.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

static const int ClientWidth = 742, ClientHeight = 523, HiddenTop = 27;
static const int Columns[6][2] = {{31, 130}, {131, 225}, {226, 325}, {326, 420}, {421, 540}, {541, 640}};
static const int Rows[5][2] = {{0, 116}, {117, 224}, {225, 326}, {327, 432}, {433, 522}};

class MenuGrid : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Picture = ReadGif(DataPath("startscreen.gif")); }
    void SetUp() override { ASSERT_TRUE(Picture.Valid); }

    // Ink is anything clearly unlike the plain backdrop, which the never-seen right column shows row by row.
    static bool Ink(int clientX, int clientY)
    {
        int y = clientY + HiddenTop;
        const uint8_t *p = &Picture.Rgb[(y * Picture.Width + clientX) * 3];
        const uint8_t *plain = &Picture.Rgb[(y * Picture.Width + Picture.Width - 1) * 3];
        int d = std::abs(p[0] - plain[0]) + std::abs(p[1] - plain[1]) + std::abs(p[2] - plain[2]);
        return d > 40;
    }
    static int InkIn(int left, int top, int right, int bottom)
    {
        int count = 0;
        for (int y = std::max(top, 0); y <= std::min(bottom, ClientHeight - 1); y++)
            for (int x = std::max(left, 0); x <= std::min(right, ClientWidth - 1); x++)
                count += Ink(x, y);
        return count;
    }
    static PalettePicture Picture;
};
PalettePicture MenuGrid::Picture;

TEST_F(MenuGrid, EveryCellHoldsABigLetterCentredInIt)
{
    for (int cell = 0; cell < 26; cell++) {
        SCOPED_TRACE(std::string("letter ") + (char)('A' + cell));
        const int *column = Columns[cell % 6], *row = Rows[cell / 6];
        int left = 9999, right = -1, top = 9999, bottom = -1;
        for (int y = row[0]; y <= row[1]; y++)
            for (int x = column[0]; x <= column[1]; x++)
                if (Ink(x, y)) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "no ink";
        EXPECT_GE(bottom - top + 1, 55) << "too small for a child to see";
        EXPECT_NEAR((left + right) / 2.0, (column[0] + column[1]) / 2.0, 3);
        EXPECT_NEAR((top + bottom) / 2.0, (row[0] + row[1]) / 2.0, 3);
    }
}

TEST_F(MenuGrid, GuttersBetweenCellsAndTheSpaceAroundTheGridAreClear)
{
    const int band = 5;  // pixels on each side of a border between two cells
    for (int c = 0; c + 1 < 6; c++)
        EXPECT_EQ(InkIn(Columns[c][1] - band, 0, Columns[c][1] + band, ClientHeight - 1), 0) << "column border " << c;
    for (int r = 0; r + 1 < 5; r++)
        EXPECT_EQ(InkIn(0, Rows[r][1] - band, ClientWidth - 1, Rows[r][1] + band), 0) << "row border " << r;
    EXPECT_EQ(InkIn(0, 0, Columns[0][0] + band, ClientHeight - 1), 0) << "left of the grid";
    EXPECT_EQ(InkIn(0, 0, ClientWidth - 1, band), 0) << "top edge";
    EXPECT_EQ(InkIn(0, ClientHeight - 1 - band, ClientWidth - 1, ClientHeight - 1), 0) << "bottom edge";
    EXPECT_EQ(InkIn(Columns[5][1] - band, 0, ClientWidth - 1, ClientHeight - 1), 0)
        << "right of the grid, where the figure stands";
    EXPECT_EQ(InkIn(Columns[2][0], Rows[4][0], Columns[5][1], Rows[4][1]), 0) << "the empty end of the last row";
}

// Which letter does a cell show? Its ink, scaled to a common height (keeping its shape), is compared with
// every letter of the font; the best match must be the cell's own letter, so the mouse and the eye agree.
static std::vector<bool> Normalised(const std::vector<bool> &ink, int width, int height)
{
    const int rows = 32, columns = 48;
    double scale = height / (double)rows;
    std::vector<bool> out(rows * columns);
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < columns; x++) {
            int sx = (int)std::floor((x - columns / 2 + 0.5) * scale + width / 2.0), sy = (int)((y + 0.5) * scale);
            out[y * columns + x] = sx >= 0 && sx < width && ink[sy * width + sx];
        }
    return out;
}

TEST_F(MenuGrid, EachCellShowsItsOwnLetter)
{
    FT_Library library;
    FT_Face face;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Face(library, QUILLORA_TEST_FONT, 0, &face), 0);
    FT_Set_Pixel_Sizes(face, 0, 90);
    std::vector<std::vector<bool>> references;
    for (int letter = 0; letter < 26; letter++) {
        ASSERT_EQ(FT_Load_Char(face, 'A' + letter, FT_LOAD_RENDER), 0);
        const FT_Bitmap &b = face->glyph->bitmap;
        std::vector<bool> ink(b.width * b.rows);
        for (unsigned y = 0; y < b.rows; y++)
            for (unsigned x = 0; x < b.width; x++)
                ink[y * b.width + x] = b.buffer[y * b.pitch + x] > 127;
        references.push_back(Normalised(ink, b.width, b.rows));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    for (int cell = 0; cell < 26; cell++) {
        const int *column = Columns[cell % 6], *row = Rows[cell / 6];
        int left = 9999, right = -1, top = 9999, bottom = -1;
        for (int y = row[0]; y <= row[1]; y++)
            for (int x = column[0]; x <= column[1]; x++)
                if (Ink(x, y)) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0);
        int width = right - left + 1, height = bottom - top + 1;
        std::vector<bool> ink(width * height);
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++)
                ink[y * width + x] = Ink(left + x, top + y);
        std::vector<bool> seen = Normalised(ink, width, height);
        int best = -1;
        double bestScore = -1;
        for (int letter = 0; letter < 26; letter++) {
            int both = 0, either = 0;
            for (size_t i = 0; i < seen.size(); i++) {
                both += seen[i] && references[letter][i];
                either += seen[i] || references[letter][i];
            }
            double score = both / (double)either;
            if (score > bestScore)
                bestScore = score, best = letter;
        }
        EXPECT_EQ((char)('A' + best), (char)('A' + cell)) << "cell " << cell;
    }
}
