// SPDX-License-Identifier: MIT
#include "platform/qt/QtFonts.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

LOGFONT FormFont()
{
    LOGFONT font;
    font.lfHeight = -11;
    std::strcpy(font.lfFaceName, "MS Sans Serif");
    return font;
}

TEST(QtFonts, ClassicSansFaceMapsToTheInstalledSansOfTheSamePixelHeight)
{
    const QFont font = QtFontFor(FormFont());
    EXPECT_EQ(font.pixelSize(), 11);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == QStringLiteral("Liberation Sans") || family == QStringLiteral("DejaVu Sans"))
        << family.toStdString();
}

TEST(QtFonts, BoldWeightAndCellHeightAreHonoured)
{
    LOGFONT font = FormFont();
    font.lfWeight = 700;
    font.lfHeight = 20; // a cell of 20 pixels: the characters are smaller
    const QFont qtFont = QtFontFor(font);
    EXPECT_TRUE(qtFont.bold());
    EXPECT_LT(qtFont.pixelSize(), 20);
    EXPECT_GE(qtFont.pixelSize(), 14);
}

TEST(QtTextEngine, FormFontLinesAreThirteenPixelsAsTheStoredLayoutExpects)
{
    QtTextEngine engine;
    const TEXTMETRIC metrics = engine.Metrics(FormFont());
    EXPECT_EQ(metrics.tmHeight, 13);
    EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
    EXPECT_GT(metrics.tmAveCharWidth, 3);
}

TEST(QtTextEngine, WidthGrowsWithTheText)
{
    QtTextEngine engine;
    EXPECT_EQ(engine.Width(FormFont(), ""), 0);
    const int short_ = engine.Width(FormFont(), "Gen");
    const int full = engine.Width(FormFont(), "Generate");
    EXPECT_GT(short_, 0);
    EXPECT_GT(full, short_);
    EXPECT_LT(full, 8 * 11);
}

TEST(QtTextEngine, DrawsInTheColourAndOnlyInsideTheClip)
{
    QtTextEngine engine;
    PixelRaster raster { 60, 20, false, std::vector<COLORREF>(60 * 20, 0xFFFFFF) };
    const TRect clip = Rect(0, 0, 30, 20);
    engine.DrawLine(raster, clip, 2, 2, FormFont(), "WWWWWWWWWW", RGB(0, 0, 255));
    int inked = 0;
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            const COLORREF pixel = raster.At(x, y);
            if (x >= clip.Right)
                ASSERT_EQ(pixel, 0xFFFFFFu) << x << "," << y;
            else if (pixel != 0xFFFFFF)
                ++inked;
        }
    }
    EXPECT_GT(inked, 20);
    // The darkest pixel is the text colour itself, not a tint of it.
    const auto darkest = *std::min_element(raster.pixels.begin(), raster.pixels.end(),
        [](COLORREF a, COLORREF b) { return GetRValue(a) + GetGValue(a) < GetRValue(b) + GetGValue(b); });
    EXPECT_EQ(darkest, RGB(0, 0, 255));
}

TEST(QtTextEngine, MonochromeRastersStayBlackAndWhite)
{
    QtTextEngine engine;
    PixelRaster raster { 40, 16, true, std::vector<COLORREF>(40 * 16, 0xFFFFFF) };
    engine.DrawLine(raster, Rect(0, 0, 40, 16), 1, 1, FormFont(), "Tile", 0x000000);
    EXPECT_TRUE(std::all_of(raster.pixels.begin(), raster.pixels.end(),
        [](COLORREF pixel) { return pixel == 0 || pixel == 0xFFFFFF; }));
    EXPECT_TRUE(
        std::any_of(raster.pixels.begin(), raster.pixels.end(), [](COLORREF pixel) { return pixel == 0; }));
}

TEST(QtTextEngine, IsTheEngineOfTextDrawingWhileTheHostRuns)
{
    // Our DrawTextA measures with Qt's fonts now, not the box engine's fixed cells.
    const LOGFONT font = FormFont();
    EXPECT_NE(CurrentTextEngine().Width(font, "iiii"), CurrentTextEngine().Width(font, "WWWW"));
}

} // namespace
