// SPDX-License-Identifier: MIT
#include "widgets/GlyphCache.h"
#include "widgets/ButtonGlyph.h"

#include "GlyphTestSupport.h"

namespace {

// Draws slot index of the list onto a backdrop of its size.
Pixels DrawnSlot(TGlyphList& list, int index)
{
    auto target = Filled(list.Width(), list.Height(), D);
    list.Draw(target->Canvas(), 0, 0, index);
    return PixelsOf(*target);
}

std::unique_ptr<TBitmap> Glyph(COLORREF color)
{
    return MakeBitmap(2, 1, { color, M });
}

// A renderer whose strip is one square image of that size.
std::unique_ptr<TButtonGlyph> RendererWithGlyph(int width, int height)
{
    return RendererWith(Filled(width, height, R).get());
}

} // namespace

TEST(GlyphListSlots, TheLowestFreedSlotIsReusedBeforeTheListGrows)
{
    TGlyphList list(2, 1);
    auto glyph = Glyph(R);
    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 0);
    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 1);
    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 2);
    list.ReleaseSlot(1);
    EXPECT_EQ(list.UsedCount(), 2);

    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 3);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.UsedCount(), 4);
}

TEST(GlyphListSlots, ReleasingASlotNotInUseChangesNothing)
{
    TGlyphList list(2, 1);
    auto glyph = Glyph(R);
    list.AddGlyphMasked(glyph.get(), M);
    list.AddGlyphMasked(glyph.get(), M);
    list.ReleaseSlot(0);
    list.ReleaseSlot(0);
    list.ReleaseSlot(5);
    list.ReleaseSlot(-1);
    EXPECT_EQ(list.UsedCount(), 1);
    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 0);
}

TEST(GlyphListSlots, AStoredGlyphShowsWithItsMaskColourTransparent)
{
    TGlyphList list(2, 1);
    auto red = Glyph(R);
    auto blue = MakeBitmap(2, 1, { M, B });
    list.AddGlyphMasked(red.get(), M);
    list.AddGlyphMasked(blue.get(), M);
    EXPECT_EQ(DrawnSlot(list, 0), (Pixels { R, D }));
    EXPECT_EQ(DrawnSlot(list, 1), (Pixels { D, B }));
}

TEST(GlyphListSlots, AFreedSlotKeepsItsImageUntilLentAgain)
{
    TGlyphList list(2, 1);
    auto red = Glyph(R);
    auto green = MakeBitmap(2, 1, { G, G });
    list.AddGlyphMasked(red.get(), M);
    list.ReleaseSlot(0);
    EXPECT_EQ(DrawnSlot(list, 0), (Pixels { R, D }));
    EXPECT_EQ(list.AddGlyphMasked(green.get(), M), 0);
    EXPECT_EQ(DrawnSlot(list, 0), (Pixels { G, G }));
}

TEST(GlyphListSlots, AGlyphThatCannotBeStoredGivesItsSlotBack)
{
    TGlyphList list(2, 2);
    auto tooSmall = Glyph(R);
    EXPECT_THROW(list.AddGlyphMasked(tooSmall.get(), M), EInvalidOperation);
    EXPECT_EQ(list.UsedCount(), 0);
    auto glyph = Filled(2, 2, G);
    EXPECT_EQ(list.AddGlyphMasked(glyph.get(), M), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.UsedCount(), 1);
}

TEST(GlyphCacheLists, ListsAreSharedBySizeOnly)
{
    TGlyphCache cache;
    EXPECT_TRUE(cache.IsEmpty());
    TGlyphList* square = cache.AcquireList(16, 16);
    EXPECT_EQ(cache.AcquireList(16, 16), square);
    TGlyphList* shorter = cache.AcquireList(16, 15);
    EXPECT_NE(shorter, square);
    EXPECT_EQ(shorter->Width(), 16);
    EXPECT_EQ(shorter->Height(), 15);
    EXPECT_EQ(cache.ListCount(), 2);
    cache.ReleaseList(square);
    cache.ReleaseList(shorter);
    EXPECT_TRUE(cache.IsEmpty());
}

TEST(GlyphCacheLists, AListIsFreedOnlyWhenItsLastGlyphIsGone)
{
    TGlyphCache cache;
    TGlyphList* list = cache.AcquireList(2, 1);
    auto glyph = Glyph(R);
    const int first = list->AddGlyphMasked(glyph.get(), M);
    const int second = list->AddGlyphMasked(glyph.get(), M);
    list->ReleaseSlot(first);
    cache.ReleaseList(list);
    EXPECT_EQ(cache.ListCount(), 1);

    list->ReleaseSlot(second);
    cache.ReleaseList(list);
    EXPECT_TRUE(cache.IsEmpty());

    TGlyphList* fresh = cache.AcquireList(2, 1);
    EXPECT_EQ(fresh->Count(), 0);
    EXPECT_EQ(fresh->UsedCount(), 0);
    cache.ReleaseList(fresh);
}

TEST(GlyphCacheLists, ReleasingNoListOrAnotherCachesListDoesNothing)
{
    TGlyphCache cache;
    TGlyphCache other;
    TGlyphList* mine = cache.AcquireList(4, 4);
    TGlyphList* theirs = other.AcquireList(4, 4);
    cache.ReleaseList(nullptr);
    cache.ReleaseList(theirs);
    EXPECT_EQ(other.ListCount(), 1);
    EXPECT_EQ(theirs->Width(), 4);
    cache.ReleaseList(mine);
    other.ReleaseList(theirs);
    EXPECT_TRUE(cache.IsEmpty());
    EXPECT_TRUE(other.IsEmpty());
}

TEST_F(GlyphTest, RenderersOfOneGlyphSizeShareOneList)
{
    auto first = RendererWithGlyph(16, 16);
    auto second = RendererWithGlyph(16, 16);
    auto third = RendererWithGlyph(16, 15);
    first->BuildStateGlyph(gsUp);
    second->BuildStateGlyph(gsUp);
    third->BuildStateGlyph(gsUp);
    EXPECT_EQ(first->GlyphList(), second->GlyphList());
    EXPECT_NE(third->GlyphList(), first->GlyphList());
    EXPECT_EQ(first->GlyphList()->UsedCount(), 2);
    EXPECT_EQ(second->StateIndexes(gsUp), 1);
    EXPECT_EQ(SharedGlyphCache->ListCount(), 2);
}

TEST_F(GlyphTest, TheCacheLivesFromTheFirstRendererToTheOneThatEmptiesIt)
{
    ASSERT_EQ(SharedGlyphCache, nullptr);
    auto withGlyph = RendererWithGlyph(4, 4);
    TGlyphCache* cache = SharedGlyphCache;
    ASSERT_NE(cache, nullptr);
    auto withoutGlyph = std::make_unique<TButtonGlyph>();
    EXPECT_EQ(SharedGlyphCache, cache);

    withGlyph->BuildStateGlyph(gsUp);
    auto alsoWithGlyph = RendererWithGlyph(4, 4);
    alsoWithGlyph->BuildStateGlyph(gsUp);
    withGlyph.reset();
    EXPECT_EQ(SharedGlyphCache, cache);
    EXPECT_EQ(cache->ListCount(), 1);

    // The last list goes with this renderer, so it frees the cache while another lives on.
    alsoWithGlyph.reset();
    EXPECT_EQ(SharedGlyphCache, nullptr);

    auto strip = Filled(4, 4, G);
    withoutGlyph->SetSourceGlyph(strip.get());
    EXPECT_EQ(withoutGlyph->BuildStateGlyph(gsUp), 0);
    ASSERT_NE(SharedGlyphCache, nullptr);
    EXPECT_EQ(SharedGlyphCache->ListCount(), 1);
    withoutGlyph.reset();
    EXPECT_EQ(SharedGlyphCache, nullptr);
}
