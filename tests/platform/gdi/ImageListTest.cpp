// SPDX-License-Identifier: MIT
#include "platform/gdi/ImageList.h"
#include "platform/vcl/graphics/ImgList.h"

#include "tests/platform/gdi/GdiTestSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr COLORREF M = 0xFF00FF; // the transparent colour of the images below
constexpr COLORREF R = 0x0000FF;
constexpr COLORREF G = 0x00FF00;
constexpr COLORREF B = 0xFF0000;
constexpr COLORREF Y = 0x00FFFF;
constexpr COLORREF K = 0x000000;
constexpr COLORREF W = 0xFFFFFF;
constexpr COLORREF S = 0xC0C0C0; // background the images are drawn onto

std::unique_ptr<TBitmap> MakeBitmap(int width, int height, Pixels pixels, bool monochrome = false)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetRaster(PixelRaster { width, height, monochrome, std::move(pixels) });
    return bitmap;
}

std::unique_ptr<TBitmap> Backdrop(int width, int height)
{
    return MakeBitmap(width, height, Pixels(std::size_t(width * height), S));
}

// A list owned by the test, destroyed at scope end.
struct NativeList {
    explicit NativeList(int width, int height, UINT flags = ILC_MASK)
        : handle(ImageList_Create(width, height, flags, 0, 1))
    {
    }
    ~NativeList() { EXPECT_TRUE(ImageList_Destroy(handle)); }
    NativeList(const NativeList&) = delete;
    NativeList& operator=(const NativeList&) = delete;
    HIMAGELIST handle;
};

} // namespace

TEST(ImageListNative, AStripAddsOneImagePerFullImageWidth)
{
    NativeList list(2, 1);
    // 5 × 1: two whole 2-pixel images and one spare column.
    GdiBitmap strip;
    strip.raster = PixelRaster { 5, 1, false, { R, G, B, Y, W } };
    EXPECT_EQ(ImageList_Add(list.handle, &strip, nullptr), 0);
    EXPECT_EQ(ImageList_Add(list.handle, &strip, nullptr), 2);
    EXPECT_EQ(ImageList_GetImageCount(list.handle), 4);

    TestSurface target(2, 1, Depth::Colour, S);
    ASSERT_TRUE(ImageList_Draw(list.handle, 3, target.Dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(target.PixelValues(), (Pixels { B, Y }));
}

namespace {

// Draws the three pixels R, G, B through a one-row mask onto the backdrop colour.
Pixels DrawnThroughMask(UINT flags, Pixels maskBits)
{
    NativeList list(3, 1, flags);
    GdiBitmap image;
    image.raster = PixelRaster { 3, 1, false, { R, G, B } };
    GdiBitmap mask;
    mask.raster = PixelRaster { 3, 1, true, std::move(maskBits) };
    EXPECT_EQ(ImageList_Add(list.handle, &image, &mask), 0);

    TestSurface target(3, 1, Depth::Colour, S);
    EXPECT_TRUE(ImageList_Draw(list.handle, 0, target.Dc(), 0, 0, ILD_NORMAL));
    return target.PixelValues();
}

} // namespace

TEST(ImageListNative, MaskBitsMakePixelsTransparent)
{
    EXPECT_EQ(DrawnThroughMask(ILC_MASK, { K, W, K }), (Pixels { R, S, B }));
}

TEST(ImageListNative, AListWithoutMaskDrawsOpaque)
{
    EXPECT_EQ(DrawnThroughMask(ILC_COLOR24, { W, W, W }), (Pixels { R, G, B }));
}

TEST(ImageListNative, DrawingKeepsTheTargetColoursAndClipsAtItsEdge)
{
    NativeList list(2, 2);
    GdiBitmap image;
    image.raster = PixelRaster { 2, 2, false, { R, G, B, Y } };
    ASSERT_EQ(ImageList_Add(list.handle, &image, nullptr), 0);

    TestSurface target(3, 2, Depth::Colour, S);
    SetTextColor(target.Dc(), G);
    SetBkColor(target.Dc(), B);
    ASSERT_TRUE(ImageList_Draw(list.handle, 0, target.Dc(), 2, -1, ILD_NORMAL));
    EXPECT_EQ(target.PixelValues(), (Pixels { S, S, B, S, S, S }));
    EXPECT_EQ(target.Dc()->textColor, G);
    EXPECT_EQ(target.Dc()->bkColor, B);
}

TEST(ImageListNative, GrowingAppendsBlankTransparentImages)
{
    NativeList list(2, 1);
    ASSERT_TRUE(ImageList_SetImageCount(list.handle, 2));
    EXPECT_EQ(ImageList_GetImageCount(list.handle), 2);
    TestSurface target(2, 1, Depth::Colour, S);
    ASSERT_TRUE(ImageList_Draw(list.handle, 1, target.Dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(target.PixelValues(), (Pixels { S, S }));
}

TEST(ImageListNative, BadRequestsAreRefused)
{
    EXPECT_EQ(ImageList_Create(-1, 16, ILC_MASK, 0, 1), nullptr);
    EXPECT_EQ(ImageList_Create(1 << 15, 1 << 15, ILC_MASK, 0, 1), nullptr);

    NativeList list(2, 2);
    GdiBitmap small;
    small.raster = PixelRaster { 1, 2, false, { R, G } };
    EXPECT_EQ(ImageList_Add(list.handle, &small, nullptr), -1);
    ASSERT_TRUE(ImageList_SetImageCount(list.handle, 1));
    EXPECT_FALSE(ImageList_Replace(list.handle, 0, &small, nullptr));
    GdiBitmap image;
    image.raster = PixelRaster { 2, 2, false, { R, G, B, Y } };
    EXPECT_FALSE(ImageList_Replace(list.handle, 1, &image, nullptr));
    EXPECT_FALSE(ImageList_Replace(list.handle, -1, &image, nullptr));
    TestSurface target(2, 2, Depth::Colour, S);
    EXPECT_FALSE(ImageList_Draw(list.handle, 1, target.Dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(target.PixelValues(), Pixels(4, S));
}

TEST(ImageListComponent, HasTheSizeItWasMadeFor)
{
    TImageList list(16, 15);
    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.Height(), 15);
    EXPECT_EQ(list.Count(), 0);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.Handle(), &width, &height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 15);
    TImageList byOwner(nullptr);
    EXPECT_EQ(byOwner.Width(), 16);
    EXPECT_EQ(byOwner.Height(), 16);
}

TEST(ImageListComponent, AddWithoutImageAppendsOneBlankImage)
{
    TImageList list(3, 2);
    EXPECT_EQ(list.Add(nullptr, nullptr), 0);
    EXPECT_EQ(list.Add(nullptr, nullptr), 1);
    EXPECT_EQ(list.Count(), 2);
    auto target = Backdrop(3, 2);
    list.Draw(target->Canvas(), 0, 0, 1);
    EXPECT_EQ(target->Raster().pixels, Pixels(6, S));
}

TEST(ImageListComponent, AReplacedSlotShowsTheImageWithItsMaskColourTransparent)
{
    TImageList list(3, 2);
    list.Add(nullptr, nullptr);
    list.Add(nullptr, nullptr);
    auto first = MakeBitmap(3, 2, { R, M, G, M, B, Y });
    auto second = MakeBitmap(3, 2, { K, W, M, G, G, G });
    list.ReplaceMasked(0, first.get(), M);
    list.ReplaceMasked(1, second.get(), M);

    auto target = Backdrop(4, 3);
    list.Draw(target->Canvas(), 1, 1, 0);
    EXPECT_EQ(target->Raster().pixels, (Pixels { S, S, S, S, S, R, S, G, S, S, B, Y }));
    auto other = Backdrop(3, 2);
    list.Draw(other->Canvas(), 0, 0, 1);
    EXPECT_EQ(other->Raster().pixels, (Pixels { K, W, S, G, G, G }));
}

TEST(ImageListComponent, ReplacingAgainOverwritesEveryPixelOfTheSlot)
{
    TImageList list(2, 1);
    list.Add(nullptr, nullptr);
    auto opaque = MakeBitmap(2, 1, { R, G });
    auto halfClear = MakeBitmap(2, 1, { B, M });
    list.ReplaceMasked(0, opaque.get(), M);
    list.ReplaceMasked(0, halfClear.get(), M);
    auto target = Backdrop(2, 1);
    list.Draw(target->Canvas(), 0, 0, 0);
    EXPECT_EQ(target->Raster().pixels, (Pixels { B, S }));
}

TEST(ImageListComponent, MaskColourIsResolvedAndBlackCanBeTransparent)
{
    TImageList list(2, 1);
    list.Add(nullptr, nullptr);
    auto image = MakeBitmap(2, 1, { K, GetSysColor(COLOR_BTNFACE) });
    list.ReplaceMasked(0, image.get(), clBtnFace);
    auto target = Backdrop(2, 1);
    list.Draw(target->Canvas(), 0, 0, 0);
    EXPECT_EQ(target->Raster().pixels, (Pixels { K, S }));

    list.ReplaceMasked(0, image.get(), clBlack);
    auto again = Backdrop(2, 1);
    list.Draw(again->Canvas(), 0, 0, 0);
    EXPECT_EQ(again->Raster().pixels, (Pixels { S, GetSysColor(COLOR_BTNFACE) }));
}

TEST(ImageListComponent, ReplacingOutsideTheListOrWithTooSmallAnImageRaises)
{
    TImageList list(2, 2);
    list.Add(nullptr, nullptr);
    auto image = MakeBitmap(2, 2, { R, G, B, Y });
    auto narrow = MakeBitmap(1, 2, { R, G });
    EXPECT_THROW(list.ReplaceMasked(1, image.get(), M), EInvalidOperation);
    EXPECT_THROW(list.ReplaceMasked(-1, image.get(), M), EInvalidOperation);
    EXPECT_THROW(list.ReplaceMasked(0, narrow.get(), M), EInvalidOperation);
    EXPECT_THROW(list.ReplaceMasked(0, nullptr, M), EInvalidOperation);
}
