// SPDX-License-Identifier: MIT
// Pens, brushes, fonts, canvases and the bitmap and picture classes over our own rasters.
#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Objects.h"
#include "platform/rtl/SysUtils.h"

#include <functional>
#include <memory>
#include <span>
#include <vector>

class TBitmap;
class TCanvas;

class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;
    // Called before the object deletes its handle, so a canvas can take it out of its DC
    // first: a handle still selected somewhere cannot be deleted.
    std::function<void(HGDIOBJ)> OnHandleReleasing;

protected:
    void Changed();
    template <typename Handle> void ReleaseHandle(Handle& handle)
    {
        if (!handle)
            return;
        if (OnHandleReleasing)
            OnHandleReleasing(handle);
        DeleteObject(handle);
        handle = nullptr;
    }
};

enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    TBrush();
    ~TBrush() override;

    TColor Color() const { return FColor; } // clWhite
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; } // bsSolid
    void SetStyle(TBrushStyle value);
    // A pattern bitmap takes precedence over colour and style; not owned.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* value);

    HBRUSH Handle(); // rebuilt after every change
    void Assign(const TPersistent* source) override;

private:
    void ReleaseHandle();
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
    HBRUSH FHandle = nullptr;
};

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psClear = 5 };

class TPen : public TGraphicsObject {
public:
    TPen() = default;
    ~TPen() override;

    TColor Color() const { return FColor; } // clBlack
    void SetColor(TColor value);
    int Width() const { return FWidth; } // 1
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; } // psSolid
    void SetStyle(TPenStyle value);

    HPEN Handle();
    void Assign(const TPersistent* source) override;

private:
    void ReleaseHandle();
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    HPEN FHandle = nullptr;
};

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;

class TFont : public TGraphicsObject {
public:
    TFont() = default;
    ~TFont() override;

    TColor Color() const { return FColor; } // clWindowText
    void SetColor(TColor value);
    AnsiString Name() const { return FName; } // "MS Sans Serif"
    void SetName(const AnsiString& value);
    int Height() const { return FHeight; } // -11: 8 points at 96 pixels per inch
    void SetHeight(int value);
    int Size() const; // points, from the height at 96 pixels per inch
    void SetSize(int points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    std::uint8_t Charset() const { return FCharset; }
    void SetCharset(std::uint8_t value);

    HFONT Handle();
    void Assign(const TPersistent* source) override;

private:
    void ReleaseHandle();
    TColor FColor = clWindowText;
    AnsiString FName = "MS Sans Serif";
    int FHeight = -11;
    TFontStyles FStyle = 0;
    std::uint8_t FCharset = DEFAULT_CHARSET;
    HFONT FHandle = nullptr;
};

class TGraphic;

// Drawing surface over a device context. The copy mode decides how drawn pictures combine
// with what is there; a new canvas starts at SRCCOPY.
class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    HDC Handle(); // created on demand by the descendant
    void SetHandle(HDC value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TBrush* Brush() const { return FBrush.get(); }
    TPen* Pen() const { return FPen.get(); }
    TFont* Font() const { return FFont.get(); }
    DWORD CopyMode() const { return FCopyMode; } // SRCCOPY
    void SetCopyMode(DWORD value);
    TPoint PenPos();
    void SetPenPos(TPoint value);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    // Measured in the canvas's font.
    TSize TextExtent(const AnsiString& text);
    int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
    int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void CreateHandle() {}
    void Changing();
    void Changed();

private:
    void Deselect(HGDIOBJ handle, int stockReplacement);
    enum Needs : std::uint8_t { needsHandle = 0, needsBrush = 1, needsPen = 2, needsFont = 4 };
    HDC Prepared(std::uint8_t needs);
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TFont> FFont;
    DWORD FCopyMode = SRCCOPY;
    HDC FHandle = nullptr;
};

// Draws a sunken or raised frame Width pixels wide: top and left edges in topColor, bottom
// and right in bottomColor. Rect shrinks by Width on each side.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

class TGraphic : public TPersistent {
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    virtual void LoadFromFile(const AnsiString& fileName);
    virtual void SaveToFile(const AnsiString& fileName);
    virtual void LoadFromBytes(std::span<const std::uint8_t> bytes) = 0;
    virtual std::vector<std::uint8_t> SaveToBytes() const = 0;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
    void Changed();
};

enum TPixelFormat : std::uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TBitmapHandleType : std::uint8_t { bmDIB, bmDDB };
enum TTransparentMode : std::uint8_t { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    bool Empty() const override;
    // Logical sizes; a bitmap of a pixel ratio other than 1 holds that many more pixels.
    int Width() const override;
    int Height() const override;
    // New pixels are white; the overlap with the old size keeps its pixels.
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    void SetSize(int width, int height);
    // A buffer that is painted and then copied to a surface of a screen's ratio takes that
    // ratio (1 by default), so that what is drawn on it keeps the physical detail. A change
    // keeps the logical size and clears the pixels to white.
    double PixelRatio() const { return FImage.scale; }
    void SetPixelRatio(double value);

    TCanvas* Canvas();
    HBITMAP Handle() { return &FImage; }
    // Takes over a bitmap made elsewhere (LoadBitmapA, CreateBitmap): its pixels become
    // this bitmap's and the handle is deleted. nullptr empties the bitmap.
    void SetHandle(HBITMAP value);
    TBitmapHandleType HandleType() const { return FHandleType; }
    void SetHandleType(TBitmapHandleType value) { FHandleType = value; }
    bool Monochrome() const { return FImage.raster.monochrome; }
    // To monochrome: pixels equal to the canvas brush colour turn white, all others black.
    // To colour: black takes the canvas font colour and white the brush colour.
    void SetMonochrome(bool value);
    TPixelFormat PixelFormat() const { return Monochrome() ? pf1bit : pf24bit; }
    void SetPixelFormat(TPixelFormat value);
    // The lower-left pixel flagged palette-relative, unless a fixed colour was set.
    TColor TransparentColor();
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);
    // Gives up the drawing resources; the pixels stay.
    void Dormant();

    const PixelRaster& Raster() const { return FImage.raster; }
    // The raster becomes the bitmap's pixels at a pixel ratio of 1.
    void SetRaster(PixelRaster raster);

    void Assign(const TPersistent* source) override;
    void LoadFromBytes(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToBytes() const override;

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    void Resize(int width, int height);
    void Reallocate(int width, int height, double pixelRatio);
    GdiBitmap FImage;
    std::unique_ptr<TCanvas> FCanvas;
    TBitmapHandleType FHandleType = bmDIB;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};

// An 8 x 8 checkerboard for brushes: backColor where x + y is even, foreColor where it is odd.
// Kept for the rest of the run, one per pair of resolved colours; not to be freed.
TBitmap* AllocPatternBitmap(TColor backColor, TColor foreColor);

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(const TGraphic* value); // keeps a copy
    // The picture's bitmap, created empty when the picture holds none or another graphic.
    TBitmap* Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    void LoadFromFile(const AnsiString& fileName);
    // An empty picture raises an error instead of writing nothing.
    void SaveToFile(const AnsiString& fileName);
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Adopt(std::unique_ptr<TGraphic> graphic);
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};
