// SPDX-License-Identifier: MIT
#include "tile/TiledIsoLayout.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Qt's rounding of a picture's position: halves go up.
int RoundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

} // namespace

TIsoMapLayout TiledIsoLayout(int columns, int rows, const TTileCell& cell)
{
    assert(columns > 0 && rows > 0 && cell.width > 0 && cell.height > 1 && "a map of cells");
    const int cellWidth = cell.width;
    const int cellHeight = cell.height;
    const int pictureWidth = cell.PictureWidth();
    const int pictureHeight = cell.PictureHeight();
    const int offsetX = -cell.overdraw;
    const int offsetY = cell.overdraw;
    TIsoMapLayout layout;
    layout.width = (columns + rows) * cellWidth / 2;
    layout.height = (columns + rows) * cellHeight / 2;

    // The editor widens the area it draws by how far pictures reach past their cells, and
    // starts at the cell holding that area's top-left corner.
    const int largest = std::max(pictureWidth, pictureHeight);
    const int marginLeft = std::max(0, -offsetX);
    const int marginTop = std::max(0, -offsetY) + largest - cellHeight;
    const int marginRight = std::max(0, offsetX) + largest - cellWidth;
    const int marginBottom = std::max(0, offsetY);
    const int areaLeft = -marginRight;
    const int areaTop = -marginBottom;
    const int areaRight = layout.width - 1 + marginLeft; // inclusive, as the editor's rectangles are
    const int areaBottom = layout.height - 1 + marginTop;
    const int originX = rows * cellWidth / 2;
    const double tileX = double(areaLeft - originX) / cellWidth;
    const double tileY = double(areaTop) / cellHeight;
    int rowColumn = int(std::floor(tileY + tileX));
    int rowRow = int(std::floor(tileY - tileX));
    double startX = (rowColumn - rowRow) * cellWidth / 2.0 + originX - cellWidth / 2;
    double startY = (rowColumn + rowRow) * cellHeight / 2.0 + cellHeight;
    // Whole-number halves here, as the editor divides integers.
    const bool inUpperHalf = startY - areaTop > cellHeight / 2;
    const bool inLeftHalf = areaLeft - startX < cellWidth / 2;
    if (inUpperHalf) {
        if (inLeftHalf) {
            --rowColumn;
            startX -= cellWidth / 2;
        } else {
            --rowRow;
            startX += cellWidth / 2;
        }
        startY -= cellHeight / 2;
    }
    bool shifted = inUpperHalf != inLeftHalf;
    // Rows are stepped in half pixels, so an odd cell height keeps its halves.
    for (int doubledY = int(startY * 2); doubledY - cellHeight * 2 < areaBottom * 2; doubledY += cellHeight) {
        int column = rowColumn;
        int row = rowRow;
        for (int x = int(startX); x < areaRight; x += cellWidth) {
            if (column >= 0 && column < columns && row >= 0 && row < rows)
                layout.pictures.push_back({ column, row, RoundHalfUp(x + offsetX),
                    RoundHalfUp(doubledY / 2.0 + offsetY - pictureHeight) });
            ++column;
            --row;
        }
        if (!shifted) {
            ++rowColumn;
            startX += cellWidth / 2;
        } else {
            ++rowRow;
            startX -= cellWidth / 2;
        }
        shifted = !shifted;
    }
    return layout;
}
