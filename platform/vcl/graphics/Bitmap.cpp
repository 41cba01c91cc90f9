// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/DeviceScale.h"
#include "platform/rtl/FileStorage.h"

#include <algorithm>
#include <new>

namespace {

// Past this many pixels (1 GiB of 32-bit pixels) a bitmap is refused before allocating.
constexpr long long kMaxBitmapPixels = 1LL << 28;

// A canvas over a bitmap's own pixels: its DC selects the bitmap's image.
class TBitmapCanvas final : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    void FreeContext()
    {
        if (!HandleAllocated())
            return;
        HDC dc = Handle();
        SetHandle(nullptr);
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override
    {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc)
            throw EOutOfResources("Out of system resources: cannot create a drawing context");
        SelectObject(dc, FBitmap.Handle());
        SetHandle(dc);
    }

private:
    TBitmap& FBitmap;
};

// A memory DC holding a bitmap's image for the length of one drawing call.
class ScopedImageDc {
public:
    explicit ScopedImageDc(HBITMAP image) : FDc(CreateCompatibleDC(nullptr))
    {
        if (!FDc)
            throw EOutOfResources("Out of system resources: cannot create a drawing context");
        SelectObject(FDc, image);
    }
    ~ScopedImageDc() { DeleteDC(FDc); }
    ScopedImageDc(const ScopedImageDc&) = delete;
    ScopedImageDc& operator=(const ScopedImageDc&) = delete;
    HDC Get() const { return FDc; }

private:
    HDC FDc;
};

AnsiString SizeText(int width, int height) { return IntToStr(width) + " x " + IntToStr(height); }

// The logical extent of a raster extent at a ratio: the ratio's edges are strictly rising
// from 1 up, so each raster extent comes from one logical extent.
int LogicalExtent(int pixels, double ratio)
{
    return pixels <= 0 ? 0 : int(LogicalCellOf(std::int64_t(pixels) - 1, ratio) + 1);
}

} // namespace

// ---- TGraphic

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGraphic::LoadFromFile(const AnsiString& fileName)
{
    const std::vector<std::uint8_t> bytes = ReadFileBytes(fileName);
    try {
        LoadFromBytes(bytes);
    } catch (const EInvalidGraphic& error) {
        ThrowCannotLoad(fileName, error);
    }
}

void TGraphic::SaveToFile(const AnsiString& fileName) { WriteFileAtomically(fileName, SaveToBytes()); }

// ---- TBitmap

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() = default;

bool TBitmap::Empty() const { return FImage.raster.Empty(); }

int TBitmap::Width() const
{
    return LogicalExtent(FImage.raster.width, FImage.scale);
}

int TBitmap::Height() const
{
    return LogicalExtent(FImage.raster.height, FImage.scale);
}

void TBitmap::SetPixelRatio(double value)
{
    const double ratio = UsablePixelRatio(value);
    if (ratio != FImage.scale)
        Reallocate(Width(), Height(), ratio);
}

void TBitmap::SetWidth(int value)
{
    if (value != Width())
        Resize(value, Height());
}

void TBitmap::SetHeight(int value)
{
    if (value != Height())
        Resize(Width(), value);
}

void TBitmap::SetSize(int width, int height)
{
    if (width != Width() || height != Height())
        Resize(width, height);
}

void TBitmap::Resize(int width, int height)
{
    Reallocate(width, height, FImage.scale);
}

void TBitmap::Reallocate(int width, int height, double pixelRatio)
{
    if (width < 0 || height < 0)
        throw EInvalidGraphicOperation("Invalid bitmap size " + SizeText(width, height));
    const std::int64_t pixelWidth = ScaleEdge(width, pixelRatio);
    const std::int64_t pixelHeight = ScaleEdge(height, pixelRatio);
    if (pixelWidth > kMaxBitmapPixels || pixelHeight > kMaxBitmapPixels
        || pixelWidth * pixelHeight > kMaxBitmapPixels)
        throw EOutOfResources("Not enough memory for a bitmap of " + SizeText(width, height));
    PixelRaster resized;
    try {
        resized.pixels.assign(std::size_t(pixelWidth) * std::size_t(pixelHeight), clWhite);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Not enough memory for a bitmap of " + SizeText(width, height));
    }
    resized.width = int(pixelWidth);
    resized.height = int(pixelHeight);
    resized.monochrome = FImage.raster.monochrome;
    // Pixels of another ratio would land at other places, so only a resize keeps them.
    if (pixelRatio == FImage.scale) {
        const int keptWidth = std::min(resized.width, FImage.raster.width);
        for (int y = 0; y < std::min(resized.height, FImage.raster.height); ++y)
            std::copy_n(FImage.raster.Row(y), keptWidth, resized.Row(y));
    }
    FImage.raster = std::move(resized);
    FImage.scale = pixelRatio;
    Changed();
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(*this);
        FCanvas->OnChange = [this](TObject*) { Changed(); };
    }
    return FCanvas.get();
}

void TBitmap::SetMonochrome(bool value)
{
    if (value == Monochrome())
        return;
    // The conversion is a plain copy between a colour and a monochrome image, so the colour
    // rules of the raster engine decide which pixels become set.
    TCanvas* canvas = Canvas();
    const COLORREF brushColor = ColorToRGB(canvas->Brush()->Color());
    const COLORREF fontColor = ColorToRGB(canvas->Font()->Color());
    GdiBitmap converted;
    converted.scale = FImage.scale;
    converted.raster.width = FImage.raster.width;
    converted.raster.height = FImage.raster.height;
    converted.raster.monochrome = value;
    converted.raster.pixels.resize(FImage.raster.pixels.size());
    {
        ScopedImageDc source(&FImage);
        ScopedImageDc dest(&converted);
        SetBkColor(source.Get(), brushColor);
        SetTextColor(dest.Get(), fontColor);
        SetBkColor(dest.Get(), brushColor);
        BitBlt(dest.Get(), 0, 0, Width(), Height(), source.Get(), 0, 0, SRCCOPY);
    }
    FImage.raster = std::move(converted.raster);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) { SetMonochrome(value == pf1bit); }

TColor TBitmap::TransparentColor()
{
    if (FTransparentMode == tmFixed)
        return FTransparentColor;
    if (Empty())
        return clDefault;
    return FImage.raster.At(0, FImage.raster.height - 1) | clPaletteRelative;
}

void TBitmap::SetTransparentColor(TColor value)
{
    if (value == FTransparentColor && FTransparentMode == tmFixed)
        return;
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == FTransparentMode)
        return;
    if (value == tmAuto)
        SetTransparentColor(clDefault);
    else
        SetTransparentColor(TransparentColor());
}

void TBitmap::Dormant()
{
    if (FCanvas)
        static_cast<TBitmapCanvas*>(FCanvas.get())->FreeContext();
}

void TBitmap::SetRaster(PixelRaster raster)
{
    FImage.raster = std::move(raster);
    FImage.scale = 1.0;
    Changed();
}

void TBitmap::SetHandle(HBITMAP value)
{
    if (value == &FImage)
        return;
    if (!value) {
        SetRaster({});
        return;
    }
    PixelRaster raster = std::move(value->raster);
    DeleteObject(value);
    SetRaster(std::move(raster));
}

void TBitmap::Assign(const TPersistent* source)
{
    if (source == nullptr) {
        SetRaster({});
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    FTransparentMode = bitmap->FTransparentMode;
    FTransparentColor = bitmap->FTransparentColor;
    FImage.raster = bitmap->FImage.raster;
    FImage.scale = bitmap->FImage.scale;
    Changed();
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) { SetRaster(ReadBmp(bytes)); }

std::vector<std::uint8_t> TBitmap::SaveToBytes() const
{
    if (Empty())
        throw EInvalidGraphicOperation("There is no picture to save");
    return WriteBmp(FImage.raster);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect)
{
    ScopedImageDc source(&FImage);
    HDC dest = canvas->Handle();
    // A monochrome image draws black and white whatever the target's colours are.
    COLORREF oldText = 0;
    COLORREF oldBack = 0;
    if (Monochrome()) {
        oldText = SetTextColor(dest, clBlack);
        oldBack = SetBkColor(dest, clWhite);
    }
    StretchBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), 0, 0, Width(), Height(),
        canvas->CopyMode());
    if (Monochrome()) {
        SetTextColor(dest, oldText);
        SetBkColor(dest, oldBack);
    }
}
