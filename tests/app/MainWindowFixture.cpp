// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"

#include "platform/png/PngCodec.h"
#include "tools/BatchCommand.h"

#include <fstream>
#include <iterator>
#include <sstream>

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

void WritePngPicture(const AnsiString& fileName, int width, int height)
{
    PixelRaster colours { width, height, false, {} };
    std::vector<std::uint8_t> alpha;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            colours.pixels.push_back(RGB(std::uint8_t(x * 9), std::uint8_t(y * 5), std::uint8_t(x ^ y)));
            alpha.push_back(x == 0 ? 128 : 255);
        }
    const std::vector<std::uint8_t> bytes = WritePng(colours, alpha);
    std::ofstream(fileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::string FileBytes(const AnsiString& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

int RunDurnikBatch(const std::vector<const char*>& arguments, const AnsiString& programDir)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatchCommand(arguments, { out, err, programDir });
    EXPECT_EQ(err.str(), "");
    return status;
}
