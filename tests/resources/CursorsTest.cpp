// SPDX-License-Identifier: MIT
#include "resources/Cursors.h"

#include "resources/AsciiArt.h"
#include "resources/DurnikResources.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

bool Opaque(const CursorResource& cursor, int x, int y)
{
    return CursorPixelAt(cursor, x, y) != CursorPixel::Transparent;
}

// The topmost row holding an opaque pixel, or -1 for an empty cursor.
int TopOpaqueRow(const CursorResource& cursor)
{
    for (int y = 0; y < cursor.andMask.height; ++y) {
        for (int x = 0; x < cursor.andMask.width; ++x) {
            if (Opaque(cursor, x, y))
                return y;
        }
    }
    return -1;
}

} // namespace

TEST(Cursors, BothAre32By32MonochromeWithTheirHotSpots)
{
    for (const auto& [cursor, hotSpot] :
        { std::pair { HandCursor(), TPoint { 6, 16 } }, std::pair { DragCursor(), TPoint { 15, 16 } } }) {
        EXPECT_EQ(cursor.andMask.width, 32);
        EXPECT_EQ(cursor.andMask.height, 32);
        EXPECT_EQ(cursor.xorMask.width, 32);
        EXPECT_EQ(cursor.xorMask.height, 32);
        EXPECT_TRUE(cursor.andMask.monochrome && cursor.xorMask.monochrome);
        EXPECT_EQ(cursor.hotSpot, hotSpot);
    }
}

TEST(Cursors, TheHandPointsWithItsFingerTipAtTheHotSpot)
{
    const CursorResource hand = HandCursor();
    const TPoint tip = hand.hotSpot;
    EXPECT_EQ(CursorPixelAt(hand, tip.x, tip.y), CursorPixel::Black);
    // Nothing of the hand lies above the tip, and the finger runs down from it.
    EXPECT_EQ(TopOpaqueRow(hand), tip.y);
    for (int y = tip.y; y < tip.y + 6; ++y)
        EXPECT_TRUE(Opaque(hand, tip.x, y)) << "finger broken at row " << y;
    EXPECT_EQ(CursorPixelAt(hand, tip.x, tip.y + 1), CursorPixel::White);
}

TEST(Cursors, TheFistSurroundsItsHotSpot)
{
    const CursorResource fist = DragCursor();
    const TPoint centre = fist.hotSpot;
    EXPECT_EQ(CursorPixelAt(fist, centre.x, centre.y), CursorPixel::White);
    // Walking out from the hot spot in each direction, the outline is met before the edge.
    for (const TPoint step : { TPoint { 1, 0 }, TPoint { -1, 0 }, TPoint { 0, 1 }, TPoint { 0, -1 } }) {
        TPoint at = centre;
        while (at.x >= 0 && at.x < 32 && at.y >= 0 && at.y < 32 && CursorPixelAt(fist, at.x, at.y) == CursorPixel::White)
            at = { at.x + step.x, at.y + step.y };
        ASSERT_TRUE(at.x >= 0 && at.x < 32 && at.y >= 0 && at.y < 32);
        EXPECT_EQ(CursorPixelAt(fist, at.x, at.y), CursorPixel::Black) << "open towards " << step.x << "," << step.y;
    }
}

TEST(Cursors, ArtSymbolsGiveTransparentBlackAndWhite)
{
    constexpr std::string_view art[] = { ".#o" };
    const CursorResource cursor = CursorFromArt(art, { 0, 0 });
    EXPECT_EQ(CursorPixelAt(cursor, 0, 0), CursorPixel::Transparent);
    EXPECT_EQ(CursorPixelAt(cursor, 1, 0), CursorPixel::Black);
    EXPECT_EQ(CursorPixelAt(cursor, 2, 0), CursorPixel::White);
}

TEST(Cursors, MalformedArtIsRefusedWithItsPlace)
{
    constexpr std::string_view ragged[] = { "...", ".." };
    EXPECT_THROW(CursorFromArt(ragged, { 0, 0 }), EInvalidGraphic);
    constexpr std::string_view unknown[] = { "...", "..x" };
    try {
        CursorFromArt(unknown, { 0, 0 });
        FAIL() << "an unknown symbol was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(error.Message().find("row 1, column 2"), AnsiString::npos) << error.Message();
    }
    EXPECT_THROW(CursorFromArt({}, { 0, 0 }), EInvalidGraphic);
}

TEST(DurnikResources, RegistersEveryResourceTheProgramLoads)
{
    RegisterDurnikResources();
    const CursorResource* hand = FindCursorResource("DN_HANDCUR");
    const CursorResource* drag = FindCursorResource("dn_dragcur");
    ASSERT_NE(hand, nullptr);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(hand->hotSpot, (TPoint { 6, 16 }));
    EXPECT_EQ(drag->hotSpot, (TPoint { 15, 16 }));
    ASSERT_NE(FindBitmapResource("FEDITBMP"), nullptr);
    ASSERT_NE(FindIconResource("MAINICON"), nullptr);
}
