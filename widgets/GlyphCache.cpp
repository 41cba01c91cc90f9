// SPDX-License-Identifier: MIT
#include "widgets/GlyphCache.h"

#include <memory>

TGlyphCache* SharedGlyphCache = nullptr;

TGlyphList::TGlyphList(int width, int height)
    : TImageList(width, height)
{
}

TGlyphList::~TGlyphList() = default;

int TGlyphList::AllocateSlot()
{
    int index = FUsedSlots.OpenBit();
    if (index >= FUsedSlots.Size()) {
        index = Add(nullptr, nullptr);
        FUsedSlots.SetSize(index + 1);
    }
    FUsedSlots.SetBits(index, true);
    return index;
}

int TGlyphList::AddGlyphMasked(TBitmap* image, TColor maskColor)
{
    const int index = AllocateSlot();
    try {
        ReplaceMasked(index, image, maskColor);
    } catch (...) {
        // Nobody learns the index of a slot whose image failed, so it goes back at once;
        // kept, it would stay lent for ever and the count of set bits would drift.
        FUsedSlots.SetBits(index, false);
        throw;
    }
    ++FUsedCount;
    return index;
}

void TGlyphList::ReleaseSlot(int index)
{
    if (index < 0 || index >= FUsedSlots.Size() || !FUsedSlots.Bits(index))
        return;
    --FUsedCount;
    FUsedSlots.SetBits(index, false);
}

TGlyphList* TGlyphCache::AcquireList(int width, int height)
{
    for (int index = FLists.Count() - 1; index >= 0; --index) {
        auto* list = static_cast<TGlyphList*>(FLists.Items(index));
        if (list->Width() == width && list->Height() == height)
            return list;
    }
    auto list = std::make_unique<TGlyphList>(width, height);
    FLists.Add(list.get());
    return list.release();
}

void TGlyphCache::ReleaseList(TGlyphList* list)
{
    if (!list || list->UsedCount() != 0)
        return;
    const int index = FLists.IndexOf(list);
    if (index < 0)
        return; // not one of ours: freeing it could pull it from under its owner
    FLists.Delete(index);
    delete list;
}
