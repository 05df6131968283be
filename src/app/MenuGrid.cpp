// MenuGrid.cpp -- where the letters of the menu picture are, in client coordinates.
#include "app/App.h"

// The last x of each column, 0 to 5, and of the margin before it; the letters end at 640.
static const uint32_t MenuColumnEdges[] = {30, 130, 225, 325, 420, 540, 640};
// The last y of rows 0 to 3; everything below is row 4, down to the client area's last row.
static const uint32_t MenuRowEdges[] = {116, 224, 326, 432};
// While a button is held the window system goes on reporting the pointer beside, below and above the window
// (above as y = 65535 and less): such a position, below the client area's last row, is on no letter.
constexpr int CellW = 'W' - 'A';
constexpr int CellZ = 'Z' - 'A';

int LetterCellAt(uint32_t x, uint32_t y)
{
    if (x <= MenuColumnEdges[0] || x > MenuColumnEdges[6] || y >= static_cast<uint32_t>(ClientAreaHeight)) return -1;
    int column = 0;
    while (x > MenuColumnEdges[column + 1]) column++;
    int row = 0;
    while (row < 4 && y > MenuRowEdges[row]) row++;
    const int cell = column + 6 * row;
    return cell <= CellZ ? cell : -1;
}

int SceneForCell(int cell)
{
    return cell >= CellW ? cell - 1 : cell;  // from SceneVW on, the scenes are one behind the cells
}
