// SPDX-License-Identifier: MIT
#include "platform/win32/resources/ResourceTable.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <utility>

namespace {

template <typename Resource>
std::map<AnsiString, Resource>& TableOf()
{
    static std::map<AnsiString, Resource> table;
    return table;
}

template <typename Resource>
void Store(const AnsiString& name, Resource resource)
{
    TableOf<Resource>().insert_or_assign(LowerCase(name), std::move(resource));
}

template <typename Resource>
const Resource* Lookup(const AnsiString& name)
{
    const auto& table = TableOf<Resource>();
    const auto found = table.find(LowerCase(name));
    return found == table.end() ? nullptr : &found->second;
}

[[noreturn]] void Refuse(const AnsiString& name, const char* reason)
{
    throw EInvalidGraphic("The resource \"" + name + "\" cannot be used: " + reason);
}

bool HasConsistentSize(const PixelRaster& raster)
{
    return !raster.Empty()
        && raster.pixels.size() == std::size_t(raster.width) * std::size_t(raster.height);
}

bool IsMonochrome(const PixelRaster& raster)
{
    return raster.monochrome && std::all_of(raster.pixels.begin(), raster.pixels.end(), [](COLORREF pixel) {
        return pixel == clBlack || pixel == clWhite;
    });
}

void CheckBitmap(const AnsiString& name, const PixelRaster& bitmap)
{
    if (!HasConsistentSize(bitmap))
        Refuse(name, "the picture is empty or its size does not match its pixels");
}

void CheckCursor(const AnsiString& name, const CursorResource& cursor)
{
    CheckBitmap(name, cursor.andMask);
    CheckBitmap(name, cursor.xorMask);
    if (cursor.andMask.width != cursor.xorMask.width || cursor.andMask.height != cursor.xorMask.height)
        Refuse(name, "the two masks of the cursor differ in size");
    if (!IsMonochrome(cursor.andMask) || !IsMonochrome(cursor.xorMask))
        Refuse(name, "the masks of a cursor must be black and white only");
    const TRect bounds = Bounds(0, 0, cursor.andMask.width, cursor.andMask.height);
    if (!bounds.Contains(cursor.hotSpot))
        Refuse(name, "the hot spot lies outside the cursor");
}

void CheckIcon(const AnsiString& name, const IconResource& icon)
{
    if (icon.images.empty())
        Refuse(name, "the icon has no image");
    for (const IconImage& image : icon.images) {
        CheckBitmap(name, image.color);
        if (image.alpha.size() != image.color.pixels.size())
            Refuse(name, "the opacity of an icon image does not match its size");
    }
}

} // namespace

CursorPixel CursorPixelAt(const CursorResource& cursor, int x, int y)
{
    const bool andBit = cursor.andMask.At(x, y) != clBlack;
    const bool xorBit = cursor.xorMask.At(x, y) != clBlack;
    if (andBit)
        return xorBit ? CursorPixel::Inverted : CursorPixel::Transparent;
    return xorBit ? CursorPixel::White : CursorPixel::Black;
}

std::vector<std::uint32_t> IconImage::ToArgb32() const
{
    std::vector<std::uint32_t> argb(color.pixels.size());
    for (std::size_t index = 0; index < argb.size(); ++index) {
        const COLORREF pixel = color.pixels[index];
        argb[index] = (std::uint32_t(alpha[index]) << 24) | (std::uint32_t(GetRValue(pixel)) << 16)
            | (std::uint32_t(GetGValue(pixel)) << 8) | std::uint32_t(GetBValue(pixel));
    }
    return argb;
}

void RegisterCursorResource(const AnsiString& name, CursorResource cursor)
{
    CheckCursor(name, cursor);
    Store(name, std::move(cursor));
}

void RegisterBitmapResource(const AnsiString& name, PixelRaster bitmap)
{
    CheckBitmap(name, bitmap);
    Store(name, std::move(bitmap));
}

void RegisterIconResource(const AnsiString& name, IconResource icon)
{
    CheckIcon(name, icon);
    Store(name, std::move(icon));
}

const CursorResource* FindCursorResource(const AnsiString& name) { return Lookup<CursorResource>(name); }
const PixelRaster* FindBitmapResource(const AnsiString& name) { return Lookup<PixelRaster>(name); }
const IconResource* FindIconResource(const AnsiString& name) { return Lookup<IconResource>(name); }
