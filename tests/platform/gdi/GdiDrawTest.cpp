// SPDX-License-Identifier: MIT
#include "platform/gdi/Gdi.h"

#include "tests/platform/gdi/GdiTestPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);

// A white 5 x 5 canvas with the default black pen.
class LineCanvas : public ::testing::Test {
protected:
    Picture Drawn() const { return PictureOf(FSurface, 5, 5); }
    HDC Dc() const { return FSurface.Dc(); }
    void Line(int fromX, int fromY, int toX, int toY)
    {
        MoveToEx(Dc(), fromX, fromY, nullptr);
        LineTo(Dc(), toX, toY);
    }

    TestSurface FSurface { 5, 5, Depth::Colour, kWhite };
};

TEST_F(LineCanvas, HorizontalLineStopsBeforeItsEndAndMovesThePen)
{
    Line(0, 1, 4, 1);
    EXPECT_EQ(Drawn(), (Picture { ".....", "####.", ".....", ".....", "....." }));
    TPoint position;
    MoveToEx(Dc(), 0, 0, &position);
    EXPECT_EQ(position, Point(4, 1));
}

TEST_F(LineCanvas, VerticalLineUpwardsStopsBeforeItsEnd)
{
    Line(2, 4, 2, 1);
    EXPECT_EQ(Drawn(), (Picture { ".....", ".....", "..#..", "..#..", "..#.." }));
}

TEST_F(LineCanvas, DiagonalsInBothDirections)
{
    Line(0, 0, 4, 4);
    Line(4, 0, 1, 3);
    EXPECT_EQ(Drawn(), (Picture { "#...#", ".#.#.", "..#..", "...#.", "....." }));
}

TEST_F(LineCanvas, ShallowLineTakesOnePixelPerColumnRoundedToTheIdealLine)
{
    Line(0, 0, 4, 2);
    EXPECT_EQ(Drawn(), (Picture { "#....", ".##..", "...#.", ".....", "....." }));
}

TEST_F(LineCanvas, ZeroLengthLineDrawsNothing)
{
    Line(2, 2, 2, 2);
    EXPECT_EQ(Drawn(), Picture(5, "....."));
}

TEST_F(LineCanvas, PolylineLeavesItsLastPointAndThePenPositionAlone)
{
    MoveToEx(Dc(), 3, 3, nullptr);
    const TPoint points[] { { 0, 4 }, { 0, 0 }, { 4, 0 } };
    ASSERT_TRUE(Polyline(Dc(), points, 3));
    EXPECT_EQ(Drawn(), (Picture { "####.", "#....", "#....", "#....", "#...." }));
    TPoint position;
    MoveToEx(Dc(), 0, 0, &position);
    EXPECT_EQ(position, Point(3, 3));
    EXPECT_FALSE(Polyline(Dc(), points, 1));
}

TEST_F(LineCanvas, NullPenDrawsNothingButStillMoves)
{
    SelectObject(Dc(), GetStockObject(NULL_PEN));
    Line(0, 0, 4, 4);
    EXPECT_EQ(Drawn(), Picture(5, "....."));
    TPoint position;
    MoveToEx(Dc(), 0, 0, &position);
    EXPECT_EQ(position, Point(4, 4));
}

TEST_F(LineCanvas, PenColourAndViewportOriginAndClipApply)
{
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ previous = SelectObject(Dc(), red);
    SetViewportOrgEx(Dc(), 1, 1, nullptr);
    IntersectClipRect(Dc(), -1, -1, 2, 3); // device columns 0 .. 2, rows 0 .. 3
    Line(0, 0, 4, 0);
    Line(-1, 2, -1, -5);
    EXPECT_EQ(Drawn(), (Picture { "r....", "rrr..", "r....", "r....", "....." }));
    SelectObject(Dc(), previous);
    EXPECT_TRUE(DeleteObject(red));
}

TEST_F(LineCanvas, LinesFromFarAwayCostOnlyTheVisiblePixels)
{
    Line(-1000000000, 2, 1000000000, 2);
    Line(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(Drawn(), (Picture { "#....", ".#...", "#####", "...#.", "....#" }));
}

// A line that starts far outside the clip area is cut to the area before it is walked; the cut
// must not depend on the direction. Each line has an odd number of steps, so no pixel falls
// on a half and the line backwards takes exactly the pixels of the line forwards.
TEST(GdiLines, BackwardsFromFarAwayTheyPlotTheForwardPixelsAndNothingOutsideTheClip)
{
    struct Row {
        const char* name;
        TPoint from;
        TPoint to;
    };
    const Row rows[] {
        { "shallow", { -1000001, -499997 }, { 1000010, 500008 } },
        { "steep", { -499996, -999997 }, { 500007, 1000008 } },
        { "falling", { -999997, 500006 }, { 1000006, -499995 } },
        { "level", { -1999999999, 4 }, { 2000000000, 4 } },
        { "upright", { 5, 2000000000 }, { 5, -1999999999 } },
    };
    const auto draw = [](TPoint from, TPoint to) {
        TestSurface surface(10, 10, Depth::Colour, kWhite);
        IntersectClipRect(surface.Dc(), 2, 2, 8, 8);
        MoveToEx(surface.Dc(), from.x, from.y, nullptr);
        LineTo(surface.Dc(), to.x, to.y);
        return PictureOf(surface, 10, 10);
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Picture forwards = draw(row.from, row.to);
        EXPECT_EQ(draw(row.to, row.from), forwards);
        int inside = 0;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const bool inClip = x >= 2 && x < 8 && y >= 2 && y < 8;
                if (forwards[std::size_t(y)][std::size_t(x)] != '#')
                    continue;
                EXPECT_TRUE(inClip) << "a pixel at " << x << "," << y;
                inside += inClip ? 1 : 0;
            }
        }
        EXPECT_EQ(inside, 6) << "one pixel for each row or column the line crosses";
    }
}

TEST(GdiFill, FillRectPaintsTheRectangleThroughOriginAndClip)
{
    TestSurface surface(5, 4, Depth::Colour, kWhite);
    HBRUSH blue = CreateSolidBrush(kBlue);
    SetViewportOrgEx(surface.Dc(), 1, 0, nullptr);
    IntersectClipRect(surface.Dc(), -1, 0, 3, 3); // device columns 0 .. 3, rows 0 .. 2
    EXPECT_EQ(FillRect(surface.Dc(), Rect(0, 1, 9, 9), blue), 1);
    EXPECT_EQ(FillRect(surface.Dc(), Rect(2, 0, 1, 9), blue), 1); // inverted: nothing
    EXPECT_EQ(FillRect(surface.Dc(), Rect(0, 0, 9, 9), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 1);
    EXPECT_EQ(PictureOf(surface, 5, 4), (Picture { ".....", ".bbb.", ".bbb.", "....." }));
    EXPECT_EQ(FillRect(surface.Dc(), Rect(0, 0, 1, 1), nullptr), 0);
    EXPECT_TRUE(DeleteObject(blue));
}

TEST(GdiFill, FrameRectDrawsTheOneWideBorderInsideTheRectangle)
{
    TestSurface surface(5, 4, Depth::Colour, kWhite);
    HBRUSH red = CreateSolidBrush(kRed);
    FrameRect(surface.Dc(), Rect(0, 0, 4, 4), red);
    FrameRect(surface.Dc(), Rect(4, 0, 5, 1), red);
    EXPECT_EQ(PictureOf(surface, 5, 4), (Picture { "rrrrr", "r..r.", "r..r.", "rrrr." }));
    EXPECT_TRUE(DeleteObject(red));
}

TEST(GdiFill, RectangleDrawsPenOutlineAndBrushInterior)
{
    TestSurface surface(5, 4, Depth::Colour, kWhite);
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ previousBrush = SelectObject(surface.Dc(), blue);
    EXPECT_TRUE(Rectangle(surface.Dc(), 4, 4, 0, 0)); // corners in any order
    EXPECT_EQ(PictureOf(surface, 5, 4), (Picture { "####.", "#bb#.", "#bb#.", "####." }));
    SelectObject(surface.Dc(), previousBrush);
    EXPECT_TRUE(DeleteObject(blue));
}

TEST(GdiFill, RectangleWithoutPenFillsOnePixelLessWideAndHigh)
{
    TestSurface surface(5, 4, Depth::Colour, kWhite);
    SelectObject(surface.Dc(), GetStockObject(NULL_PEN));
    SelectObject(surface.Dc(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(surface.Dc(), 0, 0, 4, 4));
    EXPECT_EQ(PictureOf(surface, 5, 4), (Picture { "###..", "###..", "###..", "....." }));
}

TEST(GdiPixel, SetAndGetWithinTheDrawableAreaOnly)
{
    TestSurface surface(3, 2, Depth::Colour, kWhite);
    EXPECT_EQ(SetPixel(surface.Dc(), 1, 1, kRed), kRed);
    EXPECT_EQ(GetPixel(surface.Dc(), 1, 1), kRed);
    EXPECT_EQ(GetPixel(surface.Dc(), 3, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(surface.Dc(), -1, 0, kRed), CLR_INVALID);
    SetViewportOrgEx(surface.Dc(), 1, 0, nullptr);
    EXPECT_EQ(GetPixel(surface.Dc(), 0, 1), kRed);
    IntersectClipRect(surface.Dc(), 1, 0, 2, 2);
    EXPECT_EQ(GetPixel(surface.Dc(), 0, 1), CLR_INVALID);
    EXPECT_EQ(SetPixel(surface.Dc(), 0, 0, kBlue), CLR_INVALID);
    EXPECT_EQ(PictureOf(surface, 3, 2), (Picture { "...", ".r." }));
}

TEST(GdiPixel, MonochromeBitmapStoresTheNearerOfBlackAndWhite)
{
    TestSurface mask(2, 1, Depth::Monochrome);
    EXPECT_EQ(SetPixel(mask.Dc(), 0, 0, RGB(0xE0, 0xE0, 0xE0)), kWhite);
    EXPECT_EQ(SetPixel(mask.Dc(), 1, 0, kBlue), kBlack);
    mask.Raster().At(1, 0) = 0x000001; // a stray value reads by its bit 0
    EXPECT_EQ(GetPixel(mask.Dc(), 1, 0), kWhite);
}

} // namespace
