// SPDX-License-Identifier: MIT
#include "platform/gdi/ImageList.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <new>
#include <vector>

namespace {

// The images of one list together may not pass this many pixels (1 GiB of 32-bit pixels).
constexpr std::int64_t kMaxListPixels = std::int64_t(1) << 28;

constexpr COLORREF kSetBit = 0xFFFFFF;

struct ImageSlot {
    GdiBitmap image; // colour; transparent pixels are kept black, see ImageList_Draw
    GdiBitmap mask; // monochrome; white marks a transparent pixel
};

PixelRaster SolidRaster(int width, int height, bool monochrome, COLORREF color)
{
    return PixelRaster { width, height, monochrome,
        std::vector<COLORREF>(std::size_t(width) * std::size_t(height), color) };
}

// A memory DC holding one of the list's images for the length of a draw.
class SlotDc {
public:
    explicit SlotDc(GdiBitmap& bitmap)
        : FDc(CreateCompatibleDC(nullptr))
    {
        if (FDc)
            SelectObject(FDc, &bitmap);
    }
    ~SlotDc()
    {
        if (FDc)
            DeleteDC(FDc);
    }
    SlotDc(const SlotDc&) = delete;
    SlotDc& operator=(const SlotDc&) = delete;
    HDC Get() const { return FDc; }

private:
    HDC FDc;
};

} // namespace

struct GdiImageList {
    int width = 0;
    int height = 0;
    bool masked = false;
    std::vector<std::unique_ptr<ImageSlot>> slots;

    bool CanHold(std::int64_t count) const
    {
        return count >= 0 && count * std::int64_t(width) * std::int64_t(height) <= kMaxListPixels;
    }

    std::unique_ptr<ImageSlot> BlankSlot() const
    {
        auto slot = std::make_unique<ImageSlot>();
        slot->image.raster = SolidRaster(width, height, false, 0);
        slot->mask.raster = SolidRaster(width, height, true, masked ? kSetBit : 0);
        return slot;
    }

    // Copies the image-sized part of image and mask that starts at column sourceX.
    void Fill(ImageSlot& slot, const PixelRaster& image, const PixelRaster* mask, int sourceX) const
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool transparent = masked && mask && mask->At(sourceX + x, y) != 0;
                slot.mask.raster.At(x, y) = transparent ? kSetBit : 0;
                slot.image.raster.At(x, y) = transparent ? 0 : image.At(sourceX + x, y) & 0xFFFFFF;
            }
        }
    }

    // All or, when memory runs out, none of the added slots go to the end of the list.
    void Append(std::vector<std::unique_ptr<ImageSlot>>& added)
    {
        slots.insert(
            slots.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    }

    // Whether image and mask both reach past the first count images.
    bool Covers(const PixelRaster& image, const PixelRaster* mask, int count) const
    {
        const std::int64_t needed = std::int64_t(count) * width;
        const auto covers
            = [&](const PixelRaster& raster) { return raster.width >= needed && raster.height >= height; };
        return covers(image) && (!mask || covers(*mask));
    }
};

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int)
{
    if (width < 0 || height < 0 || std::int64_t(width) * std::int64_t(height) > kMaxListPixels)
        return nullptr;
    try {
        auto list = std::make_unique<GdiImageList>();
        list->width = width;
        list->height = height;
        list->masked = (flags & ILC_MASK) != 0;
        if (initial > 0 && list->CanHold(initial))
            list->slots.reserve(std::size_t(initial));
        return list.release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL ImageList_Destroy(HIMAGELIST list)
{
    if (!list)
        return FALSE;
    delete list;
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list)
{
    return list ? int(list->slots.size()) : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count)
{
    if (!list || !list->CanHold(count))
        return FALSE;
    try {
        std::vector<std::unique_ptr<ImageSlot>> added;
        for (std::size_t index = list->slots.size(); index < count; ++index)
            added.push_back(list->BlankSlot());
        list->slots.resize(std::min<std::size_t>(list->slots.size(), count));
        list->Append(added);
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height)
{
    if (!list || !width || !height)
        return FALSE;
    *width = list->width;
    *height = list->height;
    return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask)
{
    if (!list || !image || list->width == 0)
        return -1;
    const PixelRaster* maskRaster = mask ? &mask->raster : nullptr;
    const int added = image->raster.width / list->width;
    if (added == 0 || !list->Covers(image->raster, maskRaster, added)
        || !list->CanHold(std::int64_t(list->slots.size()) + added))
        return -1;
    try {
        std::vector<std::unique_ptr<ImageSlot>> slots;
        for (int part = 0; part < added; ++part) {
            slots.push_back(list->BlankSlot());
            list->Fill(*slots.back(), image->raster, maskRaster, part * list->width);
        }
        const int first = int(list->slots.size());
        list->Append(slots);
        return first;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask)
{
    if (!list || !image || index < 0 || index >= int(list->slots.size()))
        return FALSE;
    const PixelRaster* maskRaster = mask ? &mask->raster : nullptr;
    if (!list->Covers(image->raster, maskRaster, 1))
        return FALSE;
    list->Fill(*list->slots[std::size_t(index)], image->raster, maskRaster, 0);
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT)
{
    if (!list || !dc || index < 0 || index >= int(list->slots.size()))
        return FALSE;
    ImageSlot& slot = *list->slots[std::size_t(index)];
    SlotDc image(slot.image);
    if (!image.Get())
        return FALSE;
    if (!list->masked)
        return BitBlt(dc, x, y, list->width, list->height, image.Get(), 0, 0, SRCCOPY);
    SlotDc mask(slot.mask);
    if (!mask.Get())
        return FALSE;
    // The mask ANDed in as black (opaque) and white (transparent) clears exactly the opaque
    // pixels; ORing the image, black where transparent, then fills only those.
    const COLORREF oldText = SetTextColor(dc, 0x000000);
    const COLORREF oldBack = SetBkColor(dc, 0xFFFFFF);
    const BOOL drawn = BitBlt(dc, x, y, list->width, list->height, mask.Get(), 0, 0, SRCAND)
        && BitBlt(dc, x, y, list->width, list->height, image.Get(), 0, 0, SRCPAINT);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    return drawn;
}
