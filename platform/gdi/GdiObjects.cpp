// SPDX-License-Identifier: MIT
// Creating, deleting and the stock set of bitmaps, brushes, pens and fonts.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiRegistry.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <new>

namespace {

// Bitmaps are 4 bytes a pixel whatever their depth; beyond this we refuse rather than
// let one odd size take the machine's memory.
constexpr std::int64_t kMaxBitmapBytes = std::int64_t(1) << 30;

template <typename Object>
Object* Registered(std::unique_ptr<Object> object)
{
    if (!object)
        return nullptr;
    RegisterGdiObject(object.get());
    return object.release();
}

std::unique_ptr<GdiBitmap> NewBlackBitmap(int width, int height, bool monochrome)
{
    if (width < 0 || height < 0)
        return nullptr;
    const std::int64_t pixelCount = std::int64_t(width) * std::int64_t(height);
    if (pixelCount > kMaxBitmapBytes / std::int64_t(sizeof(COLORREF)))
        return nullptr;
    try {
        auto bitmap = std::make_unique<GdiBitmap>();
        bitmap->raster.width = width;
        bitmap->raster.height = height;
        bitmap->raster.monochrome = monochrome;
        bitmap->raster.pixels.assign(std::size_t(pixelCount), 0);
        return bitmap;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Rows of device bitmap bits are padded to 16 bits and run top row first.
std::size_t RowStride(int width, UINT bitCount)
{
    const std::size_t bitsPerRow = std::size_t(width) * bitCount;
    return (bitsPerRow + 15) / 16 * 2;
}

void ReadMonochromeBits(PixelRaster& raster, const unsigned char* bits)
{
    const std::size_t stride = RowStride(raster.width, 1);
    for (int y = 0; y < raster.height; ++y) {
        const unsigned char* row = bits + std::size_t(y) * stride;
        COLORREF* pixels = raster.Row(y);
        for (int x = 0; x < raster.width; ++x) {
            const bool set = (row[x / 8] >> (7 - x % 8)) & 1;
            pixels[x] = set ? 0x00FFFFFF : 0;
        }
    }
}

// Colour bits are blue, green, red bytes, with an unused fourth byte at 32 bits.
void ReadColorBits(PixelRaster& raster, const unsigned char* bits, UINT bitCount)
{
    const std::size_t stride = RowStride(raster.width, bitCount);
    const std::size_t bytesPerPixel = bitCount / 8;
    for (int y = 0; y < raster.height; ++y) {
        const unsigned char* row = bits + std::size_t(y) * stride;
        COLORREF* pixels = raster.Row(y);
        for (int x = 0; x < raster.width; ++x) {
            const unsigned char* pixel = row + std::size_t(x) * bytesPerPixel;
            pixels[x] = RGB(pixel[2], pixel[1], pixel[0]);
        }
    }
}

std::unique_ptr<GdiBrush> NewBrush(int style, COLORREF color)
{
    auto brush = std::make_unique<GdiBrush>();
    brush->style = style;
    brush->color = ColorToRGB(color);
    return brush;
}

std::unique_ptr<GdiPen> NewPen(int style, int width, COLORREF color)
{
    auto pen = std::make_unique<GdiPen>();
    pen->style = style;
    pen->width = width < 1 ? 1 : width;
    pen->color = ColorToRGB(color);
    return pen;
}

std::unique_ptr<GdiFont> NewFont(const LOGFONT& logFont)
{
    auto font = std::make_unique<GdiFont>();
    font->logFont = logFont;
    font->logFont.lfFaceName[sizeof font->logFont.lfFaceName - 1] = '\0';
    return font;
}

struct StockObjects {
    std::array<std::unique_ptr<GdiObject>, DEFAULT_GUI_FONT + 1> objects;

    StockObjects()
    {
        objects[WHITE_BRUSH] = NewBrush(BS_SOLID, RGB(0xFF, 0xFF, 0xFF));
        objects[LTGRAY_BRUSH] = NewBrush(BS_SOLID, RGB(0xC0, 0xC0, 0xC0));
        objects[GRAY_BRUSH] = NewBrush(BS_SOLID, RGB(0x80, 0x80, 0x80));
        objects[DKGRAY_BRUSH] = NewBrush(BS_SOLID, RGB(0x40, 0x40, 0x40));
        objects[BLACK_BRUSH] = NewBrush(BS_SOLID, RGB(0, 0, 0));
        objects[NULL_BRUSH] = NewBrush(BS_NULL, 0);
        objects[WHITE_PEN] = NewPen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF));
        objects[BLACK_PEN] = NewPen(PS_SOLID, 1, RGB(0, 0, 0));
        objects[NULL_PEN] = NewPen(PS_NULL, 1, 0);
        LOGFONT systemFont;
        systemFont.lfHeight = 16;
        systemFont.lfWeight = 700;
        std::strcpy(systemFont.lfFaceName, "System");
        objects[SYSTEM_FONT] = NewFont(systemFont);
        objects[DEFAULT_GUI_FONT] = NewFont(LOGFONT {});
        for (auto& object : objects) {
            if (object)
                object->stock = true;
        }
    }
};

const StockObjects& TheStockObjects()
{
    static const StockObjects stock;
    return stock;
}

bool IsStockObject(const GdiObject* object)
{
    for (const auto& stockObject : TheStockObjects().objects) {
        if (stockObject.get() == object)
            return true;
    }
    return false;
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits)
{
    if (planes != 1)
        return nullptr;
    const bool monochrome = bitCount == 1;
    if (bits && bitCount != 1 && bitCount != 24 && bitCount != 32)
        return nullptr;
    auto bitmap = NewBlackBitmap(width, height, monochrome);
    if (!bitmap)
        return nullptr;
    const auto* bytes = static_cast<const unsigned char*>(bits);
    if (bytes && monochrome)
        ReadMonochromeBits(bitmap->raster, bytes);
    else if (bytes)
        ReadColorBits(bitmap->raster, bytes, bitCount);
    return Registered(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height)
{
    const bool monochrome = dc && dc->bitmap && dc->bitmap->raster.monochrome;
    return Registered(NewBlackBitmap(width, height, monochrome));
}

HBRUSH CreateSolidBrush(COLORREF color) { return Registered(NewBrush(BS_SOLID, color)); }

HBRUSH CreatePatternBrush(HBITMAP pattern)
{
    if (!pattern || pattern->raster.Empty())
        return nullptr;
    try {
        auto brush = NewBrush(BS_PATTERN, 0);
        brush->pattern = pattern->raster; // a copy: the bitmap may be deleted afterwards
        return Registered(std::move(brush));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_NULL)
        return nullptr;
    return Registered(NewPen(style, width, color));
}

HFONT CreateFontIndirect(const LOGFONT& logFont) { return Registered(NewFont(logFont)); }

BOOL DeleteObject(HGDIOBJ object)
{
    if (!object)
        return FALSE;
    if (IsStockObject(object))
        return TRUE;
    if (!ForgetUnusedGdiObject(object))
        return FALSE;
    delete object;
    return TRUE;
}

HGDIOBJ GetStockObject(int which)
{
    const auto& objects = TheStockObjects().objects;
    if (which < 0 || std::size_t(which) >= objects.size())
        return nullptr;
    return objects[std::size_t(which)].get();
}
