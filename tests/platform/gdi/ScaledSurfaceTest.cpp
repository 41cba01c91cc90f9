// SPDX-License-Identifier: MIT
// Drawing on a surface of a pixel ratio other than 1: logical calls, whole device pixels.
#include "platform/gdi/DeviceScale.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

#include "tests/platform/gdi/GdiTestPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);

// How many device pixels of a colour a row holds, and whether they are one run.
struct Run {
    int length = 0;
    bool contiguous = true;
};
Run RunIn(const std::string& line, char colour)
{
    Run run;
    const auto first = line.find(colour);
    if (first == std::string::npos)
        return run;
    const auto last = line.rfind(colour);
    run.length = int(std::count(line.begin(), line.end(), colour));
    run.contiguous = run.length == int(last - first + 1);
    return run;
}

std::string Column(const Picture& picture, std::size_t x)
{
    std::string column;
    for (const std::string& row : picture)
        column += row[x];
    return column;
}

TEST(DeviceScale, EdgesRoundHalvesUpAndEveryDevicePixelBelongsToOneLogicalPixel)
{
    const struct {
        double ratio;
        std::vector<std::int64_t> edges; // of logical 0 .. 4
        int thickness;
    } rows[] = {
        { 1.0, { 0, 1, 2, 3, 4 }, 1 },
        { 1.25, { 0, 1, 3, 4, 5 }, 1 },
        { 1.5, { 0, 2, 3, 5, 6 }, 2 },
        { 2.0, { 0, 2, 4, 6, 8 }, 2 },
        { 3.0, { 0, 3, 6, 9, 12 }, 3 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ratio);
        for (std::int64_t edge = 0; edge < 5; ++edge)
            EXPECT_EQ(ScaleEdge(edge, row.ratio), row.edges[std::size_t(edge)]);
        EXPECT_EQ(LineThickness(row.ratio), row.thickness);
        for (std::int64_t logical = -40; logical < 40; ++logical)
            for (std::int64_t device = ScaleEdge(logical, row.ratio);
                 device < ScaleEdge(logical + 1, row.ratio); ++device)
                ASSERT_EQ(LogicalCellOf(device, row.ratio), logical) << "device pixel " << device;
    }
}

TEST(DeviceScale, RatiosOutsideWhatABufferCanTakeCountAsOne)
{
    EXPECT_EQ(UsablePixelRatio(1.5), 1.5);
    EXPECT_EQ(UsablePixelRatio(0.0), 1.0);
    EXPECT_EQ(UsablePixelRatio(-2.0), 1.0);
    EXPECT_EQ(UsablePixelRatio(100.0), 1.0);
    EXPECT_EQ(UsablePixelRatio(std::numeric_limits<double>::quiet_NaN()), 1.0);
}

TEST(ScaledSurface, AtRatioTwoAOnePixelFrameIsTwoPixelsWideInsideItsRectangle)
{
    TestSurface surface(12, 10, Depth::Colour, kWhite);
    surface.SetPixelRatio(2);
    HBRUSH red = CreateSolidBrush(kRed);
    SetViewportOrgEx(surface.Dc(), 1, 0, nullptr);
    FrameRect(surface.Dc(), Rect(0, 1, 4, 4), red);
    EXPECT_EQ(PictureOf(surface, 12, 10),
        (Picture { "............", "............", "..rrrrrrrr..", "..rrrrrrrr..", "..rr....rr..",
            "..rr....rr..", "..rrrrrrrr..", "..rrrrrrrr..", "............", "............" }));
    EXPECT_TRUE(DeleteObject(red));
}

TEST(ScaledSurface, AtRatioTwoLinesPixelsAndRectanglesCoverWholeLogicalPixels)
{
    TestSurface surface(8, 6, Depth::Colour, kWhite);
    surface.SetPixelRatio(2);
    MoveToEx(surface.Dc(), 0, 0, nullptr);
    LineTo(surface.Dc(), 3, 0);
    EXPECT_EQ(SetPixel(surface.Dc(), 3, 2, kRed), kRed);
    EXPECT_EQ(GetPixel(surface.Dc(), 3, 2), kRed);
    EXPECT_EQ(GetPixel(surface.Dc(), 4, 0), CLR_INVALID);
    EXPECT_EQ(PictureOf(surface, 8, 6),
        (Picture { "######..", "######..", "........", "........", "......rr", "......rr" }));
}

TEST(ScaledSurface, ClipBoxAndTextExtentsStayLogical)
{
    TestSurface surface(15, 9, Depth::Colour, kWhite); // 10 x 6 logical at 1.5
    surface.SetPixelRatio(1.5);
    TRect box;
    EXPECT_EQ(GetClipBox(surface.Dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(0, 0, 10, 6));
    SetViewportOrgEx(surface.Dc(), 1, 1, nullptr);
    IntersectClipRect(surface.Dc(), 1, 0, 4, 3);
    EXPECT_EQ(GetClipBox(surface.Dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(1, 0, 4, 3));

    TestSurface plain(10, 6);
    TSize scaledSize;
    TSize plainSize;
    GetTextExtentPoint32A(surface.Dc(), "Width:", -1, &scaledSize);
    GetTextExtentPoint32A(plain.Dc(), "Width:", -1, &plainSize);
    EXPECT_EQ(scaledSize, plainSize);
}

// At 1.5 the logical pixels alternate between two and one device pixels; a line is two
// wherever it lies, in its own colour only, and lines side by side leave no gap.
TEST(ScaledSurface, AtRatioOneAndAHalfLinesAndFramesKeepWholePixels)
{
    for (int position = 0; position < 6; ++position) {
        SCOPED_TRACE(position);
        TestSurface surface(24, 24, Depth::Colour, kWhite);
        surface.SetPixelRatio(1.5);
        HBRUSH red = CreateSolidBrush(kRed);
        FrameRect(surface.Dc(), Rect(position, position, position + 5, position + 5), red);
        EXPECT_TRUE(DeleteObject(red));
        const Picture frame = PictureOf(surface, 24, 24);
        const auto middle = std::size_t(ScaleEdge(position, 1.5) + 3);
        for (const std::string& line : { frame[middle], Column(frame, middle) }) {
            EXPECT_EQ(line.find('?'), std::string::npos) << line;
            // Two edges of two pixels each, the inside white.
            EXPECT_EQ(RunIn(line, 'r').length, 4) << line;
            const auto first = line.find('r');
            EXPECT_EQ(line.substr(first, 2), "rr") << line;
            EXPECT_EQ(line.substr(line.rfind('r') - 1, 2), "rr") << line;
        }

        TestSurface lines(24, 24, Depth::Colour, kWhite);
        lines.SetPixelRatio(1.5);
        MoveToEx(lines.Dc(), 0, position, nullptr);
        LineTo(lines.Dc(), 8, position);
        HPEN blue = CreatePen(PS_SOLID, 1, kBlue);
        HGDIOBJ previous = SelectObject(lines.Dc(), blue);
        MoveToEx(lines.Dc(), 0, position + 1, nullptr);
        LineTo(lines.Dc(), 8, position + 1);
        SelectObject(lines.Dc(), previous);
        EXPECT_TRUE(DeleteObject(blue));
        const std::string column = Column(PictureOf(lines, 24, 24), 4);
        EXPECT_EQ(column.find('?'), std::string::npos) << column;
        const auto black = column.find('#');
        ASSERT_NE(black, std::string::npos) << column;
        EXPECT_EQ(int(black), ScaleEdge(position, 1.5)) << column;
        // The later line may cover part of the earlier, never leave white between them.
        EXPECT_EQ(RunIn(column, 'b').length, 2) << column;
        EXPECT_TRUE(RunIn(column, 'b').contiguous) << column;
        EXPECT_EQ(column.find_first_not_of("#b", black), column.rfind('b') + 1) << column;
    }
}

TEST(ScaledSurface, PicturesAreEnlargedNearestNeighbourAndBuffersOfTheSameRatioCopyOneToOne)
{
    TestSurface picture(2, 1, Pixels { kRed, kBlue });
    TestSurface screen(8, 2, Depth::Colour, kWhite);
    screen.SetPixelRatio(2);
    BitBlt(screen.Dc(), 1, 0, 2, 1, picture.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(PictureOf(screen, 8, 2), (Picture { "..rrbb..", "..rrbb.." }));

    // A buffer painted at the ratio keeps its physical detail when copied to the screen.
    TestSurface buffer(4, 2, Pixels { kRed, kBlue, kBlack, kRed, kBlue, kRed, kWhite, kBlack });
    buffer.SetPixelRatio(2);
    BitBlt(screen.Dc(), 2, 0, 2, 1, buffer.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(PictureOf(screen, 8, 2), (Picture { "..rrrb#r", "..rrbr.#" }));
}

TEST(ScaledSurface, APatternBrushIsAPictureEnlargedWithTheSurface)
{
    TestSurface pattern(2, 2, Pixels { kRed, kBlue, kBlue, kRed });
    HBITMAP patternBitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    patternBitmap->raster = pattern.Raster();
    HBRUSH checker = CreatePatternBrush(patternBitmap);
    TestSurface surface(6, 4, Depth::Colour, kWhite);
    surface.SetPixelRatio(2);
    FillRect(surface.Dc(), Rect(0, 0, 3, 2), checker);
    EXPECT_EQ(PictureOf(surface, 6, 4), (Picture { "rrbbrr", "rrbbrr", "bbrrbb", "bbrrbb" }));
    EXPECT_TRUE(DeleteObject(checker));
    EXPECT_TRUE(DeleteObject(patternBitmap));
}

// An enlarged drawing has every aligned 2 x 2 block of one colour; text rasterised at the
// physical size has edges inside such blocks (the built-in engine's boxes are one pixel
// narrower than their cells, whose width is the physical font's, not twice the logical one's).
TEST(ScaledSurface, TextIsDrawnAtThePhysicalSizeNotEnlarged)
{
    TestSurface plain(20, 14, Depth::Colour, kWhite);
    TestSurface scaled(40, 28, Depth::Colour, kWhite);
    scaled.SetPixelRatio(2);
    for (const TestSurface* surface : { &plain, &scaled }) {
        SetBkMode(surface->Dc(), TRANSPARENT);
        TextOutA(surface->Dc(), 1, 1, "ab", -1);
    }
    const Picture scaledText = PictureOf(scaled, 40, 28);
    int splitBlocks = 0;
    for (std::size_t y = 0; y < 28; y += 2)
        for (std::size_t x = 0; x < 40; x += 2) {
            const char corner = scaledText[y][x];
            splitBlocks += scaledText[y][x + 1] != corner || scaledText[y + 1][x] != corner
                    || scaledText[y + 1][x + 1] != corner
                ? 1
                : 0;
        }
    EXPECT_GT(splitBlocks, 0);
    // Its place is the logical one: the text starts where the enlarged one does.
    const auto leftmost = [](const Picture& picture) {
        std::size_t column = std::string::npos;
        for (const std::string& row : picture)
            column = std::min(column, row.find('#'));
        return column;
    };
    const auto rightmost = [](const Picture& picture) {
        std::size_t column = 0;
        for (const std::string& row : picture)
            if (const auto last = row.rfind('#'); last != std::string::npos)
                column = std::max(column, last);
        return column;
    };
    const Picture plainText = PictureOf(plain, 20, 14);
    EXPECT_EQ(leftmost(scaledText), 2 * leftmost(plainText));
    // And its size the physical one: about twice as wide, as the font's cells round.
    const auto scaledWidth = int(rightmost(scaledText) - leftmost(scaledText));
    const auto plainWidth = int(rightmost(plainText) - leftmost(plainText));
    EXPECT_GT(2 * scaledWidth, 3 * plainWidth);
    EXPECT_LT(2 * scaledWidth, 5 * plainWidth);
}

} // namespace
