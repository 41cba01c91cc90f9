// SPDX-License-Identifier: MIT
#include "widgets/ButtonGlyph.h"

#include "GlyphTestSupport.h"

#include <stdexcept>

namespace {

constexpr COLORREF kImageColors[] = { R, G, B, Y, C };

// count images of 2 x 2, image i solid in kImageColors[i] but for its transparent lower-left.
std::unique_ptr<TBitmap> Strip(int count)
{
    Pixels pixels;
    for (int row = 0; row < 2; ++row)
        for (int image = 0; image < count; ++image)
            for (int column = 0; column < 2; ++column)
                pixels.push_back(row == 1 && column == 0 ? M : kImageColors[image]);
    return MakeBitmap(2 * count, 2, pixels);
}

// Image i of Strip as drawn on the backdrop.
Pixels ImageOnBackdrop(COLORREF color)
{
    return { color, color, D, color };
}

Pixels DrawnState(TButtonGlyph& renderer, TGlyphState state)
{
    auto target = Filled(2, 2, D);
    const TPoint size = renderer.DrawStateGlyph(target->Canvas(), 0, 0, state);
    EXPECT_EQ(size, (TPoint { 2, 2 }));
    return PixelsOf(*target);
}

// The grey of R, the red of image 0: (255 × 77) >> 8.
constexpr COLORREF kGreyOfRed = 0x4C4C4C;

} // namespace

TEST_F(GlyphTest, TheStripsProportionsGiveTheNumberOfImages)
{
    TButtonGlyph renderer;
    // The image count after a strip of that width, 16 high.
    const auto countFor = [&renderer](int width) {
        auto strip = Filled(width, 16, R);
        renderer.SetSourceGlyph(strip.get());
        return renderer.NumGlyphs();
    };
    EXPECT_EQ(countFor(64), 4);
    EXPECT_EQ(countFor(96), 1); // six squares are more than there are states
    renderer.SetNumGlyphs(2);
    EXPECT_EQ(countFor(20), 2); // uneven
    EXPECT_EQ(countFor(0), 2);
}

TEST_F(GlyphTest, ANewStripTakesItsTransparentColourAndIsAnnounced)
{
    TButtonGlyph renderer;
    EXPECT_EQ(renderer.TransparentColor(), clFuchsia);
    std::vector<TObject*> senders;
    renderer.OnChange = [&](TObject* sender) { senders.push_back(sender); };
    auto strip = MakeBitmap(2, 2, { R, R, G, R });
    renderer.SetSourceGlyph(strip.get());
    EXPECT_EQ(renderer.TransparentColor(), G); // the lower-left pixel, without the palette flag

    auto uneven = MakeBitmap(3, 2, { R, R, R, Y, R, R });
    renderer.SetSourceGlyph(uneven.get());
    EXPECT_EQ(renderer.TransparentColor(), Y);
    EXPECT_EQ(senders, (std::vector<TObject*> { &renderer, &renderer }));

    TBitmap unrelated;
    renderer.SourceChanged(&unrelated);
    EXPECT_EQ(senders.size(), 2u);
}

TEST_F(GlyphTest, ChangingTheStripOrTheImageCountDropsTheBuiltGlyphs)
{
    auto strip = Strip(2);
    auto renderer = RendererWith(strip.get());
    renderer->BuildStateGlyph(gsUp);
    renderer->BuildStateGlyph(gsDisabled);
    ASSERT_NE(renderer->GlyphList(), nullptr);

    renderer->SetNumGlyphs(0);
    renderer->SetNumGlyphs(6);
    renderer->SetNumGlyphs(2);
    EXPECT_EQ(renderer->StateIndexes(gsUp), 0);

    renderer->SetNumGlyphs(1);
    EXPECT_EQ(renderer->GlyphList(), nullptr);
    EXPECT_EQ(renderer->StateIndexes(gsUp), -1);
    EXPECT_EQ(renderer->StateIndexes(gsDisabled), -1);

    renderer->BuildStateGlyph(gsUp);
    renderer->SourceGlyph()->Canvas()->SetPixels(0, 0, B);
    EXPECT_EQ(renderer->GlyphList(), nullptr);
    EXPECT_EQ(renderer->StateIndexes(gsUp), -1);
    EXPECT_TRUE(SharedGlyphCache->IsEmpty());
}

TEST_F(GlyphTest, GreyIsTheWeightedLevelOfTheResolvedColour)
{
    TButtonGlyph renderer;
    EXPECT_EQ(renderer.GrayColor(RGB(10, 20, 30)), RGB(18, 18, 18)); // (770 + 3000 + 870) >> 8
    EXPECT_EQ(renderer.GrayColor(clWhite), clWhite);
    EXPECT_EQ(renderer.GrayColor(R), kGreyOfRed);
    EXPECT_EQ(renderer.GrayColor(clBtnShadow), RGB(128, 128, 128));
    // The transparent colour as stored, and the face colour however written, stay as they are.
    EXPECT_EQ(renderer.GrayColor(clFuchsia), clFuchsia);
    EXPECT_EQ(renderer.GrayColor(clBtnFace), clBtnFace);
    EXPECT_EQ(renderer.GrayColor(kFace), kFace);
}

struct BuiltState {
    TGlyphState state;
    int slot; // StateIndexes afterwards
    Pixels drawn; // what a draw of the state shows
};

struct StateTableRow {
    int images;
    std::vector<BuiltState> states; // built in this order
};

class StateGlyphs : public GlyphTest, public ::testing::WithParamInterface<StateTableRow> { };

TEST_P(StateGlyphs, EachStateShowsItsImageFromItsOwnSlot)
{
    auto strip = Strip(GetParam().images);
    auto renderer = RendererWith(strip.get());
    ASSERT_EQ(renderer->NumGlyphs(), GetParam().images);
    for (const BuiltState& expected : GetParam().states) {
        SCOPED_TRACE(int(expected.state));
        EXPECT_EQ(DrawnState(*renderer, expected.state), expected.drawn);
        EXPECT_EQ(renderer->StateIndexes(expected.state), expected.slot);
    }
    EXPECT_EQ(renderer->GlyphList()->Width(), 2);
    EXPECT_EQ(renderer->GlyphList()->Height(), 2);
}

const Pixels kUp = ImageOnBackdrop(R);
const Pixels kGrey = ImageOnBackdrop(kGreyOfRed);
const Pixels kEmpty = { D, D, D, D }; // synthesised disabled glyph of a glyph without black

INSTANTIATE_TEST_SUITE_P(ByImageCount, StateGlyphs,
    ::testing::Values(StateTableRow { 1,
                          { { gsUp, 0, kUp }, { gsDisabled, 1, kEmpty }, { gsDown, -1, kUp },
                              { gsExclusive, 2, kUp }, { gsInactive, 3, kGrey } } },
        StateTableRow { 2,
            { { gsUp, 0, kUp }, { gsDisabled, 1, ImageOnBackdrop(G) }, { gsDown, -1, kUp },
                { gsExclusive, 2, kUp }, { gsInactive, 3, kGrey } } },
        StateTableRow { 3,
            { { gsDown, 0, ImageOnBackdrop(B) }, { gsUp, 1, kUp }, { gsDisabled, 2, ImageOnBackdrop(G) },
                { gsExclusive, 3, kUp }, { gsInactive, 4, kGrey } } },
        StateTableRow { 4,
            { { gsExclusive, 0, ImageOnBackdrop(Y) }, { gsDown, 1, ImageOnBackdrop(B) },
                { gsDisabled, 2, ImageOnBackdrop(G) }, { gsUp, 3, kUp }, { gsInactive, 4, kGrey } } },
        StateTableRow { 5,
            { { gsInactive, 0, ImageOnBackdrop(C) }, { gsUp, 1, kUp }, { gsDisabled, 2, ImageOnBackdrop(G) },
                { gsDown, 3, ImageOnBackdrop(B) }, { gsExclusive, 4, ImageOnBackdrop(Y) } } }),
    [](const ::testing::TestParamInfo<StateTableRow>& rowInfo) {
        return std::to_string(rowInfo.param.images) + "Images";
    });

TEST_F(GlyphTest, AStateIsBuiltOnceAndDrawnFromItsSlotAfterwards)
{
    auto strip = Strip(2);
    auto renderer = RendererWith(strip.get());
    EXPECT_EQ(renderer->BuildStateGlyph(gsExclusive), 0);
    EXPECT_EQ(renderer->BuildStateGlyph(gsExclusive), 0);
    EXPECT_EQ(renderer->BuildStateGlyph(gsDown), 1); // shares the up glyph, built now
    EXPECT_EQ(renderer->StateIndexes(gsUp), 1);
    EXPECT_EQ(renderer->GlyphList()->Count(), 2);
    EXPECT_EQ(renderer->GlyphList()->UsedCount(), 2);
}

// One image with black outline pixels, the face colour and the transparent lower-left.
std::unique_ptr<TBitmap> OutlinedGlyph()
{
    // clang-format off
    return MakeBitmap(3, 3, {
        K, R, W,
        G, K, kFace,
        M, B, Y,
    });
    // clang-format on
}

TEST_F(GlyphTest, WithOneImageTheDisabledGlyphIsEmbossedFromTheBlackPixels)
{
    auto strip = OutlinedGlyph();
    auto renderer = RendererWith(strip.get());
    auto target = Filled(3, 3, D);
    renderer->DrawStateGlyph(target->Canvas(), 0, 0, gsDisabled);
    // Shadow on the black pixels; the highlight of (0, 0) falls on (1, 1), which is black
    // itself, so only that of (1, 1) shows; the face around is transparent.
    const Picture expected {
        "S..",
        ".S.",
        "..H",
    };
    EXPECT_EQ(LettersOf(*target, { { D, '.' }, { kShadow, 'S' }, { kHighlight, 'H' } }), expected);
}

TEST_F(GlyphTest, WithFewerThanFiveImagesTheInactiveGlyphIsTheGreyOfImageZero)
{
    auto strip = OutlinedGlyph();
    auto renderer = RendererWith(strip.get());
    auto target = Filled(3, 3, D);
    renderer->DrawStateGlyph(target->Canvas(), 0, 0, gsInactive);
    // Transparent pixels stay transparent and the face colour keeps its colour.
    const std::map<COLORREF, char> greys { { D, '.' }, { K, '0' }, { 0x1C1C1C, '1' }, { 0x4C4C4C, '4' },
        { 0x959595, '9' }, { kFace, 'F' }, { 0xE2E2E2, 'E' }, { W, 'W' } };
    const Picture expected {
        "04W",
        "90F",
        ".1E",
    };
    EXPECT_EQ(LettersOf(*target, greys), expected);
}

TEST_F(GlyphTest, AnEmptyStripBuildsAndDrawsNothing)
{
    TButtonGlyph renderer;
    auto target = Filled(2, 2, D);
    EXPECT_EQ(renderer.BuildStateGlyph(gsUp), -1);
    EXPECT_EQ(renderer.DrawStateGlyph(target->Canvas(), 0, 0, gsUp), (TPoint { 0, 0 }));
    EXPECT_EQ(renderer.GlyphList(), nullptr);
    renderer.SetNumGlyphs(4);
    auto narrow = Filled(3, 2, R); // fewer columns than images
    renderer.SetSourceGlyph(narrow.get());
    EXPECT_EQ(renderer.BuildStateGlyph(gsUp), -1);
    EXPECT_EQ(renderer.DrawStateGlyph(target->Canvas(), 0, 0, gsUp), (TPoint { 0, 0 }));
    EXPECT_EQ(PixelsOf(*target), Pixels(4, D));
    EXPECT_EQ(renderer.GlyphList(), nullptr);
}

TEST_F(GlyphTest, BuildingReleasesTheStripsDrawingContext)
{
    auto strip = Strip(1);
    auto renderer = RendererWith(strip.get());
    renderer->BuildStateGlyph(gsInactive);
    EXPECT_FALSE(renderer->SourceGlyph()->Canvas()->HandleAllocated());
}

// Failure while building, forced through the system colours the build resolves.
class FailingBuild : public GlyphTest {
protected:
    void SetUp() override
    {
        GlyphTest::SetUp();
        SetSysColorResolver([this](int index) {
            if (FFailing)
                throw EOutOfResources("Out of system resources");
            return TestSysColor(index);
        });
    }
    bool FFailing = false;
};

TEST_F(FailingBuild, ARendererWhoseFirstBuildFailedHoldsNoList)
{
    auto strip = Strip(1);
    auto renderer = RendererWith(strip.get());
    FFailing = true;
    EXPECT_THROW(renderer->BuildStateGlyph(gsUp), EOutOfResources);
    FFailing = false;
    EXPECT_EQ(renderer->StateIndexes(gsUp), -1);
    EXPECT_EQ(renderer->GlyphList(), nullptr);
    EXPECT_TRUE(SharedGlyphCache->IsEmpty());
}

TEST_F(FailingBuild, AnotherRenderersReleaseCannotFreeTheListUnderIt)
{
    auto strip = Strip(1);
    auto failed = RendererWith(strip.get());
    auto other = RendererWith(strip.get());
    other->BuildStateGlyph(gsUp);
    FFailing = true;
    EXPECT_THROW(failed->BuildStateGlyph(gsUp), EOutOfResources);
    FFailing = false;

    // The only live glyph of the shared list goes, and with it the list.
    other->ReleaseGlyphs();
    EXPECT_TRUE(SharedGlyphCache->IsEmpty());

    auto target = Filled(2, 2, D);
    EXPECT_EQ(failed->DrawStateGlyph(target->Canvas(), 0, 0, gsUp), (TPoint { 2, 2 }));
    EXPECT_EQ(PixelsOf(*target), kUp);
    ASSERT_NE(failed->GlyphList(), nullptr);
    EXPECT_EQ(failed->GlyphList()->UsedCount(), 1);
    EXPECT_EQ(SharedGlyphCache->ListCount(), 1);
}

TEST_F(FailingBuild, AFailureAfterALiveGlyphKeepsTheListAndThatGlyph)
{
    auto strip = Strip(1);
    auto renderer = RendererWith(strip.get());
    renderer->BuildStateGlyph(gsUp);
    TGlyphList* list = renderer->GlyphList();
    FFailing = true;
    EXPECT_THROW(renderer->BuildStateGlyph(gsDisabled), EOutOfResources);
    FFailing = false;
    EXPECT_EQ(renderer->GlyphList(), list);
    EXPECT_EQ(renderer->StateIndexes(gsDisabled), -1);
    EXPECT_EQ(list->UsedCount(), 1);
    auto target = Filled(2, 2, D);
    renderer->DrawStateGlyph(target->Canvas(), 0, 0, gsUp);
    EXPECT_EQ(PixelsOf(*target), kUp);
}
