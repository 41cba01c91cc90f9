// SPDX-License-Identifier: MIT
// The host's fonts on a surface painted at twice the logical size: the text is rasterised at
// the physical size, with detail a merely enlarged 1x text cannot have.
#include "platform/gdi/DeviceScale.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A white memory DC of a logical size at a pixel ratio, with the form's font selected.
class FontSurface {
public:
    FontSurface(int width, int height, double ratio)
        : FDc(CreateCompatibleDC(nullptr))
        , FBitmap(CreateBitmap(int(ScaleEdge(width, ratio)), int(ScaleEdge(height, ratio)), 1, 32, nullptr))
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

// The first and one past the last column with ink.
std::pair<int, int> InkedColumns(const PixelRaster& raster)
{
    int first = raster.width;
    int last = -1;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (raster.At(x, y) != 0xFFFFFF) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return { first, last + 1 };
}

int InkedWidth(const PixelRaster& raster)
{
    const auto [first, end] = InkedColumns(raster);
    return end - first;
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

namespace {

// Labels are sized to their text's logical width; drawn at a ratio the text must still fit in
// that width scaled, although glyphs do not grow in proportion with the font.
TEST(QtScaledText, TextAtAFractionalRatioFitsItsLogicalWidthScaled)
{
    const char* sentence = "Click one to latch it, again to release it.";
    for (const double ratio : { 1.25, 1.5, 1.75, 2.0, 3.0 }) {
        SCOPED_TRACE(ratio);
        FontSurface surface(400, 16, ratio);
        TSize logical;
        GetTextExtentPoint32A(surface.Dc(), sentence, -1, &logical);
        TRect area = Rect(0, 0, 400, 16);
        DrawTextA(surface.Dc(), sentence, -1, &area, DT_SINGLELINE | DT_NOCLIP);
        const auto [first, end] = InkedColumns(surface.Raster());
        EXPECT_GE(first, 0);
        // A pixel of anti-aliasing may reach past the advance of the last glyph.
        EXPECT_LE(end, ScaleEdge(logical.cx, ratio) + 1);
        EXPECT_GT(end, ScaleEdge(logical.cx, ratio) * 4 / 5) << "the text keeps about its physical size";
    }
}

} // namespace
