// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"

void WriteSolidPicture(const AnsiString& fileName, int width, int height, COLORREF color)
{
    TBitmap bitmap;
    bitmap.SetRaster(PixelRaster {
        width, height, false, std::vector<COLORREF>(std::size_t(width) * std::size_t(height), color) });
    bitmap.SaveToFile(fileName);
}

void WriteHalfMask(const AnsiString& fileName, int width, int height)
{
    PixelRaster raster { width, height, false,
        std::vector<COLORREF>(std::size_t(width) * std::size_t(height)) };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.At(x, y) = x < width / 2 ? clBlack : clWhite;
    TBitmap bitmap;
    bitmap.SetRaster(raster);
    bitmap.SaveToFile(fileName);
}

PixelRaster ReadPicture(const AnsiString& fileName)
{
    TBitmap bitmap;
    bitmap.LoadFromFile(fileName);
    return bitmap.Raster();
}
