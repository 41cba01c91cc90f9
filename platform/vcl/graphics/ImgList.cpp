// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/ImgList.h"

namespace {

HIMAGELIST CreateNativeList(int width, int height)
{
    HIMAGELIST list = ImageList_Create(width, height, ILC_MASK | ILC_COLOR24, 4, 4);
    if (!list)
        throw EOutOfResources("Out of system resources: cannot create an image list of " + IntToStr(width)
            + " x " + IntToStr(height) + " images");
    return list;
}

// White where the bitmap shows maskColor, black elsewhere.
GdiBitmap MaskOf(TBitmap& image, COLORREF maskColor)
{
    GdiBitmap mask;
    const PixelRaster& pixels = image.Raster();
    mask.raster
        = PixelRaster { pixels.width, pixels.height, true, std::vector<COLORREF>(pixels.pixels.size()) };
    for (std::size_t index = 0; index < pixels.pixels.size(); ++index)
        mask.raster.pixels[index] = (pixels.pixels[index] & 0xFFFFFF) == maskColor ? 0xFFFFFF : 0;
    return mask;
}

} // namespace

TCustomImageList::TCustomImageList(TComponent* owner)
    : TComponent(owner)
    , FWidth(16)
    , FHeight(16)
    , FHandle(CreateNativeList(16, 16))
{
}

TCustomImageList::TCustomImageList(int width, int height)
    : TComponent(nullptr)
    , FWidth(width)
    , FHeight(height)
    , FHandle(CreateNativeList(width, height))
{
}

TCustomImageList::~TCustomImageList()
{
    ImageList_Destroy(FHandle);
}

void TCustomImageList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation("Image index " + IntToStr(index) + " is not in the image list, which holds "
            + IntToStr(Count()) + " images");
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask)
{
    int index = -1;
    if (!image) {
        index = Count();
        if (!ImageList_SetImageCount(FHandle, UINT(index + 1)))
            index = -1;
    } else
        index = ImageList_Add(FHandle, image->Handle(), mask ? mask->Handle() : nullptr);
    if (index < 0)
        throw EInvalidOperation("Cannot add the image to the image list of " + IntToStr(FWidth) + " x "
            + IntToStr(FHeight) + " images");
    return index;
}

void TCustomImageList::ReplaceMasked(int index, TBitmap* newImage, TColor maskColor)
{
    CheckIndex(index);
    if (!newImage || newImage->Width() < FWidth || newImage->Height() < FHeight)
        throw EInvalidOperation("Invalid image size: the image list holds images of " + IntToStr(FWidth)
            + " x " + IntToStr(FHeight) + " pixels");
    GdiBitmap mask = MaskOf(*newImage, ColorToRGB(maskColor));
    if (!ImageList_Replace(FHandle, index, newImage->Handle(), &mask))
        throw EInvalidOperation("Cannot replace image " + IntToStr(index) + " of the image list");
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index)
{
    if (!canvas || index < 0 || index >= Count())
        return;
    ImageList_Draw(FHandle, index, canvas->Handle(), x, y, ILD_NORMAL);
}
