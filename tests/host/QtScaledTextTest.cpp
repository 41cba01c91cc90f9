// SPDX-License-Identifier: MIT
// The host's fonts on a surface painted at twice the logical size: the text is rasterised at
// the physical size, with detail a merely enlarged 1x text cannot have.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// A white memory DC of a logical size at a pixel ratio, with the form's font selected.
class FontSurface {
public:
    FontSurface(int width, int height, int ratio)
        : FDc(CreateCompatibleDC(nullptr))
        , FBitmap(CreateBitmap(width * ratio, height * ratio, 1, 32, nullptr))
    {
        FBitmap->scale = ratio;
        FBitmap->raster.pixels.assign(FBitmap->raster.pixels.size(), 0xFFFFFF);
        LOGFONT logFont;
        logFont.lfHeight = -11;
        std::strcpy(logFont.lfFaceName, "MS Sans Serif");
        FFont = CreateFontIndirect(logFont);
        FPreviousBitmap = SelectObject(FDc, FBitmap);
        FPreviousFont = SelectObject(FDc, FFont);
        SetBkMode(FDc, TRANSPARENT);
    }
    ~FontSurface()
    {
        SelectObject(FDc, FPreviousFont);
        SelectObject(FDc, FPreviousBitmap);
        DeleteDC(FDc);
        DeleteObject(FFont);
        DeleteObject(FBitmap);
    }
    FontSurface(const FontSurface&) = delete;
    FontSurface& operator=(const FontSurface&) = delete;

    HDC Dc() const { return FDc; }
    const PixelRaster& Raster() const { return FBitmap->raster; }

private:
    HDC FDc;
    HBITMAP FBitmap;
    HFONT FFont = nullptr;
    HGDIOBJ FPreviousBitmap = nullptr;
    HGDIOBJ FPreviousFont = nullptr;
};

// The columns from the first to the last one with ink.
int InkedWidth(const PixelRaster& raster)
{
    int first = raster.width;
    int last = -1;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (raster.At(x, y) != 0xFFFFFF) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return last - first + 1;
}

TEST(QtScaledText, TextAtRatioTwoIsDrawnAtThePhysicalSize)
{
    FontSurface plain(60, 16, 1);
    FontSurface scaled(60, 16, 2);
    for (const FontSurface* surface : { &plain, &scaled }) {
        TRect area = Rect(0, 0, 60, 16);
        DrawTextA(surface->Dc(), "Width:", -1, &area, DT_SINGLELINE | DT_VCENTER);
    }
    // Rows of the scaled text that are not a copy of the row above or below in its pair, and
    // columns likewise: an enlarged 1x text would have none.
    const PixelRaster& raster = scaled.Raster();
    int splitBlocks = 0;
    int inked = 0;
    for (int y = 0; y + 1 < raster.height; y += 2)
        for (int x = 0; x + 1 < raster.width; x += 2) {
            const COLORREF corner = raster.At(x, y);
            inked += corner != 0xFFFFFF ? 1 : 0;
            splitBlocks += raster.At(x + 1, y) != corner || raster.At(x, y + 1) != corner
                    || raster.At(x + 1, y + 1) != corner
                ? 1
                : 0;
        }
    EXPECT_GT(inked, 20);
    EXPECT_GT(splitBlocks, inked / 4);
    const int plainWidth = InkedWidth(plain.Raster());
    const int scaledWidth = InkedWidth(raster);
    EXPECT_GT(2 * scaledWidth, 3 * plainWidth) << scaledWidth << " against " << plainWidth;
    EXPECT_LT(2 * scaledWidth, 5 * plainWidth) << scaledWidth << " against " << plainWidth;
    // Measuring stays logical: the text is as wide as at ratio 1.
    TSize plainSize;
    TSize scaledSize;
    GetTextExtentPoint32A(plain.Dc(), "Width:", -1, &plainSize);
    GetTextExtentPoint32A(scaled.Dc(), "Width:", -1, &scaledSize);
    EXPECT_EQ(scaledSize, plainSize);
}

} // namespace
