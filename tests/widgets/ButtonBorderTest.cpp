// SPDX-License-Identifier: MIT
#include "widgets/ButtonBorder.h"

#include "platform/vcl/controls/NewStyleControls.h"

#include "GlyphTestSupport.h"

#include <optional>
#include <string>

namespace {

constexpr int kSize = 25;

struct Frame {
    COLORREF top; // top and left edges
    COLORREF bottom; // bottom and right edges
};

struct BorderRow {
    const char* name;
    bool isDown;
    TButtonStyle style;
    bool isFlat;
    std::vector<Frame> frames; // outer first
    bool pressedShadow; // the old pressed look: a shadow line top and left inside
    TRect inside;
};

// Ring inset of the 25 x 25 square: top row and left column but for their far corners in
// the top colour, bottom row and right column in the bottom colour.
void ExpectFrame(const TBitmap& bitmap, int inset, const Frame& frame)
{
    const int last = kSize - 1 - inset;
    for (int along = inset; along <= last; ++along) {
        SCOPED_TRACE("ring " + std::to_string(inset) + " at " + std::to_string(along));
        if (along < last) {
            EXPECT_EQ(bitmap.Raster().At(along, inset), frame.top);
            EXPECT_EQ(bitmap.Raster().At(inset, along), frame.top);
        }
        EXPECT_EQ(bitmap.Raster().At(last, along), frame.bottom);
        EXPECT_EQ(bitmap.Raster().At(along, last), frame.bottom);
    }
}

class ButtonBorder : public GlyphTest, public ::testing::WithParamInterface<BorderRow> { };

} // namespace

TEST_P(ButtonBorder, DrawsItsFramesAndReturnsTheAreaInside)
{
    const BorderRow& row = GetParam();
    auto target = Filled(kSize, kSize, D);
    const TRect inside
        = DrawButtonBorder(target->Canvas(), Rect(0, 0, kSize, kSize), row.isDown, row.isFlat, row.style);
    EXPECT_EQ(inside, row.inside);

    const int rings = int(row.frames.size());
    for (int inset = 0; inset < rings; ++inset)
        ExpectFrame(*target, inset, row.frames[std::size_t(inset)]);
    for (int y = rings; y < kSize - rings; ++y) {
        for (int x = rings; x < kSize - rings; ++x) {
            const bool onShadow = row.pressedShadow && (x == rings || y == rings);
            EXPECT_EQ(target->Raster().At(x, y), onShadow ? kShadow : D) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllLooks, ButtonBorder,
    ::testing::Values(BorderRow { "DownNew", true, bsNew, false,
                          { { kFrame, kHighlight }, { kShadow, kFace } }, false, Rect(3, 3, 22, 22) },
        BorderRow { "DownNewFlat", true, bsNew, true, { { kFrame, kHighlight } }, false, Rect(2, 2, 23, 23) },
        BorderRow { "DownOld", true, bsWin31, false, { { kFrame, kFrame } }, true, Rect(2, 2, 23, 23) },
        BorderRow {
            "DownOldFlat", true, bsWin31, true, { { kFrame, kHighlight } }, false, Rect(2, 2, 23, 23) },
        BorderRow { "UpNew", false, bsNew, false, { { kHighlight, kFrame }, { kFace, kShadow } }, false,
            Rect(3, 3, 22, 22) },
        BorderRow { "UpNewFlat", false, bsNew, true, { { kHighlight, kShadow } }, false, Rect(2, 2, 23, 23) },
        BorderRow { "UpOld", false, bsWin31, false, { { kFrame, kFrame }, { kHighlight, kShadow } }, false,
            Rect(3, 3, 22, 22) },
        BorderRow {
            "UpOldFlat", false, bsWin31, true, { { kHighlight, kFrame } }, false, Rect(2, 2, 23, 23) }),
    [](const ::testing::TestParamInfo<BorderRow>& rowInfo) { return std::string(rowInfo.param.name); });

TEST_F(GlyphTest, ASmallRaisedBorderPixelByPixel)
{
    auto target = Filled(5, 5, D);
    const TRect inside = DrawButtonBorder(target->Canvas(), Rect(0, 0, 5, 5), false, false, bsNew);
    EXPECT_EQ(inside, Rect(3, 3, 2, 2));
    const Picture expected {
        "HHHHK",
        "HFFSK",
        "HF.SK",
        "HSSSK",
        "KKKKK",
    };
    EXPECT_EQ(LettersOf(*target,
                  { { kHighlight, 'H' }, { kFrame, 'K' }, { kFace, 'F' }, { kShadow, 'S' }, { D, '.' } }),
        expected);
}

TEST_F(GlyphTest, TheAutomaticStyleFollowsTheSystemLook)
{
    const bool saved = NewStyleControls;
    auto newLook = Filled(6, 6, D);
    NewStyleControls = true;
    DrawButtonBorder(newLook->Canvas(), Rect(0, 0, 6, 6), false, true, bsAutoDetect);
    auto oldLook = Filled(6, 6, D);
    NewStyleControls = false;
    DrawButtonBorder(oldLook->Canvas(), Rect(0, 0, 6, 6), false, true, bsAutoDetect);
    NewStyleControls = saved;
    EXPECT_EQ(newLook->Raster().At(5, 5), kShadow);
    EXPECT_EQ(oldLook->Raster().At(5, 5), kFrame);
}

TEST_F(GlyphTest, TheBorderFollowsTheClientsOffset)
{
    auto target = Filled(8, 8, D);
    const TRect inside = DrawButtonBorder(target->Canvas(), Rect(2, 3, 8, 8), false, true, bsNew);
    EXPECT_EQ(inside, Rect(4, 5, 6, 6));
    EXPECT_EQ(target->Raster().At(2, 3), kHighlight);
    EXPECT_EQ(target->Raster().At(7, 7), kShadow);
    EXPECT_EQ(target->Raster().At(1, 3), D);
    EXPECT_EQ(target->Raster().At(2, 2), D);
}
