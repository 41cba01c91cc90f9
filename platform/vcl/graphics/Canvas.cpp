// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

#include <vector>

TCanvas::TCanvas()
    : FBrush(std::make_unique<TBrush>())
    , FPen(std::make_unique<TPen>())
    , FFont(std::make_unique<TFont>())
{
    FBrush->OnHandleReleasing = [this](HGDIOBJ handle) { Deselect(handle, WHITE_BRUSH); };
    FPen->OnHandleReleasing = [this](HGDIOBJ handle) { Deselect(handle, BLACK_PEN); };
    FFont->OnHandleReleasing = [this](HGDIOBJ handle) { Deselect(handle, SYSTEM_FONT); };
}

TCanvas::~TCanvas()
{
    // The DC may already be gone by the time the members release their handles.
    FBrush->OnHandleReleasing = nullptr;
    FPen->OnHandleReleasing = nullptr;
    FFont->OnHandleReleasing = nullptr;
}

void TCanvas::Deselect(HGDIOBJ handle, int stockReplacement)
{
    if (FHandle && (FHandle->brush == handle || FHandle->pen == handle || FHandle->font == handle))
        SelectObject(FHandle, GetStockObject(stockReplacement));
}

HDC TCanvas::Handle()
{
    // Raw calls on the handle expect the canvas's brush, pen, font and colours in place.
    Changing();
    return Prepared(needsBrush | needsPen | needsFont);
}

void TCanvas::SetHandle(HDC value) { FHandle = value; }

void TCanvas::SetCopyMode(DWORD value) { FCopyMode = value; }

HDC TCanvas::Prepared(std::uint8_t needs)
{
    if (!FHandle)
        CreateHandle();
    if (!FHandle)
        throw EInvalidOperation("Canvas does not allow drawing");
    if (needs & needsFont) {
        SelectObject(FHandle, FFont->Handle());
        SetTextColor(FHandle, ColorToRGB(FFont->Color()));
    }
    if (needs & needsPen)
        SelectObject(FHandle, FPen->Handle());
    if (needs & needsBrush) {
        SelectObject(FHandle, FBrush->Handle());
        SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
        SetBkMode(FHandle, FBrush->Style() == bsSolid ? OPAQUE : TRANSPARENT);
    }
    return FHandle;
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

TPoint TCanvas::PenPos() { return Prepared(needsHandle)->penPosition; }

void TCanvas::SetPenPos(TPoint value) { MoveTo(value.x, value.y); }

TColor TCanvas::Pixels(int x, int y) { return GetPixel(Prepared(needsHandle), x, y); }

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Changing();
    SetPixel(Prepared(needsHandle), x, y, ColorToRGB(color));
    Changed();
}

void TCanvas::FillRect(const TRect& rect)
{
    Changing();
    HDC dc = Prepared(needsBrush);
    ::FillRect(dc, rect, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect)
{
    Changing();
    HDC dc = Prepared(needsBrush);
    ::FrameRect(dc, rect, FBrush->Handle());
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Changing();
    ::Rectangle(Prepared(needsPen | needsBrush), left, top, right, bottom);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect)
{
    Changing();
    HDC sourceDc = source->Prepared(needsBrush | needsFont);
    StretchBlt(Prepared(needsBrush | needsFont), dest.Left, dest.Top, dest.Width(), dest.Height(), sourceDc,
        sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height(), FCopyMode);
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    Changing();
    Prepared(needsBrush | needsFont);
    graphic->Draw(this, rect);
    Changed();
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Prepared(needsHandle), x, y, nullptr); }

void TCanvas::LineTo(int x, int y)
{
    Changing();
    ::LineTo(Prepared(needsPen), x, y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    Changing();
    ::Polyline(Prepared(needsPen), points.data(), int(points.size()));
    Changed();
}

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    canvas->Pen()->SetWidth(1);
    rect.Bottom--;
    rect.Right--;
    for (; width > 0; --width) {
        const TPoint topLeft { rect.Left, rect.Top };
        const TPoint topRight { rect.Right, rect.Top };
        const TPoint bottomRight { rect.Right, rect.Bottom };
        // One further left, so the bottom edge reaches the corner the top colour left open.
        const TPoint bottomLeft { rect.Left, rect.Bottom };
        const TPoint bottomLeftPast { rect.Left - 1, rect.Bottom };
        canvas->Pen()->SetColor(topColor);
        const TPoint topEdges[] = { bottomLeft, topLeft, topRight };
        canvas->Polyline(topEdges);
        canvas->Pen()->SetColor(bottomColor);
        const TPoint bottomEdges[] = { topRight, bottomRight, bottomLeftPast };
        canvas->Polyline(bottomEdges);
        InflateRect(rect, -1, -1);
    }
    rect.Bottom++;
    rect.Right++;
}
