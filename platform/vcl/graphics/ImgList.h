// SPDX-License-Identifier: MIT
// Image lists as components: a native image list of one fixed image size, with images added,
// replaced with a transparent colour, and drawn onto canvases.
#pragma once

#include "platform/gdi/ImageList.h"
#include "platform/vcl/components/Component.h"
#include "platform/vcl/graphics/Graphics.h"

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner); // 16 x 16 images
    // An owner-less list of images of that size.
    TCustomImageList(int width, int height);
    ~TCustomImageList() override;
    const char* ClassName() const override { return "TCustomImageList"; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return ImageList_GetImageCount(FHandle); }
    HIMAGELIST Handle() const { return FHandle; }

    // Appends the images of image (one per full image width) with mask's white pixels
    // transparent, and returns the index of the first. Without an image, one blank image
    // is appended.
    int Add(TBitmap* image, TBitmap* mask);
    // Image index shows newImage afterwards, its pixels of maskColor transparent.
    void ReplaceMasked(int index, TBitmap* newImage, TColor maskColor);
    void Draw(TCanvas* canvas, int x, int y, int index);

private:
    void CheckIndex(int index) const;
    int FWidth;
    int FHeight;
    HIMAGELIST FHandle;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
    const char* ClassName() const override { return "TImageList"; }
};
