// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ---- TBrush

TBrush::TBrush() = default;

TBrush::~TBrush() { ReleaseHandle(); }

void TBrush::ReleaseHandle() { TGraphicsObject::ReleaseHandle(FHandle); }

void TBrush::SetColor(TColor value)
{
    if (value == FColor && FStyle == bsSolid)
        return;
    FColor = value;
    // Choosing a colour makes a clear brush solid again, as users of the canvas expect.
    FStyle = bsSolid;
    ReleaseHandle();
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    ReleaseHandle();
    Changed();
}

void TBrush::SetBitmap(TBitmap* value)
{
    if (value == FBitmap)
        return;
    FBitmap = value;
    ReleaseHandle();
    Changed();
}

HBRUSH TBrush::Handle()
{
    // System colours follow the desktop palette, so a cached solid brush may be stale.
    if (FHandle && FHandle->style == BS_SOLID && !FBitmap && FHandle->color != ColorToRGB(FColor))
        ReleaseHandle();
    if (FHandle)
        return FHandle;
    if (FBitmap && !FBitmap->Empty())
        FHandle = CreatePatternBrush(FBitmap->Handle());
    else if (FStyle == bsClear)
        FHandle = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    else
        FHandle = CreateSolidBrush(ColorToRGB(FColor));
    if (!FHandle)
        throw EOutOfResources("Out of system resources: cannot create a brush");
    return FHandle;
}

void TBrush::Assign(const TPersistent* source)
{
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    FBitmap = brush->FBitmap;
    ReleaseHandle();
    Changed();
}

// ---- TPen

TPen::~TPen() { ReleaseHandle(); }

void TPen::ReleaseHandle() { TGraphicsObject::ReleaseHandle(FHandle); }

void TPen::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    ReleaseHandle();
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value == FWidth || value < 0)
        return;
    FWidth = value;
    ReleaseHandle();
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    ReleaseHandle();
    Changed();
}

HPEN TPen::Handle()
{
    if (FHandle && FHandle->color != ColorToRGB(FColor))
        ReleaseHandle();
    if (!FHandle)
        FHandle = CreatePen(int(FStyle), FWidth, ColorToRGB(FColor));
    if (!FHandle)
        throw EOutOfResources("Out of system resources: cannot create a pen");
    return FHandle;
}

void TPen::Assign(const TPersistent* source)
{
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    ReleaseHandle();
    Changed();
}

// ---- TFont

TFont::~TFont() { ReleaseHandle(); }

void TFont::ReleaseHandle() { TGraphicsObject::ReleaseHandle(FHandle); }

void TFont::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();
}

void TFont::SetName(const AnsiString& value)
{
    if (value == FName)
        return;
    FName = value;
    ReleaseHandle();
    Changed();
}

void TFont::SetHeight(int value)
{
    if (value == FHeight)
        return;
    FHeight = value;
    ReleaseHandle();
    Changed();
}

int TFont::Size() const
{
    // Points at the design resolution of 96 pixels per inch, rounded as the classic toolkit does.
    return -(FHeight * 72 - (FHeight < 0 ? 48 : -48)) / 96;
}

void TFont::SetSize(int points) { SetHeight(-(points * 96 + 36) / 72); }

void TFont::SetStyle(TFontStyles value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    ReleaseHandle();
    Changed();
}

void TFont::SetCharset(std::uint8_t value)
{
    if (value == FCharset)
        return;
    FCharset = value;
    ReleaseHandle();
    Changed();
}

HFONT TFont::Handle()
{
    if (FHandle)
        return FHandle;
    LOGFONT logFont;
    logFont.lfHeight = FHeight;
    logFont.lfWeight = (FStyle & fsBold) ? 700 : 400;
    logFont.lfItalic = (FStyle & fsItalic) != 0;
    logFont.lfUnderline = (FStyle & fsUnderline) != 0;
    logFont.lfStrikeOut = (FStyle & fsStrikeOut) != 0;
    logFont.lfCharSet = FCharset;
    FName.copy(logFont.lfFaceName, sizeof logFont.lfFaceName - 1);
    logFont.lfFaceName[std::min(FName.size(), sizeof logFont.lfFaceName - 1)] = '\0';
    FHandle = CreateFontIndirect(logFont);
    if (!FHandle)
        throw EOutOfResources("Out of system resources: cannot create a font");
    return FHandle;
}

void TFont::Assign(const TPersistent* source)
{
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = font->FColor;
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FCharset = font->FCharset;
    ReleaseHandle();
    Changed();
}
