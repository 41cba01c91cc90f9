// SPDX-License-Identifier: MIT
#include "platform/win32/resources/SystemBitmaps.h"

#include "platform/win32/resources/ResourceTable.h"

namespace {

HBITMAP BitmapOf(const PixelRaster& raster)
{
    HBITMAP bitmap = CreateBitmap(raster.width, raster.height, 1, raster.monochrome ? 1 : 32, nullptr);
    if (bitmap)
        bitmap->raster = raster;
    return bitmap;
}

// A solid black triangle pointing down, 7 wide and 4 high, on the button face. The bottom
// corners are face, so a glyph renderer reading the lower-left pixel finds the face colour
// transparent and the arrow sits on whatever the button shows.
PixelRaster ComboArrow()
{
    constexpr int width = 7;
    constexpr int height = 4;
    PixelRaster raster { width, height, false,
        std::vector<COLORREF>(std::size_t(width * height), ColorToRGB(clBtnFace)) };
    for (int row = 0; row < height; ++row)
        for (int column = row; column < width - row; ++column)
            raster.Row(row)[column] = RGB(0, 0, 0);
    return raster;
}

} // namespace

HBITMAP LoadBitmapA(HINSTANCE, const char* name)
{
    if (!name)
        return nullptr;
    const PixelRaster* resource = FindBitmapResource(name);
    return resource ? BitmapOf(*resource) : nullptr;
}

HBITMAP LoadBitmapA(HINSTANCE, int systemBitmapId)
{
    switch (systemBitmapId) {
    case OBM_COMBO:
        return BitmapOf(ComboArrow());
    default:
        return nullptr;
    }
}
