// SPDX-License-Identifier: MIT
// Image lists shared by every button glyph of one size: slots are handed out and taken back
// one by one, and a list lives only while it holds a live glyph.
#pragma once

#include "platform/rtl/Classes.h"
#include "platform/vcl/graphics/ImgList.h"

// An image list whose slots are lent out individually. A freed slot keeps its image until
// it is lent again; the list never shrinks.
class TGlyphList : public TImageList {
public:
    TGlyphList(int width, int height);
    ~TGlyphList() override;
    const char* ClassName() const override { return "TGlyphList"; }

    // Stores image in the lowest free slot, its pixels of maskColor transparent.
    int AddGlyphMasked(TBitmap* image, TColor maskColor);
    // Does nothing for a slot not in use, so a double release cannot undercount.
    void ReleaseSlot(int index);
    int UsedCount() const { return FUsedCount; } // 0

private:
    int AllocateSlot();
    TBits FUsedSlots; // bit i set while slot i holds a live glyph
    int FUsedCount = 0;
};

// The glyph lists by size, newest last. The cache creates the lists and frees each when it
// holds no live glyph any more; the cache itself is freed only once it is empty.
class TGlyphCache : public TObject {
public:
    TGlyphCache() = default;
    ~TGlyphCache() override = default;
    TGlyphCache(const TGlyphCache&) = delete;
    TGlyphCache& operator=(const TGlyphCache&) = delete;

    // The newest list of that image size, created when there is none.
    TGlyphList* AcquireList(int width, int height);
    // Frees the list when it holds no live glyph; nothing otherwise, or for no list.
    void ReleaseList(TGlyphList* list);
    bool IsEmpty() const { return FLists.Count() == 0; }
    int ListCount() const { return FLists.Count(); }

private:
    TList FLists;
};

// The one cache every button glyph uses; none until a renderer needs it.
extern TGlyphCache* SharedGlyphCache;
